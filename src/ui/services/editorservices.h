#pragma once
// What the window hands the tree and the pages: each a service of its own,
// so that a part takes only those it uses.

class TEditorDocument;
class TFolderMemory;
class THelpTopics;
class THints;
class TPreviewCopies;
class TPrompts;
class TvarnAppletAgent;

struct TEditorServices {
    TvarnAppletAgent& agent;
    TEditorDocument& document;
    TPrompts& prompts;
    THints& hints;
    THelpTopics& help;
    TFolderMemory& folders;
    TPreviewCopies& previewCopies;
};

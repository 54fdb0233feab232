#pragma once
// Publishing at save time: the page, the five scripts, the project file, the
// publish report and the arrow images, written beside the project as one
// all-or-nothing set. What a save writes is said before anything is written:
// the editor, the command-line tool, the report and the tests read one plan.

#include <string>
#include <vector>

#include "codegen/generation.h"
#include "codegen/savepreparation.h"
#include "model/document.h"
#include "model/records.h"
#include "model/statusdisplay.h"

class TFileTransaction;
class TLockWait;

// "tmzcfg.js", "tmzparams.js", "tmzie.js", "tmzmo.js", "tmzop.js": the
// generated parameter script first, then the engine the page loads.
const TStringArray& ScriptFileNames();

// The base name of a chosen file name: the name less its last extension only
// (a name without a dot is used whole). MENU.TMZ gives MENU, a.tmz.tmz a.tmz.
std::string PublishBaseName(const std::string& name);
// The project file a save writes for a chosen name: the name itself when it
// ends in ".tmz" in any letter case, else the base name + ".tmz".
std::string ProjectFileNameFor(const std::string& name);

// The arrow image names a report lists: the non-empty ones, each name once
// (exact, case-sensitive comparison), normal before over.
std::vector<std::string> PublishedImageNames(const TAppletData& applet);

// The lines of a publish report, without their line ends. The modern page
// code's style sheet is named after the report's own lines.
std::vector<std::string> PublishReportLines(const std::vector<std::string>& scriptNames,
                                            const std::vector<std::string>& imageNames,
                                            TPageCode pageCode = TPageCode::Classic);
// The encoding the report of a document is written in.
TTextEncoding PublishReportEncoding(const TMenuDocument& document);
// The report of a document as text (UTF-8, CR LF lines), showing
// "Making Publish Report ... ..." and its progress.
std::string MakePublishReport(const TMenuDocument& document, TStatusDisplay& status,
                              TPageCode pageCode = TPageCode::Classic);
// The same as the bytes of the report file, in PublishReportEncoding.
std::string PublishReportBytes(const TMenuDocument& document, TStatusDisplay& status, TPageCode pageCode);

// How a publish is made: where it finds what it copies, and which page code.
struct TPublishSetup {
    std::string programFolder;              // the run-time scripts
    std::vector<std::string> imageFolders;  // arrow images: the first folder that has the file
    std::string parameterScriptCopy;        // a second place tmzcfg.js goes ("" for none)
    TPageCode pageCode = TPageCode::Classic;
    TGathering gathering;                   // the editor's: the records as its pages give them back
    TLockWait* lockWait = nullptr;          // told while another save holds the folder; null waits a minute
};

struct TPublishedFile {
    enum class Kind { Page, Script, Stylesheet, Project, Report, ArrowImage };
    Kind kind;
    std::string name;    // bare file name in the publish folder
    std::string source;  // the file copied there; "" for a file generated there or an image found nowhere
};

class TPublishPlan {
public:
    // The files SaveAndPublish (folder, name) writes, in writing order: the
    // page, the five scripts, the style sheet of the modern page code, the
    // project file, the report, the images.
    TPublishPlan(const TAppletData& applet, const TPublishSetup& setup, const std::string& folder,
                 const std::string& name);

    const std::string& Folder() const { return folder_; }
    const std::string& BaseName() const { return baseName_; }
    const std::vector<TPublishedFile>& Files() const { return files_; }
    std::vector<TPublishedFile> FilesOf(TPublishedFile::Kind kind) const;
    // The one file of a kind that occurs once (page, project, report).
    const TPublishedFile& File(TPublishedFile::Kind kind) const;
    std::string PathOf(const TPublishedFile& file) const;
    std::vector<std::string> Paths() const;
    // Arrow images that no source folder has; they are not published.
    std::vector<std::string> MissingImages() const;

private:
    std::string folder_;
    std::string baseName_;
    std::vector<TPublishedFile> files_;
};

struct TPublishResult {
    TMenuDocument published;                 // the records as the saved project holds them
    std::string projectPath;                 // the project file written
    std::vector<std::string> missingImages;  // named in a warning by the caller
    std::vector<std::string> warnings;       // what the save found left in its folders, for the user
};

// Generates and writes the whole published set into `folder` (trailing
// separator optional) for the chosen file name. Throws TFileError naming the
// file and the reason; then every file in the folder is as it was.
TPublishResult SaveAndPublish(const TMenuDocument& document, const TPublishSetup& setup, const std::string& folder,
                              const std::string& name, TStatusDisplay& status);

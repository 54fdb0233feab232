#include "ui/actions/filechoice.h"

#include "ui/services/prompts.h"

const char* const kProjectFilter = "Trellimenu 2006 Files (*.tmz)";
const char* const kStructureFilter = "General Menu Structure File (*.gms)";

QString AskForFile(TPrompts& prompts, TFolderMemory& folders, TFileChoice choice, const QString& caption,
                   TFolderKind kind, const QString& filter, const QString& folder)
{
    const QString start = folder.isEmpty() ? folders.LastFolder(kind) : folder;
    if (choice == TFileChoice::Save)
        return prompts.SaveFileName(caption, start, filter);
    const QString path = prompts.OpenFileName(caption, start, filter);
    folders.RememberFolderOf(kind, path);
    return path;
}

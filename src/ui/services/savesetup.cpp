#include "ui/services/savesetup.h"

#include <QFileInfo>

#include "codegen/previewfolder.h"
#include "platform/settingsstore.h"
#include "ui/services/localpath.h"

namespace {
const char* const kPageCodeKey = "PageCode";
}  // namespace

TPageCode PageCodeSetting(const TSettingsStore& settings)
{
    TPageCode code = TPageCode::Classic;
    PageCodeFromName(settings.EditorValue(kPageCodeKey, "classic").toString().toStdString(), code);
    return code;
}

void SetPageCodeSetting(TSettingsStore& settings, TPageCode code)
{
    settings.SetEditorValue(kPageCodeKey, QString::fromLatin1(PageCodeName(code)));
}

TPublishSetup EditorPublishSetup(const QString& programFolder, const QString& projectFile, const QString& saveTarget,
                                 TPageCode pageCode)
{
    const std::string program = LocalPath(programFolder);
    TPublishSetup setup;
    setup.programFolder = program;
    setup.pageCode = pageCode;
    setup.imageFolders.push_back(TPreviewFolder(program).Folder());
    for (const QString& file : {projectFile, saveTarget}) {
        if (!file.isEmpty())
            setup.imageFolders.push_back(LocalPath(QFileInfo(file).absolutePath() + '/'));
    }
    setup.imageFolders.push_back(program);
    return setup;
}

QString SaveFailureText(const std::string& projectFileName, const QString& reason)
{
    return QString("%1 could not be saved.\n%2").arg(FromLocalPath(projectFileName), reason);
}

QString TemplatesFolder(const QString& programFolder)
{
    return programFolder + "templates";
}

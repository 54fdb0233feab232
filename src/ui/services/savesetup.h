#pragma once
// How the editor saves: the page code chosen under Menu > Page Code and
// where arrow images come from. The live preview shows what a save would
// publish, so it asks here too.

#include <QString>

#include "codegen/publishing.h"

class TSettingsStore;

TPageCode PageCodeSetting(const TSettingsStore& settings);
void SetPageCodeSetting(TSettingsStore& settings, TPageCode code);

// Arrow images: those picked or previewed, else the ones beside the project
// (as opened, then where it is being saved), else the program's own.
// projectFile and saveTarget may be "" (untitled; no save under way).
TPublishSetup EditorPublishSetup(const QString& programFolder, const QString& projectFile, const QString& saveTarget,
                                 TPageCode pageCode);

// What a failed save says: the project file the user chose, then why (which
// may name another file of the published set).
QString SaveFailureText(const std::string& projectFileName, const QString& reason);

// The folder of the project templates: "templates" in the program folder
// (which ends in a separator); no separator at its end.
QString TemplatesFolder(const QString& programFolder);

// The Menu and Option commands of the main window: preview in a browser, the
// generated page in the HTML code window, the publish report, the browser
// choice and the About box.

#include <QDialog>
#include <QDir>
#include <QFile>

#include "codegen/generation.h"
#include "codegen/menucode.h"
#include "codegen/moderncode.h"
#include "codegen/publishing.h"
#include "files/filetransaction.h"

#include "ui/dialogs/about.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/dialogs/publishreport.h"
#include "ui/dialogs/webbrowser.h"
#include "ui/services/localpath.h"
#include "ui/services/prompts.h"
#include "ui/window/mainform.h"
#include "ui/window/menueditor.h"
#include "ui/window/statusarea.h"

namespace {
const char* const kPreviewPage = "~preview.html";
const char* const kPublishReport = "PublishReport.txt";
}  // namespace

int TMainForm::RunDialog(QDialog& dialog)
{
    return env_.runDialog ? env_.runDialog(dialog) : dialog.exec();
}

bool TMainForm::Generate(TGeneratedMenu& menu)
{
    CreateCompanionWindows();
    const bool made = Guarded([&] {
        menu = GenerateMenu(agent_.Document(), *status_, PageCode());
        WriteFileAtomically(LocalPath(env_.programFolder) + kParameterScriptName, menu.script);
    });
    if (!made)
        return false;
    document_.Normalize(menu.document);
    formHTML_->SetText(QString::fromStdString(menu.page));
    return true;
}

void TMainForm::Preview1Click()
{
    menuEditor_->ApplyGatherRules();
    TGeneratedMenu menu;
    if (!Generate(menu))
        return;
    const std::string programFolder = LocalPath(env_.programFolder);
    preview_.CopyScriptsToPreview(programFolder);
    preview_.CopyArrowImagesToPreview(programFolder, agent_.GetAppletData(), *status_);
    preview_.WriteToPreview(kPreviewPage, menu.page);
    if (!menu.stylesheet.empty())
        preview_.WriteToPreview(kMenuStylesheetName, menu.stylesheet);
    TformWebBrowser browser(*env_.settings, *env_.shell, *prompts_, env_.browserSearchPath, this);
    const TBrowserLaunch launch = browser.OpenInBrowser(FromLocalPath(preview_.Folder()), kPreviewPage);
    if (!launch.started)
        prompts_->Error(BrowserNotStartedMessage(launch, FromLocalPath(preview_.Folder()) + kPreviewPage));
}

void TMainForm::BuildHTML1Click()
{
    menuEditor_->ApplyGatherRules();
    TGeneratedMenu menu;
    if (Generate(menu))
        RunDialog(*formHTML_);
}

void TMainForm::Publish1Click()
{
    menuEditor_->ApplyGatherRules();
    TfrmPublishReport report(this);
    report.ShowPublishFolder(ProjectFolder());
    const bool made = Guarded([&] {
        const TMenuDocument& document = agent_.Document();
        preview_.WriteToPreview(kPublishReport, PublishReportBytes(document, *status_, PageCode()));
        report.LoadFromFile(FromLocalPath(preview_.Folder()) + kPublishReport);
    });
    if (made)
        RunDialog(report);
}

void TMainForm::WebBrowser1Click()
{
    TformWebBrowser browser(*env_.settings, *env_.shell, *prompts_, env_.browserSearchPath, this);
    browser.SetHelpHandler([this](int context) { ShowHelpTopic(context); });
    RunDialog(browser);
}

void TMainForm::About1Click()
{
    TformAbout about(*env_.shell, this);
    RunDialog(about);
}

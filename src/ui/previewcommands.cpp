// The Menu and Option commands of the main window: preview in a browser, the
// generated page in the HTML code window, the publish report, the browser
// choice and the About box.

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/about.h"
#include "ui/htmlbuild.h"
#include "ui/localpath.h"
#include "ui/mainform.h"
#include "ui/menueditor.h"
#include "ui/publishreport.h"
#include "ui/webbrowser.h"

namespace {
const char* const kPreviewPage = "~preview.html";
const char* const kScratchPage = "~tmp0001.txt";
const char* const kPublishReport = "PublishReport.txt";
}  // namespace

QString TMainForm::ScratchFolder()
{
    // Scratch files go to a folder of our own: the working directory may be
    // read-only, and a user's file of the same name there must never be
    // overwritten or deleted.
    if (!scratch_ || !scratch_->isValid())
        scratch_ = std::make_unique<QTemporaryDir>();
    return scratch_->path() + '/';
}

int TMainForm::RunDialog(QDialog& dialog)
{
    return env_.runDialog ? env_.runDialog(dialog) : dialog.exec();
}

void TMainForm::Preview1Click()
{
    menuEditor_->GatherPages();
    CreateCompanionWindows();
    const QString page = ScratchFolder() + kPreviewPage;
    const bool ready = Guarded([&] {
        agent_.MakeHTMLCodes(LocalPath(page));
        formHTML_->LoadFromFile(page);
        agent_.CopyScriptsToPreview(LocalPath(env_.programFolder));
        agent_.CopyArrowImagesToPreview(LocalPath(env_.programFolder));
        agent_.CopyToPreview(LocalPath(page));
    });
    QFile::remove(page);
    if (!ready)
        return;
    TformWebBrowser browser(*env_.settings, *env_.shell, *prompts_, env_.browserSearchPath, this);
    browser.OpenInBrowser(FromLocalPath(agent_.PreviewFolder()), kPreviewPage);
}

void TMainForm::BuildHTML1Click()
{
    menuEditor_->GatherPages();
    CreateCompanionWindows();
    const QString scratch = ScratchFolder() + kScratchPage;
    const bool built = Guarded([&] {
        agent_.MakeHTMLCodes(LocalPath(scratch));
        formHTML_->LoadFromFile(scratch);
    });
    QFile::remove(scratch);
    if (built)
        RunDialog(*formHTML_);
}

void TMainForm::Publish1Click()
{
    menuEditor_->GatherPages();
    const QString scratch = ScratchFolder() + kPublishReport;
    TfrmPublishReport report(this);
    const bool made = Guarded([&] {
        agent_.MakePublishReport(LocalPath(ScratchFolder()), kPublishReport);
        agent_.CopyToPreview(LocalPath(scratch));
        report.LoadFromFile(FromLocalPath(agent_.PreviewFolder()) + kPublishReport);
    });
    QFile::remove(scratch);
    if (made)
        RunDialog(report);
}

void TMainForm::WebBrowser1Click()
{
    TformWebBrowser browser(*env_.settings, *env_.shell, *prompts_, env_.browserSearchPath, this);
    RunDialog(browser);
}

void TMainForm::About1Click()
{
    TformAbout about(*env_.shell, this);
    RunDialog(about);
}

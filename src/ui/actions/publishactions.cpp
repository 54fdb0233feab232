#include "ui/actions/publishactions.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>

#include "codegen/generation.h"
#include "codegen/menucode.h"
#include "codegen/moderncode.h"
#include "codegen/previewfolder.h"
#include "codegen/publishing.h"
#include "files/filetransaction.h"
#include "platform/settingsstore.h"
#include "ui/actions/documentviews.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/dialogs/publishreport.h"
#include "ui/dialogs/webbrowser.h"
#include "ui/document/editordocument.h"
#include "ui/services/helptopics.h"
#include "ui/services/localpath.h"
#include "ui/services/savesetup.h"

namespace {
const char* const kPreviewPage = "~preview.html";
const char* const kPublishReport = "PublishReport.txt";
}  // namespace

TPublishActions::TPublishActions(const TActionContext& context, TDocumentViews& views, TPreviewFolder& preview,
                                 THelpTopics& help, QObject* parent)
    : QObject(parent),
      context_(context),
      views_(views),
      preview_(preview),
      help_(help),
      preview1_(NewMenuAction(this, "Preview1", "&Preview", QKeySequence("Ctrl+P"))),
      buildHTML_(NewMenuAction(this, "BuildHTML1", "Build &HTML...")),
      publish_(NewMenuAction(this, "Publish1", "Pu&blish...")),
      webBrowser_(NewMenuAction(this, "WebBrowser1", "Web &Browser..."))
{
    connect(preview1_, &QAction::triggered, this, &TPublishActions::Preview1Click);
    connect(buildHTML_, &QAction::triggered, this, &TPublishActions::BuildHTML1Click);
    connect(publish_, &QAction::triggered, this, &TPublishActions::Publish1Click);
    connect(webBrowser_, &QAction::triggered, this, &TPublishActions::WebBrowser1Click);
    AddPageCodeChoices();
}

void TPublishActions::AddPageCodeChoices()
{
    auto* group = new QActionGroup(this);
    const struct {
        TPageCode code;
        const char* name;
        const char* caption;
        const char* tip;
    } choices[] = {
        {TPageCode::Classic, "mnitPageCodeClassic", "&Classic",
         "The block that existing pages have: a script that writes the menu's script tags"},
        {TPageCode::Modern, "mnitPageCodeModern", "&Modern",
         "A list of real links and deferred scripts: for strict content security policies, visitors without "
         "script and search engines"},
    };
    TSettingsStore& settings = *context_.environment.settings;
    for (const auto& choice : choices) {
        QAction* action = NewMenuAction(this, choice.name, choice.caption);
        action->setStatusTip(choice.tip);
        action->setCheckable(true);
        action->setChecked(PageCodeSetting(settings) == choice.code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [&settings, code = choice.code] { SetPageCodeSetting(settings, code); });
        pageCodes_ << action;
    }
}

TformHTML& TPublishActions::CodeWindow()
{
    if (!codeWindow_)
        codeWindow_ = new TformHTML(context_.window);
    return *codeWindow_;
}

bool TPublishActions::Generate(TGeneratedMenu& menu)
{
    TformHTML& codeWindow = CodeWindow();
    const TEditorEnvironment& environment = context_.environment;
    const bool made = context_.Guarded([&] {
        menu = GenerateMenu(context_.document.Document(), context_.status, PageCodeSetting(*environment.settings));
        WriteFileAtomically(LocalPath(environment.programFolder) + kParameterScriptName, menu.script);
    });
    if (!made)
        return false;
    context_.document.Normalize(menu.document);
    codeWindow.SetText(QString::fromStdString(menu.page));
    return true;
}

void TPublishActions::Preview1Click()
{
    views_.GatherPages();
    TGeneratedMenu menu;
    if (!Generate(menu))
        return;
    const TEditorEnvironment& environment = context_.environment;
    const std::string programFolder = LocalPath(environment.programFolder);
    preview_.CopyScriptsToPreview(programFolder);
    preview_.CopyArrowImagesToPreview(programFolder, context_.document.Document().applet, context_.status);
    preview_.WriteToPreview(kPreviewPage, menu.page);
    if (!menu.stylesheet.empty())
        preview_.WriteToPreview(kMenuStylesheetName, menu.stylesheet);
    const QString folder = FromLocalPath(preview_.Folder());
    const TBrowserLaunch launch = context_.OpenInChosenBrowser(folder, kPreviewPage);
    if (!launch.started)
        context_.prompts.Error(BrowserNotStartedMessage(launch, folder + kPreviewPage));
}

void TPublishActions::BuildHTML1Click()
{
    views_.GatherPages();
    TGeneratedMenu menu;
    if (Generate(menu))
        context_.RunDialog(CodeWindow());
}

void TPublishActions::Publish1Click()
{
    views_.GatherPages();
    TfrmPublishReport report(context_.window);
    // The folder the published files go to: the saved project's; none while untitled.
    const QString project = context_.document.FileName();
    report.ShowPublishFolder(project.isEmpty() ? QString() : QFileInfo(project).absolutePath());
    const bool made = context_.Guarded([&] {
        const TPageCode code = PageCodeSetting(*context_.environment.settings);
        preview_.WriteToPreview(kPublishReport, PublishReportBytes(context_.document.Document(), context_.status, code));
        report.LoadFromFile(FromLocalPath(preview_.Folder()) + kPublishReport);
    });
    if (made)
        context_.RunDialog(report);
}

void TPublishActions::WebBrowser1Click()
{
    const TEditorEnvironment& environment = context_.environment;
    TformWebBrowser browser(*environment.settings, *environment.shell, context_.prompts, environment.browserSearchPath,
                            context_.window);
    browser.SetHelpHandler([this](int context) { help_.ShowHelpTopic(context); });
    context_.RunDialog(browser);
}

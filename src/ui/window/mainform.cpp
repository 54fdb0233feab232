#include "ui/window/mainform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "model/product.h"
#include "platform/fileassociation.h"
#include "platform/settingsstore.h"
#include "ui/actions/contexthelp.h"
#include "ui/actions/helpcommands.h"
#include "ui/actions/projectfileguard.h"
#include "ui/actions/recentfiles.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/dialogs/webbrowser.h"
#include "ui/services/firstwindow.h"
#include "ui/services/prompts.h"
#include "ui/services/savesetup.h"
#include "ui/services/toolbaricons.h"
#include "ui/window/focuscycle.h"
#include "ui/window/menueditor.h"
#include "ui/window/statusarea.h"
#ifdef TRELLIMENU_WITH_WEBENGINE
#include "ui/livepreview/livepreview.h"
#endif

const char* const kProjectFilter = "Trellimenu 2006 Files (*.tmz)";
const char* const kStructureFilter = "General Menu Structure File (*.gms)";

namespace {
// The tool bar, in its order; a null name is a separator.
struct TToolButtonSpec {
    const char* name;
    const char* toolTip;
    TToolBarIcon icon;
};

const TToolButtonSpec kToolButtons[] = {
    {"tlbtnNew", "Create a new project", TToolBarIcon::New},
    {"tlbtnOpen", "Open a project from the file that you saved before", TToolBarIcon::Open},
    {"tlbtnSave", "Save the current project to a file", TToolBarIcon::Save},
    {nullptr, nullptr, TToolBarIcon::New},
    {"tlbtnInsert", "Insert a new item", TToolBarIcon::Insert},
    {"tlbtnDelete", "Delete selected item", TToolBarIcon::Delete},
    {"tlbtnMoveUp", "Move the selected item up", TToolBarIcon::MoveUp},
    {"tlbtnMoveDown", "Move the selected item down", TToolBarIcon::MoveDown},
    {nullptr, nullptr, TToolBarIcon::New},
    {"tlbtnBuildHTML", "Build the HTML code", TToolBarIcon::BuildHTML},
    {"tlbtnPreview", "preview the applet in web browser", TToolBarIcon::Preview},
    {nullptr, nullptr, TToolBarIcon::New},
    {"tlbtnHelp", "Show help document", TToolBarIcon::Help},
};
}  // namespace

TMainForm::TMainForm(const TEditorEnvironment& environment)
    : env_(environment),
      ownPrompts_(environment.prompts ? nullptr : std::make_unique<TDialogPrompts>(this)),
      prompts_(environment.prompts ? environment.prompts : ownPrompts_.get())
{
    setObjectName("MainForm");
    status_ = std::make_unique<TStatusArea>(statusBar());
    fileGuard_ = new TProjectFileGuard(*prompts_,
                                       {[this] { return Modified(); },
                                        [this](const QString& path) { LoadDocument(path, TDocumentKind::Project); }},
                                       this);
    preview_.SetProgramFolder(QFile::encodeName(env_.programFolder).toStdString());
    helpCommands_ = std::make_unique<THelpCommands>(
        *env_.shell, env_.programFolder,
        [this](const QString& folder, const QString& fileName) {
            TformWebBrowser browser(*env_.settings, *env_.shell, *prompts_, env_.browserSearchPath, this);
            return browser.OpenInBrowser(folder, fileName);
        },
        *prompts_);

    menuEditor_ = new TMenuEditor(*this, this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("Splitter1");
    splitter->addWidget(menuEditor_->TreePanel());
    splitter->addWidget(menuEditor_->Pages());
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 560});
    setCentralWidget(splitter);
    BuildMenusAndToolBar();
    // F6 and Shift+F6 between the tree, the pages and the live preview; Esc
    // on the pages back to the tree.
    auto* panes = new TFocusCycle(*this, {[this] { return menuEditor_->TreePanel(); },
                                          [this] { return menuEditor_->Pages()->currentWidget(); },
                                          [this] { return static_cast<QWidget*>(findChild<QDockWidget*>()); }});
    panes->ReturnOnEscape(menuEditor_->Pages());

    // The empty document the program starts with.
    ProjectFileName_.clear();
    document_.Replace(TMenuDocument());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    connect(&document_.UndoStack(), &QUndoStack::cleanChanged, this, &TMainForm::UpdateDocumentState);
    connect(&document_, &TEditorDocument::encodingChanged, this,
            [this] { ShowHint(QString::fromUtf8(kNowUtf8Hint)); });

    if (!env_.dataHome.isEmpty())
        TFileAssociation(env_.executablePath, env_.dataHome).Write();
    LoadRecentFilesReporting();
    SetModified(false);
}

TMainForm::~TMainForm()
{
    status_->Reset();
}

void TMainForm::CreateCompanionWindows()
{
    if (!formHTML_)
        formHTML_ = new TformHTML(this);
    if (!frmHelp_)
        frmHelp_ = new TfrmHelp(env_.programFolder, this);
}

QAction* TMainForm::AddCommand(QMenu* menu, const char* name, const char* caption, void (TMainForm::*handler)(),
                               const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void TMainForm::BuildMenusAndToolBar()
{
    menuBar()->setObjectName("MainMenu1");
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    QAction* new1 = AddCommand(file, "New1", "&New...", &TMainForm::New1Click, QKeySequence("Ctrl+N"));
    QAction* open1 = AddCommand(file, "Open1", "&Open...", &TMainForm::Open1Click, QKeySequence("Ctrl+O"));
    Save1 = file->addAction("&Save");
    Save1->setObjectName("Save1");
    Save1->setShortcut(QKeySequence("Ctrl+S"));
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    AddCommand(file, "Save2", "Save &As...", &TMainForm::Save2Click, QKeySequence("Ctrl+Shift+S"));
    file->addSeparator();
    AddCommand(file, "Templet1", "&Templates", &TMainForm::Templet1Click);
    AddCommand(file, "SaveAsTemplate1", "Sa&ve As Template", &TMainForm::SaveAsTemplate1Click);
    file->addSeparator();
    AddCommand(file, "ImportMenuStructure1", "&Import Menu Structure", &TMainForm::ImportMenuStructure1Click);
    AddCommand(file, "ExportMenuStructure1", "&Export Menu Structure", &TMainForm::ExportMenuStructure1Click);
    file->addSeparator();
    QMenu* recent = file->addMenu("&Recent Files");
    recent->setObjectName("mnitRecentFiles");
    recentFiles_ = new TRecentFiles(env_.programFolder, recent, [this](const QString& path) { OpenProjectFile(path); });
    file->addSeparator();
    QAction* exit1 = file->addAction("E&xit");
    exit1->setObjectName("Exit1");
    connect(exit1, &QAction::triggered, this, &QWidget::close);

    BuildEditMenu();

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("View1");
    QAction* toolBarItem = view->addAction("&Tool Bar");
    toolBarItem->setObjectName("mnitToolBar");
    toolBarItem->setCheckable(true);
    toolBarItem->setChecked(true);
    QAction* statusBarItem = view->addAction("&Status Bar");
    statusBarItem->setObjectName("mnitStatusBar");
    statusBarItem->setCheckable(true);
    statusBarItem->setChecked(true);
    connect(statusBarItem, &QAction::toggled, statusBar(), &QWidget::setVisible);
#ifdef TRELLIMENU_WITH_WEBENGINE
    InstallLivePreview(*this, *view,
                       {document_, *env_.settings, *prompts_, env_.programFolder, !KeptGeometry().isEmpty()});
#endif

    QMenu* item = menuBar()->addMenu("&Item");
    item->setObjectName("Item1");
    item->addActions({menuEditor_->InsertAction(), menuEditor_->DeleteAction(), menuEditor_->MoveUpAction(),
                      menuEditor_->MoveDownAction()});

    QMenu* menu = menuBar()->addMenu("&Menu");
    menu->setObjectName("Menu1");
    QAction* preview1 = AddCommand(menu, "Preview1", "&Preview", &TMainForm::Preview1Click, QKeySequence("Ctrl+P"));
    QAction* buildHTML1 = AddCommand(menu, "BuildHTML1", "Build &HTML...", &TMainForm::BuildHTML1Click);
    AddCommand(menu, "Publish1", "Pu&blish...", &TMainForm::Publish1Click);
    menu->addSeparator();
    BuildPageCodeMenu(menu);

    QMenu* option = menuBar()->addMenu("&Option");
    option->setObjectName("Option1");
    AddCommand(option, "WebBrowser1", "Web &Browser...", &TMainForm::WebBrowser1Click);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    struct THelpItem {
        const char* name;
        const char* caption;
        void (THelpCommands::*handler)();
    };
    const THelpItem helpItems[] = {
        {"Topic1", "Help &Topics", &THelpCommands::Topic1Click},
        {"ViewSample1", "View &Sample...", &THelpCommands::ViewSample1Click},
        {nullptr, nullptr, nullptr},
        {"Homepage1", "&Homepage", &THelpCommands::Homepage1Click},
        {"ContactUs1", "&Contact Us", &THelpCommands::ContactUs1Click},
    };
    QAction* topic1 = nullptr;
    for (const THelpItem& entry : helpItems) {
        if (!entry.name) {
            help->addSeparator();
            continue;
        }
        QAction* action = help->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, [this, entry] { ((*helpCommands_).*entry.handler)(); });
        if (!topic1)
            topic1 = action;
    }
    // F1: the help of the group or page that has the keyboard, else the index.
    QAction* contextHelp = help->addAction("Help on &What Has the Keyboard");
    contextHelp->setObjectName("ContextHelp1");
    contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
    connect(contextHelp, &QAction::triggered, this, [this] {
        if (!PressNearestHelpButton(QApplication::focusWidget()))
            helpCommands_->Topic1Click();
    });
    AddCommand(help, "About1", "&About", &TMainForm::About1Click);

    // The tool bar shares the menu's actions, so enabling follows everywhere.
    toolBar_ = addToolBar("Tool Bar");
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->toggleViewAction()->setVisible(false);
    connect(toolBarItem, &QAction::toggled, toolBar_, &QWidget::setVisible);
    QAction* const toolActions[] = {new1,
                                    open1,
                                    Save1,
                                    nullptr,
                                    menuEditor_->InsertAction(),
                                    menuEditor_->DeleteAction(),
                                    menuEditor_->MoveUpAction(),
                                    menuEditor_->MoveDownAction(),
                                    nullptr,
                                    buildHTML1,
                                    preview1,
                                    nullptr,
                                    topic1};
    int i = 0;
    for (const TToolButtonSpec& entry : kToolButtons) {
        QAction* action = toolActions[i++];
        if (!entry.name) {
            toolBar_->addSeparator();
            continue;
        }
        // The tool tip lives on the action: a button takes its tip from there
        // whenever the action changes. Menus never show tips.
        action->setToolTip(QString::fromLatin1(entry.toolTip));
        action->setIcon(ToolBarIcon(entry.icon));
        toolBar_->addAction(action);
        QWidget* button = toolBar_->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(entry.name));
        // The pointer over a button puts its tip into the hint line too, as
        // over the tree and the pages.
        button->installEventFilter(this);
    }
}

void TMainForm::BuildEditMenu()
{
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Edit1");
    // The actions name the step they undo ("Undo Delete 'Products'").
    QAction* undo = document_.UndoStack().createUndoAction(this, "&Undo");
    undo->setObjectName("Undo1");
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = document_.UndoStack().createRedoAction(this, "&Redo");
    redo->setObjectName("Redo1");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addActions({menuEditor_->CutAction(), menuEditor_->CopyAction(), menuEditor_->PasteAction(),
                      menuEditor_->DuplicateAction(), menuEditor_->DeleteAction()});
}

void TMainForm::BuildPageCodeMenu(QMenu* menu)
{
    QMenu* pageCode = menu->addMenu("Page &Code");
    pageCode->setObjectName("mnitPageCode");
    auto* group = new QActionGroup(pageCode);
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
    for (const auto& choice : choices) {
        QAction* action = pageCode->addAction(choice.caption);
        action->setObjectName(choice.name);
        action->setStatusTip(choice.tip);
        action->setCheckable(true);
        action->setChecked(PageCode() == choice.code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = choice.code] {
            SetPageCodeSetting(*env_.settings, code);
        });
    }
}

TPageCode TMainForm::PageCode() const
{
    return PageCodeSetting(*env_.settings);
}

namespace {
const char* FolderKey(TFolderKind kind)
{
    switch (kind) {
    case TFolderKind::Projects: return "Folders/Projects";
    case TFolderKind::Structures: return "Folders/Structures";
    case TFolderKind::Images: return "Folders/Images";
    }
    return "Folders/Projects";
}
}  // namespace

QString TMainForm::LastFolder(TFolderKind kind) const
{
    const QString folder = env_.settings->EditorValue(FolderKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void TMainForm::RememberFolderOf(TFolderKind kind, const QString& file)
{
    if (!file.isEmpty())
        env_.settings->SetEditorValue(FolderKey(kind), QFileInfo(file).absolutePath());
}

QByteArray TMainForm::KeptGeometry() const
{
    return env_.settings->EditorValue("Window/Geometry").toByteArray();
}

void TMainForm::PlaceOnScreen()
{
    // The last size and place, kept on a screen; the first time a size that
    // fits the screen at any scale, centred.
    const QByteArray saved = KeptGeometry();
    if (!saved.isEmpty() && restoreGeometry(saved))
        return;
    PlaceFirstWindow(*this, qobject_cast<QSplitter*>(centralWidget()));
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        PlaceOnScreen();
    }
    QMainWindow::showEvent(event);
}

void TMainForm::LoadRecentFilesReporting()
{
    Guarded([this] { recentFiles_->LoadRecentFiles(); });
}

bool TMainForm::Modified() const
{
    return !document_.UndoStack().isClean();
}

void TMainForm::SetModified(bool modified)
{
    if (!modified)
        document_.UndoStack().setClean();
    UpdateDocumentState();
}

void TMainForm::UpdateDocumentState()
{
    document_.SetFileName(ProjectFileName_);
    const bool modified = Modified();
    if (Save1)
        Save1->setEnabled(modified);
    const QString name = ProjectFileName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(ProjectFileName_).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + QString::fromLatin1(kProductName));
    setWindowModified(modified);
}

void TMainForm::CopyToPreview(const QString& path)
{
    preview_.CopyToPreview(QFile::encodeName(path).toStdString());
}

void TMainForm::ShowHint(const QString& text)
{
    status_->ShowHintText(text);
}

void TMainForm::ShowHelpTopic(int tag)
{
    CreateCompanionWindows();
    frmHelp_->SpeedButton1Click(tag);
}

QString TMainForm::ProjectFolder() const
{
    return ProjectFileName_.isEmpty() ? QString() : QFileInfo(ProjectFileName_).absolutePath();
}

QString TMainForm::TemplatesFolder() const
{
    return env_.programFolder + "templates";
}

void TMainForm::ReportFailure(const QString& text)
{
    status_->Reset();
    prompts_->Error(text);
}

bool TMainForm::event(QEvent* event)
{
    // Hints of the control under the pointer go to the hint line, which the
    // status bar's own message would otherwise cover.
    if (event->type() == QEvent::StatusTip) {
        status_->ShowHintText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) &&
        !menuEditor_->SuppressTreeEvents()) {
        if (auto* button = qobject_cast<QToolButton*>(watched))
            status_->ShowHintText(button->toolTip());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (CloseQuery()) {
        env_.settings->SetEditorValue("Window/Geometry", saveGeometry());
        event->accept();
    }
    else
        event->ignore();
}

bool TMainForm::CloseQuery()
{
    bool mayClose = true;
    if (Modified()) {
        switch (prompts_->AskYesNoCancel("Save changes to files before Exit?")) {
        case TPrompts::Answer::Cancel:
            mayClose = false;
            break;
        case TPrompts::Answer::No:
            break;
        case TPrompts::Answer::Yes:
            mayClose = Save1Click();
            break;
        }
    }
    // The preview folder goes with the document, never from under an open
    // one: images picked for it are what the next save publishes.
    if (mayClose)
        preview_.ClearPreview();
    return mayClose;
}

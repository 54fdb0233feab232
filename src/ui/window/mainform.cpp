#include "ui/window/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
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
#include "ui/actions/actioncontext.h"
#include "ui/actions/exportaction.h"
#include "ui/actions/helpactions.h"
#include "ui/actions/openactions.h"
#include "ui/actions/projectfileguard.h"
#include "ui/actions/publishactions.h"
#include "ui/actions/recentfiles.h"
#include "ui/actions/saveactions.h"
#include "ui/services/editorservices.h"
#include "ui/services/firstwindow.h"
#include "ui/services/prompts.h"
#include "ui/services/statusarea.h"
#include "ui/services/toolbaricons.h"
#include "ui/window/editorviews.h"
#include "ui/window/focuscycle.h"
#include "ui/window/menueditor.h"
#ifdef TRELLIMENU_WITH_WEBENGINE
#include "ui/livepreview/livepreview.h"
#endif

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
      folders_(*environment.settings)
{
    setObjectName("MainForm");
    if (!env_.prompts)
        env_.prompts = ownPrompts_.get();
    status_ = std::make_unique<TStatusArea>(statusBar());
    preview_.SetProgramFolder(LocalPath(env_.programFolder));
    help_ = new THelpActions(ActionContext(), this);

    menuEditor_ = new TMenuEditor(
        TEditorServices{agent_, document_, *env_.prompts, *status_, *help_, folders_, previewCopies_}, this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("Splitter1");
    splitter->addWidget(menuEditor_->TreePanel());
    splitter->addWidget(menuEditor_->Pages());
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 560});
    setCentralWidget(splitter);
    views_ = std::make_unique<TEditorViews>(*menuEditor_);
    CreateActions();
    BuildMenusAndToolBar();
    // F6 and Shift+F6 between the tree, the pages and the live preview; Esc
    // on the pages back to the tree.
    auto* panes = new TFocusCycle(*this, {[this] { return menuEditor_->TreePanel(); },
                                          [this] { return menuEditor_->Pages()->currentWidget(); },
                                          [this] { return static_cast<QWidget*>(findChild<QDockWidget*>()); }});
    panes->ReturnOnEscape(menuEditor_->Pages());

    // The empty document the program starts with.
    document_.Replace(TMenuDocument());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    connect(&document_.UndoStack(), &QUndoStack::cleanChanged, this, &TMainForm::UpdateTitle);
    connect(&document_, &TEditorDocument::fileNameChanged, this, &TMainForm::UpdateTitle);
    connect(&document_, &TEditorDocument::encodingChanged, this,
            [this] { status_->ShowHintText(QString::fromUtf8(kNowUtf8Hint)); });

    if (!env_.dataHome.isEmpty())
        TFileAssociation(env_.executablePath, env_.dataHome).Write();
    ActionContext().Guarded([this] { recentFiles_->LoadRecentFiles(); });
    SetModified(false);
}

TMainForm::~TMainForm()
{
    status_->Reset();
}

TActionContext TMainForm::ActionContext()
{
    return {env_, document_, *env_.prompts, *status_, this};
}

void TMainForm::CreateActions()
{
    const TActionContext context = ActionContext();
    // The guard reloads and the recent files open through the open actions,
    // made below; neither calls before the window is up.
    fileGuard_ = new TProjectFileGuard(*env_.prompts,
                                       {[this] { return Modified(); },
                                        [this](const QString& path) { opening_->ReloadProjectFile(path); }},
                                       this);
    recentMenu_ = new QMenu("&Recent Files", this);
    recentMenu_->setObjectName("mnitRecentFiles");
    recentFiles_ = new TRecentFiles(env_.programFolder, recentMenu_,
                                    [this](const QString& path) { opening_->OpenProjectFile(path); });
    saving_ = new TSaveActions(context, *views_, folders_, *fileGuard_, *recentFiles_, this);
    opening_ = new TOpenActions(context, *views_, *saving_, folders_, *fileGuard_, *recentFiles_, preview_, this);
    exporting_ = new TExportAction(context, *views_, folders_, this);
    publishing_ = new TPublishActions(context, *views_, preview_, *help_, this);
}

void TMainForm::CreateCompanionWindows()
{
    publishing_->CodeWindow();
    help_->HelpWindow();
}

TformHTML* TMainForm::FormHTML() const
{
    return &publishing_->CodeWindow();
}

TfrmHelp* TMainForm::FormHelp() const
{
    return &help_->HelpWindow();
}

void TMainForm::BuildMenusAndToolBar()
{
    menuBar()->setObjectName("MainMenu1");
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    file->addActions({opening_->NewAction(), opening_->OpenAction(), saving_->SaveAction(), saving_->SaveAsAction()});
    file->addSeparator();
    file->addActions({opening_->TemplatesAction(), saving_->SaveAsTemplateAction()});
    file->addSeparator();
    file->addActions({opening_->ImportAction(), exporting_->Action()});
    file->addSeparator();
    file->addMenu(recentMenu_);
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
                       {document_, *env_.settings, *env_.prompts, env_.programFolder, !KeptGeometry().isEmpty()});
#endif

    QMenu* item = menuBar()->addMenu("&Item");
    item->setObjectName("Item1");
    item->addActions({menuEditor_->InsertAction(), menuEditor_->DeleteAction(), menuEditor_->MoveUpAction(),
                      menuEditor_->MoveDownAction()});

    QMenu* menu = menuBar()->addMenu("&Menu");
    menu->setObjectName("Menu1");
    menu->addActions({publishing_->PreviewAction(), publishing_->BuildHTMLAction(), publishing_->PublishAction()});
    menu->addSeparator();
    QMenu* pageCode = menu->addMenu("Page &Code");
    pageCode->setObjectName("mnitPageCode");
    pageCode->addActions(publishing_->PageCodeActions());

    QMenu* option = menuBar()->addMenu("&Option");
    option->setObjectName("Option1");
    option->addAction(publishing_->WebBrowserAction());

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    help->addActions(help_->MenuActions());

    BuildToolBar(toolBarItem);
}

void TMainForm::BuildToolBar(QAction* toolBarItem)
{
    // The tool bar shares the menu's actions, so enabling follows everywhere.
    toolBar_ = addToolBar("Tool Bar");
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->toggleViewAction()->setVisible(false);
    connect(toolBarItem, &QAction::toggled, toolBar_, &QWidget::setVisible);
    QAction* const toolActions[] = {opening_->NewAction(),
                                    opening_->OpenAction(),
                                    saving_->SaveAction(),
                                    nullptr,
                                    menuEditor_->InsertAction(),
                                    menuEditor_->DeleteAction(),
                                    menuEditor_->MoveUpAction(),
                                    menuEditor_->MoveDownAction(),
                                    nullptr,
                                    publishing_->BuildHTMLAction(),
                                    publishing_->PreviewAction(),
                                    nullptr,
                                    help_->TopicsAction()};
    static_assert(std::size(toolActions) == std::size(kToolButtons));
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

bool TMainForm::Modified() const
{
    return !document_.UndoStack().isClean();
}

void TMainForm::SetModified(bool modified)
{
    if (!modified)
        document_.UndoStack().setClean();
    UpdateTitle();
}

void TMainForm::UpdateTitle()
{
    const QString& fileName = document_.FileName();
    const QString name = fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + QString::fromLatin1(kProductName));
    setWindowModified(Modified());
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
    const bool mayClose = saving_->OfferToSave("Save changes to files before Exit?");
    // The preview folder goes with the document, never from under an open
    // one: images picked for it are what the next save publishes.
    if (mayClose)
        preview_.ClearPreview();
    return mayClose;
}

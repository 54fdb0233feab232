// The main window's document state and File commands, driven through their
// menu actions with scripted answers.

#include <QAction>
#include <QComboBox>
#include <QTreeView>
#include <QLabel>
#include <QProgressBar>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "tst_mainform_env.h"
#include "ui/services/statusarea.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/actions/recentfiles.h"

using Answer = TPrompts::Answer;

class TestMainForm : public QObject {
    Q_OBJECT

    static QAction* Action(TMainForm& form, const char* name) { return form.findChild<QAction*>(name); }
    static void Trigger(TMainForm& form, const char* name)
    {
        QAction* action = Action(form, name);
        QVERIFY2(action, name);
        action->trigger();
    }
    static void Edit(TMainForm& form) { form.MenuEditor().InsertAction()->trigger(); }
    // The File menu's Save item and the Save tool button, each on its own:
    // both must follow Modified.
    static void ExpectSaveEnabled(TMainForm& form, bool enabled)
    {
        QAction* item = Action(form, "Save1");
        auto* button = form.findChild<QToolButton*>("tlbtnSave");
        QVERIFY(item && button);
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(button->isEnabled(), enabled);
    }
    static void ExpectInSync(TMainForm& form) { QCOMPARE(TreeCaptions(form), ModelCaptions(form)); }

private slots:
    void windowLayout()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QCOMPARE(form->windowTitle(), QString("Untitled[*] - Trellimenu 2006"));
        QVERIFY(!form->isWindowModified());
        const QStringList expected = {"tlbtnNew",       "tlbtnOpen",    "tlbtnSave",    "", "tlbtnInsert",
                                      "tlbtnDelete",    "tlbtnMoveUp",  "tlbtnMoveDown", "", "tlbtnBuildHTML",
                                      "tlbtnPreview",   "",             "tlbtnHelp"};
        auto* toolBar = form->findChild<QToolBar*>("ToolBar1");
        QStringList names;
        for (QAction* action : toolBar->actions())
            names << (action->isSeparator() ? QString() : toolBar->widgetForAction(action)->objectName());
        QCOMPARE(names, expected);
        QCOMPARE(form->findChild<QToolButton*>("tlbtnOpen")->toolTip(),
                 QString("Open a project from the file that you saved before"));
        QCOMPARE(form->findChild<QToolButton*>("tlbtnPreview")->toolTip(), QString("preview the applet in web browser"));

        QCOMPARE(Action(*form, "New1")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(Action(*form, "Save1")->text(), QString("&Save"));
        QCOMPARE(Action(*form, "Preview1")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(Action(*form, "SaveAsTemplate1")->text(), QString("Sa&ve As Template"));
        QStringList menus;
        for (QAction* action : form->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&View", "&Item", "&Menu", "&Option", "&Help"}));
        QVERIFY(form->findChild<QLabel*>("stctxtHint"));
        QVERIFY(form->findChild<QProgressBar*>("prgrsbrMainFormBottom"));
    }

    void menusInFull()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        // Each entry "caption|shortcut"; "-" is a separator.
        QStringList entries;
        for (QAction* top : form->menuBar()->actions()) {
            entries << "[" + top->text() + "]";
            for (QAction* action : top->menu()->actions()) {
                if (action->isSeparator())
                    entries << "-";
                else
                    entries << action->text() + "|" + action->shortcut().toString(QKeySequence::PortableText);
            }
        }
        const QStringList expected = {
            "[&File]", "&New...|Ctrl+N", "&Open...|Ctrl+O", "&Save|Ctrl+S", "Save &As...|Ctrl+Shift+S", "-",
            "&Templates|", "Sa&ve As Template|", "-", "&Import Menu Structure|", "&Export Menu Structure|", "-",
            "&Recent Files|", "-", "E&xit|",
            "[&Edit]", "&Undo|Ctrl+Z", "&Redo|Ctrl+Shift+Z", "-", "Cu&t|Ctrl+X", "&Copy|Ctrl+C", "&Paste|Ctrl+V",
            "D&uplicate|Ctrl+D", "&Delete|Del",
            "[&View]", "&Tool Bar|", "&Status Bar|",
#ifdef TRELLIMENU_WITH_WEBENGINE
            "&Live Preview|F5",
#endif
            "[&Item]", "I&nsert|Ins", "&Delete|Del", "Move &Up|Ctrl+Up", "Move &Down|Ctrl+Down",
            "[&Menu]", "&Preview|Ctrl+P", "Build &HTML...|", "Pu&blish...|", "-", "Page &Code|",
            "[&Option]", "Web &Browser...|",
            "[&Help]", "Help &Topics|", "View &Sample...|", "-", "&Homepage|", "&Contact Us|",
            "Help on &What Has the Keyboard|F1", "&About|",
        };
        QCOMPARE(entries, expected);
        QVERIFY(Action(*form, "mnitToolBar")->isChecked());
        QVERIFY(Action(*form, "mnitStatusBar")->isChecked());
        QVERIFY(!form->findChild<QMenu*>("File1")->toolTipsVisible());

        // Exit goes through the close query.
        form->show();
        Edit(*form);
        env.prompts.answers.push_back(Answer::Cancel);
        Trigger(*form, "Exit1");
        QVERIFY(form->isVisible());
        QCOMPARE(env.prompts.Texts(), QStringList({"Save changes to files before Exit?"}));
        env.prompts.answers.push_back(Answer::No);
        Trigger(*form, "Exit1");
        QVERIFY(!form->isVisible());
    }

    void viewTogglesHideToolBarAndStatusArea()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        Trigger(*form, "mnitToolBar");
        Trigger(*form, "mnitStatusBar");
        QVERIFY(form->findChild<QToolBar*>("ToolBar1")->isHidden());
        QVERIFY(form->statusBar()->isHidden());
        Trigger(*form, "mnitToolBar");
        QVERIFY(!form->findChild<QToolBar*>("ToolBar1")->isHidden());
        QVERIFY(Action(*form, "mnitToolBar")->isChecked());
    }

    void saveEnabledExactlyWhileModified()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QVERIFY(!form->Modified());
        ExpectSaveEnabled(*form, false);
        Edit(*form);
        QVERIFY(form->Modified());
        ExpectSaveEnabled(*form, true);

        env.prompts.fileNames.push_back(env.Path("site.tmz"));
        Trigger(*form, "Save1");
        ExpectSaveEnabled(*form, false);
        QCOMPARE(form->ProjectFileName(), env.Path("site.tmz"));
        QVERIFY(QFile::exists(env.Path("site.tmz")));
        QVERIFY(QFile::exists(env.Path("site.html")));
        QVERIFY(QFile::exists(env.Path("site_PublishReport.txt")));
        QCOMPARE(env.prompts.shown.last().text, QString("Trellimenu 2006 Files (*.tmz)"));

        // A known file is saved without asking.
        Edit(*form);
        Trigger(*form, "Save1");
        QVERIFY(!form->Modified());
        QCOMPARE(env.prompts.shown.size(), 1);
    }

    void urlBrowseIsRelativeOnceTheProjectIsSaved()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        auto* tree = form->MenuEditor().TreePanel()->findChild<QTreeView*>("trvwDesignPanel");
        tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
        auto* url = form->MenuEditor().Pages()->findChild<QComboBox*>("cmbxpURL");
        auto* browse = form->MenuEditor().Pages()->findChild<QToolButton*>("spdbtnItURL");
        const QString page = env.Path("news/today.html");
        env.prompts.fileNames.push_back(page);
        browse->click();
        QCOMPARE(url->currentText(), "file://" + page);

        env.prompts.fileNames.push_back(env.Path("site.tmz"));
        QVERIFY(form->SaveActions().Save1Click());
        env.prompts.fileNames.push_back(page);
        browse->click();
        QCOMPARE(url->currentText(), QString("news/today.html"));
    }

    void saveAsRetargetsAndCountsAsSaved()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        env.prompts.fileNames.push_back(env.Path("menu.txt"));
        Trigger(*form, "Save2");
        // The document is what the file now holds.
        QVERIFY(!form->Modified());
        ExpectSaveEnabled(*form, false);
        QCOMPARE(form->windowTitle(), QString("menu.tmz[*] - Trellimenu 2006"));
        // The project file takes its own extension, and the document names
        // the file that was written.
        QCOMPARE(form->ProjectFileName(), env.Path("menu.tmz"));
        QVERIFY(QFile::exists(env.Path("menu.tmz")));
        QVERIFY(!QFile::exists(env.Path("menu.txt")));

        QFile::remove(env.Path("menu.tmz"));
        Edit(*form);
        Trigger(*form, "Save1");
        QVERIFY(QFile::exists(env.Path("menu.tmz")));
        QVERIFY(!form->Modified());
    }

    void failedSaveKeepsStateAndNamesTheFile()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        const QString target = env.Path("missing-folder/site.tmz");
        env.prompts.fileNames.push_back(target);
        QVERIFY(!form->SaveActions().Save1Click());
        QVERIFY(form->Modified());
        QVERIFY(form->ProjectFileName().isEmpty());
        QCOMPARE(env.prompts.shown.last().kind, QString("error"));
        QVERIFY2(env.prompts.shown.last().text.contains("missing-folder"), qPrintable(env.prompts.shown.last().text));
    }

    void closeQuery_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveDialog");  // "-" = not shown, "" = cancelled
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("unmodified") << false << false << -1 << "-" << true << false;
        QTest::newRow("cancel") << true << true << int(Answer::Cancel) << "-" << false << false;
        QTest::newRow("no") << true << true << int(Answer::No) << "-" << true << false;
        QTest::newRow("yes, known file") << true << true << int(Answer::Yes) << "-" << true << true;
        QTest::newRow("yes, dialog cancelled") << true << false << int(Answer::Yes) << "" << false << false;
        QTest::newRow("yes, name given") << true << false << int(Answer::Yes) << "exit.tmz" << true << true;
    }

    void closeQuery()
    {
        QFETCH(bool, modified);
        QFETCH(bool, hasFile);
        QFETCH(int, answer);
        QFETCH(QString, saveDialog);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        TEditorTestEnv env;
        const QString file = env.Path(hasFile ? "known.tmz" : "exit.tmz");
        if (hasFile)
            TEditorTestEnv::WriteProject(file, {{"A", 0}});
        auto form = env.MakeMainForm();
        if (hasFile)
            form->OpenActions().OpenProjectFile(file);
        const QByteArray before = TEditorTestEnv::ReadBytes(file);
        if (modified)
            Edit(*form);
        if (answer >= 0)
            env.prompts.answers.push_back(Answer(answer));
        if (saveDialog != "-")
            env.prompts.fileNames.push_back(saveDialog.isEmpty() ? QString() : env.Path(saveDialog));
        env.prompts.Clear();

        QCOMPARE(form->CloseQuery(), closes);
        QCOMPARE(env.prompts.shown.isEmpty(), !modified);
        if (modified)
            QCOMPARE(env.prompts.shown.first().text, QString("Save changes to files before Exit?"));
        // The edit added an item, so a save changes the file's bytes.
        QCOMPARE(TEditorTestEnv::ReadBytes(file) != before, written);
    }

    void newAtEachPromptAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveDialog");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("cancel") << int(Answer::Cancel) << "-" << false;
        QTest::newRow("no") << int(Answer::No) << "-" << true;
        QTest::newRow("yes, save dialog cancelled") << int(Answer::Yes) << "" << false;
        QTest::newRow("yes, saved") << int(Answer::Yes) << "kept.tmz" << true;
    }

    void newAtEachPromptAnswer()
    {
        QFETCH(int, answer);
        QFETCH(QString, saveDialog);
        QFETCH(bool, replaced);
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        env.prompts.answers.push_back(Answer(answer));
        if (saveDialog != "-")
            env.prompts.fileNames.push_back(saveDialog.isEmpty() ? QString() : env.Path(saveDialog));
        Trigger(*form, "New1");
        QCOMPARE(env.prompts.shown.first().text, QString("Save changes to files?"));
        QCOMPARE(form->Agent().ItemCount(), replaced ? 0 : 1);
        QCOMPARE(form->Modified(), !replaced);
        QVERIFY(form->ProjectFileName().isEmpty());
        if (!saveDialog.isEmpty() && saveDialog != "-")
            QVERIFY(QFile::exists(env.Path(saveDialog)));
        ExpectInSync(*form);
    }

    void openReplacesDocument()
    {
        TEditorTestEnv env;
        const QString file = env.Path("three.tmz");
        TEditorTestEnv::WriteProject(file, {{"Home", 0}, {"News", 1}, {"About", 0}});
        auto form = env.MakeMainForm();
        Edit(*form);
        env.prompts.answers.push_back(Answer::No);
        env.prompts.fileNames.push_back(file);
        Trigger(*form, "Open1");
        QCOMPARE(ModelCaptions(*form), QStringList({"Home", "News", "About"}));
        ExpectInSync(*form);
        QCOMPARE(form->ProjectFileName(), file);
        QVERIFY(!form->Modified());
        ExpectSaveEnabled(*form, false);
        QCOMPARE(form->RecentFiles().Slots()[0], "&1 " + file);
        QCOMPARE(env.prompts.shown.last().text, QString("Trellimenu 2006 Files (*.tmz)"));
        QCOMPARE(form->windowTitle(), QString("three.tmz[*] - Trellimenu 2006"));
    }

    void openShowsTheMenuPagesFromTheFirst()
    {
        TEditorTestEnv env;
        const QString file = env.Path("pages.tmz");
        TEditorTestEnv::WriteProject(file, {{"One", 0}, {"Two", 1}});
        auto form = env.MakeMainForm();
        QTabWidget* pages = form->MenuEditor().Pages();
        // Leave the pages elsewhere: an item selected, its second page shown.
        Edit(*form);
        pages->setCurrentIndex(pages->count() - 1);
        env.prompts.answers.push_back(Answer::No);
        form->OpenActions().OpenProjectFile(file);
        QCOMPARE(pages->tabText(pages->currentIndex()), QString("Menu"));
        QStringList visible;
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->isTabVisible(i))
                visible << pages->tabText(i);
        }
        QCOMPARE(visible, QStringList({"Menu", "Layout", "Items", "Misc", "Drag Bar", "PopUp Box", "Advanced", "Path"}));
        QCOMPARE(TreeCaptions(*form).size(), 2);
        QVERIFY(!form->Modified());
    }

    void openCancelledKeepsDocument()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        env.prompts.answers.push_back(Answer::Cancel);
        Trigger(*form, "Open1");
        env.prompts.answers.push_back(Answer::No);
        env.prompts.fileNames.push_back(QString());
        Trigger(*form, "Open1");
        QCOMPARE(form->Agent().ItemCount(), 1);
        QVERIFY(form->Modified());
        ExpectInSync(*form);
    }

    void refusedOrMissingFileKeepsEverything_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: the file does not exist
        QTest::addColumn<QString>("message");
        QTest::newRow("foreign product") << QByteArray("<Product_Name>\r\nOther Editor\r\n</Product_Name>\r\n")
                                         << "This file wasn't saved by Trellimenu 2006 1.0, open failed!";
        QTest::newRow("no header at all") << QByteArray("<html><body>a page</body></html>\r\n")
                                          << "This file wasn't saved by Trellimenu 2006 1.0, open failed!";
        QTest::newRow("missing") << QByteArray() << "File not found";
    }

    void refusedOrMissingFileKeepsEverything()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TEditorTestEnv env;
        const QString good = env.Path("good.tmz");
        TEditorTestEnv::WriteProject(good, {{"Kept", 0}, {"Child", 1}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(good);
        const QString bad = env.Path("bad.tmz");
        if (!content.isEmpty())
            TEditorTestEnv::WriteBytes(bad, content);
        const QByteArray recentBefore = TEditorTestEnv::ReadBytes(form->RecentFiles().ListFilePath());

        form->OpenActions().OpenProjectFile(bad);
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown.first().kind, QString("error"));
        QVERIFY2(env.prompts.shown.first().text.contains(message), qPrintable(env.prompts.shown.first().text));
        QCOMPARE(ModelCaptions(*form), QStringList({"Kept", "Child"}));
        ExpectInSync(*form);
        QCOMPARE(form->ProjectFileName(), good);
        QCOMPARE(TEditorTestEnv::ReadBytes(form->RecentFiles().ListFilePath()), recentBefore);
    }

    void truncatedFileOpensAndSaysSo()
    {
        TEditorTestEnv env;
        const QString full = env.Path("full.tmz");
        TEditorTestEnv::WriteProject(full, {{"One", 0}, {"Two", 0}, {"Three", 1}});
        QByteArray bytes = TEditorTestEnv::ReadBytes(full);
        bytes.truncate(bytes.indexOf("</Item_Parameters>"));
        const QString cut = env.Path("cut.tmz");
        TEditorTestEnv::WriteBytes(cut, bytes);
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(cut);
        QCOMPARE(ModelCaptions(*form), QStringList({"One", "Two", "Three"}));
        ExpectInSync(*form);
        QCOMPARE(form->ProjectFileName(), cut);
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown.first().kind, QString("warning"));
        QVERIFY(env.prompts.shown.first().text.contains("cut.tmz"));
    }

    void unshowableValueFallsBackToANewDocument()
    {
        TEditorTestEnv env;
        const QString file = env.Path("odd.tmz");
        {
            TvarnAppletAgent agent;
            agent.ResetAppletToDefaults();
            TAppletData data = agent.GetAppletData();
            data[pSlideStep] = "twenty";
            agent.SetAppletData(data);
            TItemData item = NewDefaultItem();
            item[ICaption] = "Odd";
            item[pLevel] = "0";
            agent.Document().items.push_back(item);
            TSilentStatus status;
            SaveProjectFile(agent.Document(), LocalPath(file), status);
        }
        const QString good = env.Path("good.tmz");
        TEditorTestEnv::WriteProject(good, {{"Good", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(good);
        form->OpenActions().OpenProjectFile(file);
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown.first().kind, QString("error"));
        QCOMPARE(env.prompts.shown.first().text,
                 QString("'twenty' is not a valid integer value (Menu > Slide Effect > Slide Step)"));
        QCOMPARE(form->Agent().ItemCount(), 0);
        ExpectInSync(*form);
        QVERIFY(form->ProjectFileName().isEmpty());
        QVERIFY(!form->Modified());
        QCOMPARE(form->Agent().GetAppletData()[pSlideStep], DefaultAppletData()[pSlideStep]);
    }

    void statusTipsGoToTheHintLine()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QStatusTipEvent tip("Menu Initial X");
        QApplication::sendEvent(form->MenuEditor().Pages(), &tip);
        QCOMPARE(form->findChild<QLabel*>("stctxtHint")->text(), QString("Menu Initial X"));
    }

    void hintLineTakesTheFreeWidthAndCutsOnlyWhatDoesNotFit()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        THintLine* hint = form->StatusArea().HintLine();
        auto* progress = form->findChild<QProgressBar*>("prgrsbrMainFormBottom");
        const QString treeHint = "Add, modify or remove the item here by clicking Right-Button in mouse";
        const QFontMetrics metrics = hint->fontMetrics();
        for (int width : {860, 1400}) {
            form->resize(width, 600);
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
            QCoreApplication::processEvents();
            form->StatusArea().ShowHintText(treeHint);
            const QString at = QString::number(form->width());
            // All of the bar but the progress bar and the margins.
            QVERIFY2(hint->width() >= form->statusBar()->width() - progress->width() - 40, qPrintable(at));
            QCOMPARE(hint->DisplayedText(), treeHint);
            QVERIFY(hint->toolTip().isEmpty());
            // Drawn whole: the ink reaches the end of the text.
            const QImage drawn = hint->grab().toImage();
            int inkEnd = -1;
            for (int x = 0; x < drawn.width(); ++x) {
                for (int y = 0; y < drawn.height(); ++y) {
                    if (qGray(drawn.pixel(x, y)) < 128)
                        inkEnd = x;
                }
            }
            QVERIFY2(inkEnd >= metrics.horizontalAdvance(treeHint) - 12,
                     qPrintable(QString("%1: ink ends at %2").arg(at).arg(inkEnd)));
        }

        // A hint longer than the line is cut with "…" and kept whole in the tip;
        // so is one in a window too narrow for it.
        const QString longer = treeHint + "; " + treeHint + "; " + treeHint;
        form->StatusArea().ShowHintText(longer);
        const auto expectCut = [&](const QString& text) {
            QCOMPARE(hint->text(), text);
            QVERIFY(hint->DisplayedText().endsWith(QChar(0x2026)));
            QVERIFY(hint->DisplayedText().size() > 10);
            QVERIFY(metrics.horizontalAdvance(hint->DisplayedText()) <= hint->contentsRect().width());
            QCOMPARE(hint->toolTip(), text);
        };
        expectCut(longer);
        form->resize(480, 600);
        QCoreApplication::processEvents();
        form->StatusArea().ShowHintText(treeHint);
        expectCut(treeHint);
        // Room again: whole, without a tip.
        form->resize(1000, 600);
        QCoreApplication::processEvents();
        QCOMPARE(hint->DisplayedText(), treeHint);
        QVERIFY(hint->toolTip().isEmpty());
    }

    void toolButtonTipsGoToTheHintLine()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        auto* hint = form->findChild<QLabel*>("stctxtHint");
        const QList<QPair<const char*, const char*>> buttons = {
            {"tlbtnNew", "Create a new project"},
            {"tlbtnOpen", "Open a project from the file that you saved before"},
            {"tlbtnSave", "Save the current project to a file"},
            {"tlbtnInsert", "Insert a new item"},
            {"tlbtnDelete", "Delete selected item"},
            {"tlbtnMoveUp", "Move the selected item up"},
            {"tlbtnMoveDown", "Move the selected item down"},
            {"tlbtnBuildHTML", "Build the HTML code"},
            {"tlbtnPreview", "preview the applet in web browser"},
            {"tlbtnHelp", "Show help document"},
        };
        for (const auto& [name, tip] : buttons) {
            auto* button = form->findChild<QToolButton*>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->toolTip(), QString(tip));
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(button, &enter);
            QCOMPARE(hint->text(), QString(tip));
        }
        // While the tree is rebuilt the line is left alone.
        hint->clear();
        form->MenuEditor().SetSuppressTreeEvents(true);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(form->findChild<QToolButton*>("tlbtnNew"), &enter);
        QVERIFY(hint->text().isEmpty());
        form->MenuEditor().SetSuppressTreeEvents(false);
    }

    void exportThenImportKeepsProjectFile()
    {
        TEditorTestEnv env;
        const QString project = env.Path("source.tmz");
        TEditorTestEnv::WriteProject(project, {{"Top", 0}, {"Sub", 1}, {"Deeper", 2}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(project);
        env.prompts.fileNames.push_back(env.Path("tree"));
        Trigger(*form, "ExportMenuStructure1");
        QCOMPARE(env.prompts.shown.last().text, QString("General Menu Structure File (*.gms)"));
        QVERIFY(QFile::exists(env.Path("tree.gms")));
        QVERIFY(!form->Modified());

        env.prompts.answers.clear();
        Edit(*form);
        env.prompts.answers.push_back(Answer::No);
        env.prompts.fileNames.push_back(env.Path("tree.gms"));
        Trigger(*form, "ImportMenuStructure1");
        QCOMPARE(ModelCaptions(*form), QStringList({"Top", "Sub", "Deeper"}));
        ExpectInSync(*form);
        QCOMPARE(form->ProjectFileName(), project);
        QVERIFY(!form->Modified());
        QCOMPARE(form->RecentFiles().Slots()[1], QString());  // import is not a recent file
    }

    void exportNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "tree" << "tree.gms";
        QTest::newRow("upper case") << "tree.GMS" << "tree.GMS";
        QTest::newRow("other extension") << "tree.txt" << "tree.txt.gms";
    }

    void exportNames()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        Edit(*form);
        env.prompts.fileNames.push_back(env.Path(chosen));
        form->ExportAction().ExportMenuStructure1Click();
        QVERIFY(QFile::exists(env.Path(written)));
        QVERIFY(form->Modified());
        QVERIFY(form->ProjectFileName().isEmpty());
    }

    void helpCommandsReachTheHelp()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->findChild<QToolButton*>("tlbtnHelp")->click();
        Trigger(*form, "ViewSample1");
        Trigger(*form, "Homepage1");
        QCOMPARE(env.shell.openedUrls.size(), 3);
        QVERIFY(env.shell.openedUrls[0].toLocalFile().endsWith("help/index.html"));
        QVERIFY(env.shell.openedUrls[1].toLocalFile().endsWith("samples/index.html"));
        // A group's help button shows its page in the help window.
        form->HelpActions().ShowHelpTopic(22);
        QVERIFY(form->FormHelp()->isVisible());
        QVERIFY(form->FormHelp()->CurrentAddress().toString().endsWith("customizing_js_menu_path_path.htm"));
    }

    void failedCommandLeavesTheStatusAreaAtRest()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(env.Path("nowhere.tmz"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(form->findChild<QLabel*>("stctxtHint")->text().isEmpty());
        QCOMPARE(form->findChild<QProgressBar*>("prgrsbrMainFormBottom")->value(), 0);
    }

    void statusAreaShowsTheCoresProgress()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        TStatusDisplay& status = form->StatusArea();
        status.SetHint("Saving Data ... ...");
        status.SetProgressMax(200);
        status.StepProgress(50);
        status.SetBusy(true);
        QCOMPARE(form->findChild<QLabel*>("stctxtHint")->text(), QString("Saving Data ... ..."));
        QCOMPARE(form->findChild<QProgressBar*>("prgrsbrMainFormBottom")->value(), 50);
        QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        status.SetBusy(true);
        status.SetBusy(false);
        QVERIFY(!QApplication::overrideCursor());
    }

    void saveAsTemplateCreatesTheFolder()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QVERIFY(!QFileInfo::exists(env.TemplatesFolder()));
        const QString target = env.TemplatesFolder() + "/Mine.tmz";
        env.prompts.fileNames.push_back(target);
        Trigger(*form, "SaveAsTemplate1");
        QVERIFY(QFileInfo(env.TemplatesFolder()).isDir());
        QVERIFY(QFile::exists(target));
        QCOMPARE(form->ProjectFileName(), target);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"

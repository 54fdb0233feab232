#pragma once
// A TMenuEditor on a real agent, with scripted prompts and a recording host,
// plus the look-ups the editor tests share.

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWidget>
#include <QtTest/QtTest>
#include <memory>

#include "model/appletagent.h"
#include "scriptedprompts.h"
#include "treenode.h"
#include "ui/document/editordocument.h"
#include "ui/services/editorservices.h"
#include "ui/services/foldermemory.h"
#include "ui/services/helptopics.h"
#include "ui/services/hints.h"
#include "ui/services/previewcopies.h"
#include "ui/window/menueditor.h"

// Whether the document differs from its saved state; setting it false makes
// the present state the saved one.
class TModifiedFlag {
public:
    explicit TModifiedFlag(TEditorDocument& document) : document_(document) {}
    operator bool() const { return !document_.UndoStack().isClean(); }
    TModifiedFlag& operator=(bool modified)
    {
        if (!modified)
            document_.UndoStack().setClean();
        return *this;
    }

private:
    TEditorDocument& document_;
};

// Records what the editor asks of the window's services.
class TTestHost final : public THints, public THelpTopics, public TFolderMemory, public TPreviewCopies {
public:
    TTestHost()
    {
        agent.ResetAppletToDefaults();
    }
    TEditorServices Services() { return {agent, document, prompts, *this, *this, *this, *this}; }
    QString LastFolder(TFolderKind kind) const override { return lastFolders.value(int(kind), QDir::homePath()); }
    void RememberFolderOf(TFolderKind kind, const QString& file) override
    {
        if (!file.isEmpty())
            lastFolders[int(kind)] = QFileInfo(file).absolutePath();
    }
    void ShowHint(const QString& text) override { hints.append(text); }
    void ShowHelpTopic(int tag) override { helpTags.append(tag); }
    void CopyToPreview(const QString& path) override { copiedToPreview.append(path); }
    TEditorDocument& Document() { return document; }

    QTemporaryDir scratch;  // where a test writes its files
    TvarnAppletAgent agent;
    TEditorDocument document{agent};
    TScriptedPrompts prompts;
    TModifiedFlag modified{document};
    QMap<int, QString> lastFolders;
    QStringList hints;
    QList<int> helpTags;
    QStringList copiedToPreview;
};

// One editor in a window, as the main window would hold it.
struct TEditorRig {
    TTestHost host;
    QWidget window;
    TMenuEditor editor{host.Services(), &window};

    QTreeView* Tree() const { return editor.TreePanel()->findChild<QTreeView*>("trvwDesignPanel"); }
    TNode Root() const { return TNode::RootOf(Tree()); }
    TNode Selected() const { return Tree()->currentIndex(); }
    bool IsExpanded(const TNode& node) const { return Tree()->isExpanded(node); }
    void Select(const TNode& node) { Tree()->setCurrentIndex(node); }

    template <class T>
    T* Control(const char* name) const
    {
        T* control = editor.Pages()->findChild<T*>(name);
        if (!control)
            qWarning("no control %s", name);
        return control;
    }

    // Adds a named child through the controls: insert, select it, type the
    // caption, and go back to the root so the pages are stored.
    TNode Add(TNode parent, const QString& caption)
    {
        Select(parent);
        editor.InsertAction()->trigger();
        TNode added = parent.Child(parent.ChildCount() - 1);
        Select(added);
        Control<QLineEdit>("edtICaption")->setText(caption);
        Select(Root());
        return added;
    }

    // The tree alone in a shown 400 x 400 window, every node open; false
    // when the window never showed.
    bool ShowTreeOpen()
    {
        window.resize(400, 400);
        editor.TreePanel()->setGeometry(0, 0, 400, 400);
        window.show();
        Tree()->expandAll();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Node texts in pre-order (root excluded) and the list's captions.
    QStringList TreeCaptions() const
    {
        return TextsBelow(Root());
    }
    QStringList ListCaptions() const
    {
        QStringList texts;
        for (const TItemData& item : host.agent.Items())
            texts << QString::fromStdString(item[ICaption]);
        return texts;
    }

    // Shows the window, laid out, with the page that holds the control in front.
    void ShowPageOf(QWidget* control)
    {
        QTabWidget* pages = editor.Pages();
        window.resize(900, 900);
        pages->setGeometry(0, 0, 700, 900);
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(control))
                pages->setCurrentIndex(i);
        }
        window.show();
        QCoreApplication::processEvents();
    }

    QStringList VisibleTabs() const
    {
        QStringList tabs;
        for (int i = 0; i < editor.Pages()->count(); ++i) {
            if (editor.Pages()->isTabVisible(i))
                tabs << editor.Pages()->tabText(i);
        }
        return tabs;
    }
};

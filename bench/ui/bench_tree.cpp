// Timings of editing a menu of 10,000 items: a selection change, a field
// edit, and Insert, Delete, Move Down and Paste each with its undo, on a flat
// menu (10,000 siblings), a nested one (100 menus of 99 items) and a wide one
// (10 menus of 999, so Delete and its undo move a thousand items); and the
// memory 1,000 undo steps of field edits keep. Goals: a command or its undo
// under 20 ms, a field edit under 2 ms, the undo steps under 10 MB.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QUndoStack>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "model/appletagent.h"
#include "ui/document/editordocument.h"
#include "ui/services/editorservices.h"
#include "ui/services/foldermemory.h"
#include "ui/services/helptopics.h"
#include "ui/services/hints.h"
#include "ui/services/previewcopies.h"
#include "ui/services/prompts.h"
#include "ui/window/menueditor.h"

#include "benchfigures.h"

namespace {

class TYesPrompts final : public TPrompts {
public:
    void Error(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    void Warning(const QString&) override {}
    void WarningWithYes(const QString&) override {}
    void Information(const QString&) override {}
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QColor> PickColor(const QColor&) override { return std::nullopt; }
};

// The window's services, doing nothing.
class TBenchHost final : public THints, public THelpTopics, public TFolderMemory, public TPreviewCopies {
public:
    TBenchHost() { agent.ResetAppletToDefaults(); }
    TEditorServices Services() { return {agent, document, prompts, *this, *this, *this, *this}; }
    QString LastFolder(TFolderKind) const override { return folder.path(); }
    void RememberFolderOf(TFolderKind, const QString&) override {}
    void ShowHint(const QString&) override {}
    void ShowHelpTopic(int) override {}
    void CopyToPreview(const QString&) override {}

    QTemporaryDir folder;
    TvarnAppletAgent agent;
    TEditorDocument document{agent};
    TYesPrompts prompts;
};

// Milliseconds of one run of the step, median of several.
double Time(const std::function<void()>& prepare, const std::function<void()>& step, int runs = 7)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Median(ms);
}

// Resident memory of the process in kilobytes (Linux), 0 where unknown.
long ResidentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void Run(const char* shape, int menus, int perMenu)
{
    TBenchHost host;
    QWidget window;
    TMenuEditor editor(host.Services(), &window);
    TMenuDocument document;
    for (int m = 0; m < menus; ++m) {
        for (int i = 0; i < perMenu; ++i) {
            TItemData item = TvarnAppletAgent::NewDefaultItem();
            item[ICaption] = "Item " + std::to_string(m) + "." + std::to_string(i);
            item[pLevel] = (perMenu > 1 && i > 0) ? "1" : "0";
            document.items.push_back(item);
        }
    }
    QElapsedTimer build;
    build.start();
    host.document.Replace(document);
    const double buildMs = build.nsecsElapsed() / 1e6;

    auto* view = editor.TreePanel()->findChild<QTreeView*>("trvwDesignPanel");
    const QModelIndex root = view->model()->index(0, 0);
    QUndoStack& stack = host.document.UndoStack();
    // Nodes are picked by place among the main menu's items, so every run
    // meets the same shape: a node in the middle with siblings on both sides.
    const int k = view->model()->rowCount(root) / 2;
    auto select = [&](int child) { view->setCurrentIndex(view->model()->index(child, 0, root)); };
    // A command and its undo, timed apart: the tree, the pages and the list follow both.
    // Each run is undone, so every run meets the same menu.
    auto command = [&](QAction* action, double& doMs, double& undoMs) {
        std::vector<double> doing, undoing;
        for (int run = 0; run < 7; ++run) {
            select(k);
            QElapsedTimer timer;
            timer.start();
            action->trigger();
            doing.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            stack.undo();
            undoing.push_back(timer.nsecsElapsed() / 1e6);
        }
        doMs = Median(doing);
        undoMs = Median(undoing);
    };

    const double selectMs = Time([&] { select(k); }, [&] { select(k + 1); });
    double insertMs, insertUndoMs, deleteMs, deleteUndoMs, moveMs, moveUndoMs, pasteMs, pasteUndoMs;
    command(editor.InsertAction(), insertMs, insertUndoMs);
    command(editor.DeleteAction(), deleteMs, deleteUndoMs);
    command(editor.MoveDownAction(), moveMs, moveUndoMs);
    select(k);
    editor.CopyAction()->trigger();
    command(editor.PasteAction(), pasteMs, pasteUndoMs);

    // Typing in a box: one field edit through its command, and the memory
    // that a thousand separate edits keep for undo.
    select(k);
    auto* caption = editor.Pages()->findChild<QLineEdit*>("edtICaption");
    int n = 0;
    const double fieldMs = Time([] {}, [&] { caption->setText("Caption " + QString::number(n++)); });
    stack.clear();
    const long before = ResidentKilobytes();
    for (int i = 0; i < 1000; ++i) {
        select(i % 2 ? k : k + 1);  // another item each time, so no two steps merge
        caption->setText("Edit " + QString::number(i));
    }
    const long undoKilobytes = ResidentKilobytes() - before;

    std::printf("%-7s items %5d  build %7.2f ms  select %5.2f ms  field edit %5.2f ms\n"
                "         insert %6.2f / undo %6.2f ms  delete %6.2f / %6.2f ms  move down %6.2f / %6.2f ms"
                "  paste %6.2f / %6.2f ms\n         1,000 undo steps of field edits: %ld KB (%d steps)\n",
                shape, host.document.ItemCount(), buildMs, selectMs, fieldMs, insertMs, insertUndoMs, deleteMs,
                deleteUndoMs, moveMs, moveUndoMs, pasteMs, pasteUndoMs, undoKilobytes, stack.count());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Run("flat", 10000, 1);
    Run("nested", 100, 100);
    // Ten submenus of a thousand: Delete and its undo move 1,000 items.
    Run("wide", 10, 1000);
    return 0;
}

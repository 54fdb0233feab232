// Timings of the menu tree with 10,000 items: a selection change (store and
// load), Insert, Delete and Move Up, on a flat menu (10,000 siblings) and on a
// nested one (100 menus of 99 items). Goal: each under 20 ms.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "model/appletagent.h"
#include "ui/editorhost.h"
#include "ui/menueditor.h"
#include "ui/prompts.h"

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

class TBenchHost final : public TEditorHost {
public:
    TBenchHost() { agent.ResetAppletToDefaults(); }
    TvarnAppletAgent& Agent() override { return agent; }
    TPrompts& Prompts() override { return prompts; }
    void MarkModified() override {}
    void ShowHint(const QString&) override {}
    QString ProgramFolder() const override { return folder.path() + "/"; }
    QString ProjectFolder() const override { return projectFolder; }
    void ShowHelpTopic(int) override {}
    void CopyToPreview(const QString&) override {}

    QTemporaryDir folder;
    QString projectFolder;  // none: an untitled project
    TvarnAppletAgent agent;
    TYesPrompts prompts;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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

void Run(const char* shape, int menus, int perMenu)
{
    TBenchHost host;
    QWidget window;
    TMenuEditor editor(host, &window);
    for (int m = 0; m < menus; ++m) {
        for (int i = 0; i < perMenu; ++i) {
            TItemData item = TvarnAppletAgent::NewDefaultItem();
            item[ICaption] = "Item " + std::to_string(m) + "." + std::to_string(i);
            item[pLevel] = (perMenu > 1 && i > 0) ? "1" : "0";
            host.agent.InsertItem(host.agent.ItemCount(), item);
        }
    }
    QElapsedTimer build;
    build.start();
    editor.SetSuppressTreeEvents(true);
    host.agent.BuildTreeFromLevels(editor.Tree());
    editor.SetSuppressTreeEvents(false);
    const double buildMs = build.nsecsElapsed() / 1e6;

    auto* view = editor.TreePanel()->findChild<QTreeWidget*>("trvwDesignPanel");
    QTreeWidgetItem* root = view->topLevelItem(0);
    // Nodes are picked by place among the main menu's items, so every run
    // meets the same shape: a node in the middle with siblings on both sides.
    const int k = root->childCount() / 2;
    auto select = [&](int child) { view->setCurrentItem(root->child(child)); };

    const double selectMs = Time([&] { select(k); }, [&] { select(k + 1); });
    // The first selection after an edit also rebuilds the node order.
    const double selectAfterEditMs = Time([&] { select(k + 2); editor.MoveUpAction()->trigger(); }, [&] { select(k + 4); });
    const double insertMs = Time([&] { select(k); }, [&] { editor.InsertAction()->trigger(); });
    const double moveMs = Time([&] { select(k + 2); }, [&] { editor.MoveUpAction()->trigger(); });
    const double deleteMs = Time([&] { select(k + 2); }, [&] { editor.DeleteAction()->trigger(); });

    std::printf("%-7s items %5d  build from levels %7.2f ms\n         select %5.2f ms (after an edit %5.2f ms)  insert %6.2f ms  delete %6.2f ms  move up %6.2f ms\n",
                shape, host.agent.ItemCount(), buildMs, selectMs, selectAfterEditMs, insertMs, deleteMs, moveMs);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Run("flat", 10000, 1);
    Run("nested", 100, 100);
    return 0;
}

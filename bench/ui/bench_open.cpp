// How long the editor takes from start-up with a 10,000-item project on the
// command line until the window is shown with the menu tree filled, and how
// long opening the same project takes in a running window.
//
// Run: build/bench/bench_bench_open [items] [rounds]   (offscreen by default)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <vector>

#include "files/projectfile.h"
#include "model/appletagent.h"
#include "platform/settingsstore.h"
#include "platform/shell.h"
#include "ui/actions/openactions.h"
#include "ui/services/localpath.h"
#include "ui/services/prompts.h"
#include "ui/window/mainform.h"
#include "ui/window/menueditor.h"
#include "ui/window/startup.h"

#include "benchfigures.h"
#include "quietenvironment.h"

namespace {
// Nodes of the shown tree, the root included, each asked of the view's model.
int NodeCount(const QAbstractItemModel& model, const QModelIndex& parent = QModelIndex())
{
    int count = 0;
    for (int row = 0; row < model.rowCount(parent); ++row)
        count += 1 + NodeCount(model, model.index(row, 0, parent));
    return count;
}

void WriteProject(const QString& path, int items)
{
    TSilentStatus status;
    SaveProjectFile(SiteMenu(items), LocalPath(path), status);
}
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int items = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTemporaryDir root;
    const QString programFolder = root.filePath("bin") + '/';
    QDir().mkpath(programFolder);
    const QDir built(QCoreApplication::applicationDirPath() + "/../bin");
    for (const QString& name : built.entryList({"*.js", "*.gif"}, QDir::Files))
        QFile::copy(built.filePath(name), programFolder + name);
    const QString project = root.filePath("large.tmz");
    WriteProject(project, items);

    TSettingsStore settings(root.filePath("settings"));
    TSilentPrompts prompts;
    TNoShell shell;
    TEditorEnvironment env;
    env.programFolder = programFolder;
    env.browserSearchPath = {};
    env.settings = &settings;
    env.prompts = &prompts;
    env.shell = &shell;
    env.runDialog = [](QDialog&) { return 0; };

    std::vector<double> startUp, reopen;
    int treeNodes = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<TMainForm> form = StartEditor({project}, env);
        QApplication::processEvents();  // the first paint
        startUp.push_back(timer.nsecsElapsed() / 1e6);
        treeNodes = NodeCount(*form->findChild<QTreeView*>("trvwDesignPanel")->model());

        timer.restart();
        form->OpenActions().OpenProjectFile(project);
        QApplication::processEvents();
        reopen.push_back(timer.nsecsElapsed() / 1e6);
        form->SetModified(false);
    }

    QTextStream out(stdout);
    out << "items " << items << ", tree nodes " << treeNodes << ", rounds " << rounds << '\n';
    out << "start-up with the project until the window is ready: median " << Median(startUp) << " ms, best "
        << *std::min_element(startUp.begin(), startUp.end()) << " ms\n";
    out << "open the project in a running window: median " << Median(reopen) << " ms, best "
        << *std::min_element(reopen.begin(), reopen.end()) << " ms\n";
    return treeNodes == items + 1 ? 0 : 1;
}

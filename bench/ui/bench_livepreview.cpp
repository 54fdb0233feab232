// The Live Preview pane in the running editor: how long an edit takes to
// reach the pane at 100, 1,000 and 5,000 items, what the pane costs the
// editor's start-up (until the window's first paint, with the pane shown and
// hidden, each in a fresh process) and how much memory it adds.
//
// Run under a display, e.g.
//   xvfb-run -a -s "-screen 0 1600x900x24" \
//       build-bench/bench/bench_bench_livepreview [edits]
// --shots DIR writes the README's pictures of the pane (desktop and phone
// widths) instead, on a screen of 1600 by 900.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "files/projectfile.h"
#include "model/appletagent.h"
#include "platform/settingsstore.h"
#include "platform/shell.h"
#include "ui/actions/openactions.h"
#include "ui/document/editcommands.h"
#include "ui/livepreview/livepreviewdock.h"
#include "ui/livepreview/previewpage.h"
#include "ui/livepreview/previewview.h"
#include "ui/services/localpath.h"
#include "ui/services/prompts.h"
#include "ui/window/mainform.h"
#include "ui/window/startup.h"

#include "benchfigures.h"
#include "quietenvironment.h"

namespace {

// Tells when the main window's first frame has been painted: the window
// paints while it handles its first expose.
class TTimedApplication final : public QApplication {
public:
    using QApplication::QApplication;
    std::function<void()> afterFirstExpose;
    QWindow* watched = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool expose = receiver == watched && event->type() == QEvent::Expose;
        const bool result = QApplication::notify(receiver, event);
        if (expose && afterFirstExpose && watched->isExposed())
            std::exchange(afterFirstExpose, nullptr)();
        return result;
    }
};

// Runs the event loop until `done` or the time is up.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QVariant RunScript(QWebEnginePage& page, const QString& script)
{
    auto result = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    page.runJavaScript(script, QWebEngineScript::ApplicationWorld,
                       [result](const QVariant& value) { *result = {true, value}; });
    RunUntil([result] { return result->first; });
    return result->second;
}

// Proportional set size, in KiB, of a process and all its descendants (the
// browser's helper processes are the editor's children and grandchildren).
long TreePss(long pid)
{
    long total = 0;
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (rollup.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : rollup.readAll().split('\n')) {
            if (line.startsWith("Pss:"))
                total += line.mid(4).trimmed().split(' ').first().toLong();
        }
    }
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task + "/children"));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& child : children.readAll().split(' ')) {
            if (!child.trimmed().isEmpty())
                total += TreePss(child.trimmed().toLong());
        }
    }
    return total;
}

struct TBench {
    QTemporaryDir root;
    QString programFolder;
    std::unique_ptr<TSettingsStore> settings;
    TSilentPrompts prompts;
    TNoShell shell;

    TBench()
    {
        programFolder = root.filePath("bin") + '/';
        QDir().mkpath(programFolder);
        const QDir built(QCoreApplication::applicationDirPath() + "/../bin");
        for (const QString& name : built.entryList({"*.js", "*.gif"}, QDir::Files))
            QFile::copy(built.filePath(name), programFolder + name);
        settings = std::make_unique<TSettingsStore>(root.filePath("settings"));
        settings->SetShowTempletsDialog(false);
    }

    TEditorEnvironment Environment()
    {
        TEditorEnvironment env;
        env.programFolder = programFolder;
        env.settings = settings.get();
        env.prompts = &prompts;
        env.shell = &shell;
        env.runDialog = [](QDialog&) { return 0; };
        return env;
    }

    QString Project(int items)
    {
        const QString path = root.filePath(QStringLiteral("menu%1.tmz").arg(items));
        TSilentStatus status;
        SaveProjectFile(SiteMenu(items), LocalPath(path), status);
        return path;
    }
};

TLivePreviewDock& Dock(TMainForm& form)
{
    return *form.findChild<TLivePreviewDock*>();
}

bool WaitForPane(TLivePreviewDock& dock)
{
    return RunUntil([&dock] { return dock.View().Created() && !dock.Busy(); });
}

// One start-up in this process: prints the milliseconds until the window's
// first paint, then until the pane shows the menu (when it is shown).
int StartUpOnce(TTimedApplication& app, bool paneShown)
{
    TBench bench;
    bench.settings->SetEditorValue("LivePreview/Visible", paneShown);
    const QString project = bench.Project(1000);
    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    bool painted = false;
    app.afterFirstExpose = [&] {
        painted = true;
        out << "painted " << clock.nsecsElapsed() / 1e6 << Qt::endl;
    };
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>(bench.Environment());
    app.watched = form->windowHandle();
    if (!app.watched) {
        form->winId();
        app.watched = form->windowHandle();
    }
    form->CreateCompanionWindows();
    form->show();
    form->OpenActions().OpenProjectFile(project);
    RunUntil([&] { return painted; });
    if (paneShown && WaitForPane(Dock(*form)))
        out << "preview " << clock.nsecsElapsed() / 1e6 << Qt::endl;
    return 0;
}

// The same start-up in fresh processes, alternating; timed from the moment
// the program is started, so the libraries it loads count too.
void StartUps(QTextStream& out, int rounds)
{
    std::vector<double> paint[2], preview;
    for (int round = 0; round < rounds; ++round) {
        for (int shown : {0, 1}) {
            QElapsedTimer clock;
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            clock.start();
            child.start(QCoreApplication::applicationFilePath(), {"--startup", shown ? "shown" : "hidden"});
            while (child.waitForReadyRead(60000)) {
                while (child.canReadLine()) {
                    const QByteArray line = child.readLine();
                    if (line.startsWith("painted"))
                        paint[shown].push_back(clock.nsecsElapsed() / 1e6);
                    else if (line.startsWith("preview"))
                        preview.push_back(clock.nsecsElapsed() / 1e6);
                }
            }
            child.waitForFinished(60000);
        }
    }
    out << "start-up with a 1,000-item project until the window's first paint, median of " << rounds
        << " fresh processes: pane hidden " << Percentile(paint[0], 0.5) << " ms, pane shown "
        << Percentile(paint[1], 0.5) << " ms; the pane shows the menu at " << Percentile(preview, 0.5) << " ms\n";
}

void Latency(QTextStream& out, TMainForm& form, int edits)
{
    TLivePreviewDock& dock = Dock(form);
    TEditorDocument& document = form.Document();
    for (int items : {100, 1000, 5000}) {
        document.Replace(SiteMenu(items));
        WaitForPane(dock);
        std::vector<double> times;
        const int target = 25;  // the second main item
        for (int edit = 0; edit < edits; ++edit) {
            const std::string caption = "Edit " + std::to_string(edit);
            bool updated = false;
            const auto connection = QObject::connect(&dock, &TLivePreviewDock::updated, [&] { updated = true; });
            QElapsedTimer clock;
            clock.start();
            document.UndoStack().push(new TSetFieldCommand(document, target, ICaption, caption, "Caption"));
            // The pane may report a page that was already on its way; the
            // edit has arrived when the page shows its caption.
            bool shown = false;
            while (!shown && RunUntil([&] { return updated; })) {
                const double at = clock.nsecsElapsed() / 1e6;
                updated = false;
                shown = RunScript(*dock.View().Page(),
                                  "document.querySelectorAll('.tmz .tmz-main > li')[1].querySelector('.tmz-i').textContent")
                            .toString() == QString::fromStdString(caption);
                if (shown)
                    times.push_back(at);
            }
            QObject::disconnect(connection);
            WaitForPane(dock);
        }
        out << items << " items: edit to updated pane median " << Percentile(times, 0.5) << " ms, 90th percentile "
            << Percentile(times, 0.9) << " ms, worst " << Percentile(times, 1.0) << " ms (" << times.size()
            << " edits, " << TLivePreviewDock::kSettleMs << " ms of it the pause after the keystroke)\n";
    }
}

int Run(TTimedApplication& app, int edits)
{
    Q_UNUSED(app);
    QTextStream out(stdout);
    StartUps(out, 5);

    TBench bench;
    bench.settings->SetEditorValue("LivePreview/Visible", false);
    std::unique_ptr<TMainForm> form = StartEditor({bench.Project(1000)}, bench.Environment());
    form->resize(1400, 900);
    RunUntil([] { return false; }, 1000);
    const long before = TreePss(QCoreApplication::applicationPid());
    Dock(*form).show();
    WaitForPane(Dock(*form));
    RunUntil([] { return false; }, 1000);
    const long after = TreePss(QCoreApplication::applicationPid());
    out << "memory (PSS of the editor and its helper processes, 1,000 items): pane hidden " << before / 1024
        << " MiB, shown " << after / 1024 << " MiB, the pane adds " << (after - before) / 1024 << " MiB\n";

    Latency(out, *form, edits);
    form->SetModified(false);
    return 0;
}

// Taps an element of the pane's page as a finger would.
void Tap(QWebEnginePage& page, const QString& selector)
{
    RunScript(page, QStringLiteral("var e = document.querySelector('%1');"
                                   "e.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, pointerType: 'touch'}));"
                                   "e.dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true}));")
                        .arg(selector));
}

// The pane beside the editor, a shipped template over the author's own page
// (named relative to the project), at both widths.
int Shots(const QString& folder)
{
    TBench bench;
    bench.settings->SetEditorValue("LivePreview/Visible", true);
    const QString site = bench.root.filePath("site");
    QDir().mkpath(site);
    QFile::copy(QCoreApplication::applicationDirPath() + "/../bin/templates/Classic Blue.tmz", site + "/menu.tmz");
    QFile page(site + "/index.html");
    if (!page.open(QIODevice::WriteOnly))
        return 1;
    page.write("<!DOCTYPE html><html><head><title>Our shop</title>"
               "<meta name=viewport content=\"width=device-width, initial-scale=1\"></head>"
               "<body style=\"font-family: DejaVu Sans, sans-serif; color: #223; margin: 0\">"
               "<div style=\"margin-left: 190px; padding: 18px 24px 0 24px\">"
               "<h1 style=\"color: #1f5a96; margin-top: 0\">Welcome to our shop</h1>"
               "<p>This page is the author's own; the menu is drawn over it as the published page will.</p>"
               "<p>Edit a caption or a colour in the editor and the menu here follows.</p></div></body></html>");
    page.close();

    std::unique_ptr<TMainForm> form = StartEditor({site + "/menu.tmz"}, bench.Environment());
    TLivePreviewDock& dock = Dock(*form);
    form->setGeometry(20, 20, 1560, 760);
    form->resizeDocks({&dock}, {700}, Qt::Horizontal);
    dock.SetBackground("index.html");
    const auto shoot = [&](const QString& name) {
        WaitForPane(dock);
        RunUntil([] { return false; }, 1500);
        const QRect frame = form->frameGeometry();
        form->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(folder + '/' + name);
    };
    if (!WaitForPane(dock)) {
        QTextStream(stderr) << "the pane did not show the menu (visible: " << dock.isVisible() << ")\n";
        return 1;
    }
    // A submenu open, as when the author points at an item.
    Tap(*dock.View().Page(), ".tmz [aria-haspopup]");
    shoot("live-preview-desktop.png");
    // On a phone: the menu's button, its panel, a submenu open in place.
    dock.SetPhoneWidth(true);
    WaitForPane(dock);
    RunUntil([] { return false; }, 500);
    Tap(*dock.View().Page(), ".tmz-nav > button");
    Tap(*dock.View().Page(), ".tmz [aria-haspopup]");
    shoot("live-preview-phone.png");
    form->SetModified(false);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;  // the browser's own files
    for (const char* name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, home.filePath(name).toUtf8());
    TTimedApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2 && arguments[1] == "--startup")
        return StartUpOnce(app, arguments[2] == "shown");
    if (arguments.size() > 2 && arguments[1] == "--shots")
        return Shots(arguments[2]);
    return Run(app, arguments.size() > 1 ? std::max(3, arguments[1].toInt()) : 15);
}

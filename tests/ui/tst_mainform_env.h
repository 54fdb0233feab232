#pragma once
// What the editor tests share: a program folder, settings and XDG data folder
// in a temporary folder, scripted prompts, a recording shell, a dialog runner
// that answers modal dialogs from a script, and project files written by the
// core itself.

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QtTest>
#include <deque>
#include <functional>
#include <memory>

#include "files/projectfile.h"
#include "model/appletagent.h"
#include "treenode.h"
#include "platform/settingsstore.h"
#include "scriptedprompts.h"
#include "ui/actions/exportaction.h"
#include "ui/actions/filechoice.h"
#include "ui/actions/helpactions.h"
#include "ui/actions/openactions.h"
#include "ui/actions/publishactions.h"
#include "ui/actions/saveactions.h"
#include "ui/services/editorenvironment.h"
#include "ui/services/localpath.h"
#include "ui/services/savesetup.h"
#include "ui/window/mainform.h"
#include "ui/window/menueditor.h"

struct TTestItem {
    QString caption;
    int level;
};

class TEditorTestEnv {
public:
    using DialogScript = std::function<int(QDialog&)>;

    TEditorTestEnv()
    {
        QVERIFY(root.isValid());
        programFolder = root.filePath("bin") + '/';
        QDir().mkpath(programFolder);
        // The run-time scripts and arrow images the build put in its program folder.
        const QDir built(QStringLiteral(TRELLIMENU_BIN_DIR));
        for (const QString& name : built.entryList({"*.js", "*.gif"}, QDir::Files))
            QFile::copy(built.filePath(name), programFolder + name);
        settings = std::make_unique<TSettingsStore>(root.filePath("settings"));
        dataHome = root.filePath("xdg-data");
    }

    TEditorEnvironment Environment()
    {
        TEditorEnvironment env;
        env.programFolder = programFolder;
        env.executablePath = root.filePath("bin/trellimenu");
        env.dataHome = QString();  // the association has its own test
        env.browserSearchPath = {root.filePath("no-browsers-here")};
        env.settings = settings.get();
        env.prompts = &prompts;
        env.shell = &shell;
        env.runDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
        return env;
    }

    std::unique_ptr<TMainForm> MakeMainForm()
    {
        auto form = std::make_unique<TMainForm>(Environment());
        form->CreateCompanionWindows();
        return form;
    }

    // Queues the answer to the next modal dialog.
    void OnNextDialog(DialogScript script) { dialogScripts.push_back(std::move(script)); }

    QString Path(const QString& name) const { return root.filePath(name); }
    QString TemplatesFolder() const { return ::TemplatesFolder(programFolder); }

    // A project written by the core: items with captions and levels, and
    // whatever `adjust` sets beyond them.
    static void WriteProject(const QString& path, const QList<TTestItem>& items,
                             const std::function<void(TMenuDocument&)>& adjust = {})
    {
        TvarnAppletAgent agent;
        agent.ResetAppletToDefaults();
        for (const TTestItem& item : items) {
            TItemData data = NewDefaultItem();
            data[ICaption] = item.caption.toStdString();
            data[pLevel] = std::to_string(item.level);
            agent.Document().items.push_back(data);
        }
        if (adjust)
            adjust(agent.Document());
        TSilentStatus status;
        SaveProjectFile(agent.Document(), LocalPath(path), status);
    }

    static QByteArray ReadBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir root;
    QString programFolder;
    QString dataHome;
    std::unique_ptr<TSettingsStore> settings;
    TScriptedPrompts prompts;
    TRecordingShell shell;
    std::deque<DialogScript> dialogScripts;
    QStringList dialogsShown;  // the objectName of every modal dialog run

private:
    int RunDialog(QDialog& dialog)
    {
        dialogsShown << dialog.objectName();
        if (dialogScripts.empty()) {
            QTest::qFail("modal dialog shown with no scripted answer", __FILE__, __LINE__);
            return QDialog::Rejected;
        }
        DialogScript script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        return script(dialog);
    }
};

// The captions of the tree's item nodes in pre-order.
inline QStringList TreeCaptions(TMainForm& form)
{
    return TextsBelow(TNode::RootOf(form.findChild<QTreeView*>("trvwDesignPanel")));
}

inline QStringList ModelCaptions(TMainForm& form)
{
    QStringList captions;
    for (const TItemData& item : form.Agent().Items())
        captions << QString::fromStdString(item[ICaption]);
    return captions;
}

#pragma once
// A stand-in for the editor's dialogs: answers come from a script queued by the
// test, and every prompt shown is recorded. A prompt with no queued answer
// fails the test instead of blocking.

#include <QColor>
#include <QStringList>
#include <QUrl>
#include <QtTest/QtTest>
#include <deque>
#include <optional>

#include "platform/shell.h"
#include "ui/services/prompts.h"

class TScriptedPrompts final : public TPrompts {
public:
    struct Shown {
        QString kind;  // "error", "warning", "warning-yes", "information", "yesnocancel", "yesno", "open", "save", "color"
        QString text;  // message text, or the dialog's filter for file dialogs
    };

    std::deque<Answer> answers;           // for AskYesNo / AskYesNoCancel
    std::deque<QString> fileNames;        // for OpenFileName / SaveFileName ("" = cancel)
    std::deque<std::optional<QColor>> colors;
    QList<Shown> shown;

    void Error(const QString& text) override { shown.append({"error", text}); }
    void Warning(const QString& text) override { shown.append({"warning", text}); }
    void WarningWithYes(const QString& text) override { shown.append({"warning-yes", text}); }
    void Information(const QString& text) override { shown.append({"information", text}); }
    Answer AskYesNoCancel(const QString& text) override { shown.append({"yesnocancel", text}); return Next(); }
    Answer AskYesNo(const QString& text) override { shown.append({"yesno", text}); return Next(); }
    QString OpenFileName(const QString&, const QString&, const QString& filter) override
    {
        shown.append({"open", filter});
        return NextFile();
    }
    QString SaveFileName(const QString&, const QString&, const QString& filter) override
    {
        shown.append({"save", filter});
        return NextFile();
    }
    std::optional<QColor> PickColor(const QColor&) override
    {
        shown.append({"color", QString()});
        if (colors.empty()) {
            QTest::qFail("colour dialog shown with no scripted answer", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto c = colors.front();
        colors.pop_front();
        return c;
    }

    QStringList Texts() const
    {
        QStringList list;
        for (const auto& s : shown)
            list << s.text;
        return list;
    }
    void Clear() { shown.clear(); }

private:
    Answer Next()
    {
        if (answers.empty()) {
            QTest::qFail("question shown with no scripted answer", __FILE__, __LINE__);
            return Answer::Cancel;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString NextFile()
    {
        if (fileNames.empty()) {
            QTest::qFail("file dialog shown with no scripted answer", __FILE__, __LINE__);
            return QString();
        }
        QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

// Records what would have been opened or started.
class TRecordingShell final : public TShell {
public:
    QList<QUrl> openedUrls;
    QList<QPair<QString, QString>> startedPrograms;
    bool fails = false;  // report every start as failed, as a missing program does
    bool OpenUrl(const QUrl& url) override { openedUrls.append(url); return !fails; }
    bool StartProgram(const QString& program, const QString& argument) override
    {
        startedPrograms.append({program, argument});
        return !fails;
    }
};

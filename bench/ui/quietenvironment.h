#pragma once
// What the editor benchmarks give the editor for the world around it: no
// dialog waits for an answer (each question is answered No or Cancel and
// shown on stderr) and no browser starts.

#include <QTextStream>

#include "platform/shell.h"
#include "ui/services/prompts.h"

class TSilentPrompts final : public TPrompts {
public:
    void Error(const QString& text) override { Note(text); }
    void Warning(const QString& text) override { Note(text); }
    void WarningWithYes(const QString& text) override { Note(text); }
    void Information(const QString& text) override { Note(text); }
    Answer AskYesNoCancel(const QString& text) override { return Note(text), Answer::No; }
    Answer AskYesNo(const QString& text) override { return Note(text), Answer::No; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QColor> PickColor(const QColor&) override { return std::nullopt; }

private:
    static void Note(const QString& text) { QTextStream(stderr) << "prompt: " << text << '\n'; }
};

class TNoShell final : public TShell {
public:
    bool OpenUrl(const QUrl&) override { return true; }
    bool StartProgram(const QString&, const QString&) override { return true; }
};

#pragma once
// Every message box, question and file or colour dialog of the editor goes
// through this interface: the editor shows Qt's dialogs, the tests answer
// from a script, so no test ever blocks on a modal dialog.

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

class TPrompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~TPrompts() = default;
    virtual void Error(const QString& text) = 0;        // error icon, OK
    virtual void Warning(const QString& text) = 0;      // warning icon, OK
    virtual void WarningWithYes(const QString& text) = 0;  // warning icon, a single Yes button
    virtual void Information(const QString& text) = 0;  // information icon, OK
    virtual Answer AskYesNoCancel(const QString& text) = 0;  // warning icon
    virtual Answer AskYesNo(const QString& text) = 0;         // warning icon; Escape answers No
    // Qt filter syntax ("desc (mask);;desc (mask)"); an empty result means cancelled.
    virtual QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString SaveFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual std::optional<QColor> PickColor(const QColor& initial) = 0;
};

// The project file separates its values with a mark no value may hold: a
// text that holds it is refused with a warning (true) and not stored.
bool RefuseFieldSeparator(TPrompts& prompts, const QString& text);

// The real dialogs, parented to the given window.
class TDialogPrompts final : public TPrompts {
public:
    explicit TDialogPrompts(QWidget* parent) : parent_(parent) {}
    void Error(const QString& text) override;
    void Warning(const QString& text) override;
    void WarningWithYes(const QString& text) override;
    void Information(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    Answer AskYesNo(const QString& text) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& folder, const QString& filter) override;
    std::optional<QColor> PickColor(const QColor& initial) override;

private:
    QWidget* parent_;
};

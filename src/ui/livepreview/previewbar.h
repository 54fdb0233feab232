#pragma once
// The bar above the preview: the width it shows the page at (the pane's own,
// or a phone's), the author's background page, a reload, and one line for
// what the author should know (the page's script errors first).

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

class TPreviewBar final : public QWidget {
    Q_OBJECT
public:
    enum class TMessageKind { Error, Note };

    explicit TPreviewBar(QWidget* parent = nullptr);

    void SetPhoneWidth(bool phone);
    bool PhoneWidth() const;
    void SetBackgroundText(const QString& text);
    QString BackgroundText() const;
    // Lines to show, the first in the bar and all of them in its tip; none
    // hides the line.
    void ShowMessage(const QStringList& lines, TMessageKind kind);
    QString Message() const;

signals:
    void phoneWidthChosen(bool phone);
    void backgroundEdited(const QString& text);
    void browseRequested();
    void reloadRequested();

private:
    QToolButton* AddButton(const char* name, const QString& text, const QString& tip);

    QToolButton* desktop_;
    QToolButton* phone_;
    QLineEdit* background_;
    QLabel* message_;
    QString appliedBackground_;
};

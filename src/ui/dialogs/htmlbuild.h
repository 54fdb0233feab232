#pragma once
// The HTML code window: the generated page as plain text, ready to be copied
// into the user's own page. Created at start-up and kept, so it always holds
// the last page generated.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TformHTML : public QDialog {
    Q_OBJECT
public:
    explicit TformHTML(QWidget* parent = nullptr);

    // Replaces the text with the file's content; throws TFileError.
    void LoadFromFile(const QString& path);
    void SetText(const QString& text);
    QString Text() const;

    // "&Copy to Clipboard": selects the whole text and copies it.
    void CopyToClipboard();
    // "Copy &Menu Code": copies the block users paste after their <body> tag.
    void CopyMenuCode();

private:
    QPlainTextEdit* memoHTMLBuild;
    QPushButton* copyMenuCode_;
};

// The lines from "<!-- CODES BEGIN -->" to "<!-- CODES END -->", both
// included and each ended by a line break; "" when the page has no such block
// (a menu without items).
QString MenuCodeOf(const QString& page);

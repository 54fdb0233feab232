#pragma once
// The publish report window: what a web author must upload with the page.

#include <QDialog>

class QPlainTextEdit;

class TfrmPublishReport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPublishReport(QWidget* parent = nullptr);

    // Shows the report file's text; throws TFileError.
    void LoadFromFile(const QString& path);
    // The caption names the folder the published files went to; an empty
    // folder (a document never saved) keeps the plain caption.
    void ShowPublishFolder(const QString& folder);
    QString Text() const;

private:
    QPlainTextEdit* memoPublishReport;
};

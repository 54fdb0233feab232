#pragma once
// The help window: a small tool window beside the main window that shows the
// help page of a settings group. Created once at start-up and kept hidden;
// closing it (or Escape) only hides it, so it keeps the last page shown.

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// One row of the help table: a help context (the tag of a group's help
// button, or a dialog's context) and the page it shows.
struct THelpTopic {
    int tag;
    const char* button;  // objectName of the help button that carries the tag; "" for a dialog's context
    const char* page;    // file name inside the help folder
};

// The help contexts in tag order: the 31 help buttons (tag 1 first), then
// the dialogs' contexts.
const THelpTopic* HelpTopics(int* count);
// The Web Browser dialog's help context.
constexpr int kWebBrowserHelpContext = 45;
// The page for a button's tag; tag 0 or any unknown tag gives the getting-started page.
QString HelpPageForTag(int tag);
// The objectName of the help button that carries a tag ("" for no such tag).
QString HelpButtonName(int tag);
// The page shown for tags outside the table.
extern const char* const kHelpFallbackPage;  // "getting_started.htm"

class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    // programFolder ends with a separator; mainWindow is where the window docks beside.
    TfrmHelp(const QString& programFolder, QWidget* mainWindow);

    // A help button was pressed, or a dialog asked for its help: show the
    // page and bring the window forward. Asked from within a modal dialog,
    // the window is shown modal over it, so it can still be scrolled and
    // closed; otherwise it never blocks the main window.
    void SpeedButton1Click(int tag);
    // The address of the page shown now (empty before the first page).
    QUrl CurrentAddress() const;
    QTextBrowser* WebBrowser1() const { return webBrowser1_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes (hides) the window, as it does a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Navigate(const QString& path);
    void PlaceBesideMainWindow();

    QString programFolder_;
    QWidget* mainWindow_;
    QTextBrowser* webBrowser1_;
    QUrl currentAddress_;
    bool placed_ = false;
};

#pragma once
// The preview-browser dialog: the system's default handler, a browser found
// on this machine, or a program the user names. The Preview command creates
// it unseen, which loads the stored choice, and launches through it.

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/browserdetect.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TPrompts;
class TSettingsStore;
class TShell;

// What a launch did: whether the browser started, and which one, in words
// for a message ("the default web browser", "Firefox (/usr/bin/firefox)").
struct TBrowserLaunch {
    bool started = false;
    QString browser;
};

// What to tell the user when the browser did not start for the page.
QString BrowserNotStartedMessage(const TBrowserLaunch& launch, const QString& page);

class TformWebBrowser : public QDialog {
    Q_OBJECT
public:
    // Detects the browsers on `searchPath` and loads the stored choice.
    TformWebBrowser(TSettingsStore& settings, TShell& shell, TPrompts& prompts, const QStringList& searchPath,
                    QWidget* parent = nullptr);

    // Starts the chosen browser on folder + fileName and says how it went;
    // telling the user is the caller's choice.
    TBrowserLaunch OpenInBrowser(const QString& folder, const QString& fileName);

    // Where F1 and the Help button send the dialog's help context; without
    // one the dialog offers no help.
    void SetHelpHandler(std::function<void(int context)> showHelp);

    // OK: stores the choice and closes.
    void bitbtnOkClick();
    void spdbtnOpenExeFileClick();

    const std::vector<TWebBrowserNamePath>& KnownBrowsers() const { return KnownBrowsers_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowHelp();
    void LoadChoice();
    void SetRadio(QRadioButton* button, bool checked);
    void RadioButtonBrowserKnownInSystemClick(bool checked);

    TSettingsStore& settings_;
    TShell& shell_;
    TPrompts& prompts_;
    std::vector<TWebBrowserNamePath> KnownBrowsers_;

    QButtonGroup* group_;
    QRadioButton* RadioButtonBrowserDefault;
    QRadioButton* RadioButtonBrowserKnownInSystem;
    QRadioButton* RadioButtonBrowserUserSpecify;
    QComboBox* ComboBoxBrowserList;
    QLineEdit* editSpecifiedBrowserFileName;
    QToolButton* spdbtnOpenExeFile;
    QPushButton* help_;
    std::function<void(int)> showHelp_;
};

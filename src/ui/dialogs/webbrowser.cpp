#include "ui/dialogs/webbrowser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/settingsstore.h"
#include "platform/shell.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/services/prompts.h"

namespace {
#ifdef Q_OS_WIN
const char* const kProgramFilter = "Execute Files (*.exe *.com)";
#else
const char* const kProgramFilter = "Execute Files (*)";
#endif
}  // namespace

TformWebBrowser::TformWebBrowser(TSettingsStore& settings, TShell& shell, TPrompts& prompts,
                                 const QStringList& searchPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      settings_(settings),
      shell_(shell),
      prompts_(prompts),
      KnownBrowsers_(DetectBrowsers(searchPath))
{
    setObjectName("formWebBrowser");
    setWindowTitle("Web Browser");

    auto* box = new QGroupBox("Web Browser", this);
    RadioButtonBrowserDefault = new QRadioButton("Use Default Browser", box);
    RadioButtonBrowserDefault->setObjectName("RadioButtonBrowserDefault");
    RadioButtonBrowserKnownInSystem = new QRadioButton("Use Known Browser in System", box);
    RadioButtonBrowserKnownInSystem->setObjectName("RadioButtonBrowserKnownInSystem");
    RadioButtonBrowserUserSpecify = new QRadioButton("User Specified Browser Program", box);
    RadioButtonBrowserUserSpecify->setObjectName("RadioButtonBrowserUserSpecify");
    ComboBoxBrowserList = new QComboBox(box);
    ComboBoxBrowserList->setObjectName("ComboBoxBrowserList");
    ComboBoxBrowserList->setEditable(false);
    editSpecifiedBrowserFileName = new QLineEdit(box);
    editSpecifiedBrowserFileName->setObjectName("editSpecifiedBrowserFileName");
    spdbtnOpenExeFile = new QToolButton(box);
    spdbtnOpenExeFile->setObjectName("spdbtnOpenExeFile");
    spdbtnOpenExeFile->setAutoRaise(true);
    spdbtnOpenExeFile->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    spdbtnOpenExeFile->setToolTip("Browse for the browser program");

    group_ = new QButtonGroup(this);
    group_->addButton(RadioButtonBrowserDefault);
    group_->addButton(RadioButtonBrowserKnownInSystem);
    group_->addButton(RadioButtonBrowserUserSpecify);

    auto* grid = new QGridLayout(box);
    grid->addWidget(RadioButtonBrowserDefault, 0, 0, 1, 3);
    grid->addWidget(RadioButtonBrowserKnownInSystem, 1, 0, 1, 3);
    grid->addWidget(ComboBoxBrowserList, 2, 1, 1, 2);
    grid->addWidget(RadioButtonBrowserUserSpecify, 3, 0, 1, 3);
    auto* exeLabel = new QLabel("Execute File:", box);
    exeLabel->setBuddy(editSpecifiedBrowserFileName);
    grid->addWidget(exeLabel, 4, 1);
    auto* exeRow = new QHBoxLayout;
    exeRow->addWidget(editSpecifiedBrowserFileName, 1);
    exeRow->addWidget(spdbtnOpenExeFile);
    grid->addLayout(exeRow, 5, 1, 1, 2);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("bitbtnOk");
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName("bitbtnCancel");
    help_ = buttons->addButton(QDialogButtonBox::Help);
    help_->setObjectName("btnHelp");
    help_->setVisible(false);
    connect(ok, &QPushButton::clicked, this, &TformWebBrowser::bitbtnOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, &TformWebBrowser::ShowHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);

    connect(RadioButtonBrowserKnownInSystem, &QRadioButton::toggled, this,
            &TformWebBrowser::RadioButtonBrowserKnownInSystemClick);
    connect(ComboBoxBrowserList, &QComboBox::activated, this, [this] { SetRadio(RadioButtonBrowserKnownInSystem, true); });
    connect(spdbtnOpenExeFile, &QToolButton::clicked, this, &TformWebBrowser::spdbtnOpenExeFileClick);

    RadioButtonBrowserDefault->setChecked(true);
    for (const auto& browser : KnownBrowsers_)
        ComboBoxBrowserList->addItem(browser.BrowserName);
    ComboBoxBrowserList->setCurrentIndex(-1);
    LoadChoice();
    setFixedSize(sizeHint().expandedTo(QSize(393, 237)));
}

void TformWebBrowser::SetHelpHandler(std::function<void(int)> showHelp)
{
    showHelp_ = std::move(showHelp);
    help_->setVisible(bool(showHelp_));
}

void TformWebBrowser::ShowHelp()
{
    if (showHelp_)
        showHelp_(kWebBrowserHelpContext);
}

void TformWebBrowser::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents) && showHelp_) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TformWebBrowser::SetRadio(QRadioButton* button, bool checked)
{
    if (checked) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked button; the stored
    // choice may well have none checked.
    group_->setExclusive(false);
    button->setChecked(false);
    group_->setExclusive(true);
}

void TformWebBrowser::RadioButtonBrowserKnownInSystemClick(bool checked)
{
    if (checked && KnownBrowsers_.empty())
        SetRadio(RadioButtonBrowserDefault, true);
}

void TformWebBrowser::LoadChoice()
{
    const std::optional<TBrowserChoice> choice = settings_.LoadBrowserChoice();
    if (!choice)
        return;
    // Each value is applied in turn; the first one missing ends the loading.
    if (!choice->UseDefaultBrowser)
        return;
    SetRadio(RadioButtonBrowserDefault, *choice->UseDefaultBrowser);
    if (!choice->UseKnownBrowser)
        return;
    SetRadio(RadioButtonBrowserKnownInSystem, *choice->UseKnownBrowser);
    if (!choice->UseSpecifiedBrowser)
        return;
    SetRadio(RadioButtonBrowserUserSpecify, *choice->UseSpecifiedBrowser);
    if (!choice->SelectedBrowserNumber)
        return;
    const int selected = *choice->SelectedBrowserNumber;
    if (selected < ComboBoxBrowserList->count())
        ComboBoxBrowserList->setCurrentIndex(selected < 0 ? -1 : selected);
    else if (ComboBoxBrowserList->count() > 0)
        ComboBoxBrowserList->setCurrentIndex(0);
    if (choice->SpecifiedBrowserExePath)
        editSpecifiedBrowserFileName->setText(*choice->SpecifiedBrowserExePath);
}

void TformWebBrowser::bitbtnOkClick()
{
    // A failure to store is not reported: the dialog closes either way.
    settings_.SaveBrowserChoice(RadioButtonBrowserDefault->isChecked(), RadioButtonBrowserKnownInSystem->isChecked(),
                                RadioButtonBrowserUserSpecify->isChecked(), ComboBoxBrowserList->currentIndex(),
                                editSpecifiedBrowserFileName->text());
    accept();
}

void TformWebBrowser::spdbtnOpenExeFileClick()
{
    const QString path = prompts_.OpenFileName("Browser Program", QString(), kProgramFilter);
    if (!path.isEmpty())
        editSpecifiedBrowserFileName->setText(QDir::toNativeSeparators(path));
}

TBrowserLaunch TformWebBrowser::OpenInBrowser(const QString& folder, const QString& fileName)
{
    const QString page = folder + fileName;
    const QString defaultBrowser = QStringLiteral("the default web browser");
    // The modes are tried in the stored order; with several set, the last says how it went.
    TBrowserLaunch launch{false, QStringLiteral("a web browser (none is chosen under Option > Web Browser)")};
    if (RadioButtonBrowserDefault->isChecked())
        launch = {shell_.OpenUrl(QUrl::fromLocalFile(page)), defaultBrowser};
    if (RadioButtonBrowserUserSpecify->isChecked()) {
        const QString program = editSpecifiedBrowserFileName->text();
        launch = {shell_.StartProgram(program, page), QString("\"%1\"").arg(program)};
    }
    if (RadioButtonBrowserKnownInSystem->isChecked()) {
        const int index = ComboBoxBrowserList->currentIndex();
        // No browser chosen in the list: the default handler still shows the page.
        if (index >= 0 && index < static_cast<int>(KnownBrowsers_.size())) {
            const TWebBrowserNamePath& known = KnownBrowsers_[index];
            launch = {shell_.StartProgram(known.BrowserExePath, page),
                      QString("%1 (%2)").arg(known.BrowserName, known.BrowserExePath)};
        } else {
            launch = {shell_.OpenUrl(QUrl::fromLocalFile(page)), defaultBrowser};
        }
    }
    return launch;
}

QString BrowserNotStartedMessage(const TBrowserLaunch& launch, const QString& page)
{
    return QString("Could not start %1 to show the page \"%2\".").arg(launch.browser, QDir::toNativeSeparators(page));
}

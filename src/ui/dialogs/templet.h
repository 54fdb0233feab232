#pragma once
// The template chooser: starts the document from one of the project files in
// the templates folder, or from a new empty project. Its check box switches
// the offer at start-up off and on again.

#include <QDialog>
#include <QString>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class TPrompts;
class TSettingsStore;

// The two document commands the chooser runs on the main window.
class TDocumentCommands {
public:
    virtual ~TDocumentCommands() = default;
    // Opens a template as a new, untitled menu: saving it asks for a name.
    virtual void OpenTemplate(const QString& path) = 0;
    virtual void New1Click() = 0;
};

class TfrmTemplet : public QDialog {
    Q_OBJECT
public:
    // `templatesFolder` without a trailing separator.
    TfrmTemplet(TDocumentCommands& commands, TSettingsStore& settings, TPrompts& prompts,
                const QString& templatesFolder, QWidget* parent = nullptr);

    // OK: opens the selected template (if any) and closes.
    void BitBtn1Click();
    // Cancel, also Escape: starts a new project and closes.
    void BitBtn2Click();
    void TempletListDblClick();
    // Writes the start-up setting from the check box.
    void chckbxDontShowClick();

    // Full path of the selected template, empty when none is selected.
    QString SelectedTemplatePath() const;

    void reject() override;

private:
    void FormCreate();
    void FormShow();
    void OpenSelectedAndClose();

    TDocumentCommands& commands_;
    TSettingsStore& settings_;
    TPrompts& prompts_;
    QString templatesFolder_;
    QListWidget* TempletList;
    QCheckBox* chckbxDontShow;
};

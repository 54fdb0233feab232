#pragma once
// File > New, Open, Templates and Import Menu Structure, and the opening of
// a recent file or a template: each puts another document in place of the
// open one, after the unsaved-changes question. A file that is refused or
// missing leaves the open document, its name and the recent files as they
// were.

#include <QObject>
#include <QString>

#include "ui/actions/actioncontext.h"
#include "ui/dialogs/templet.h"

class QAction;
class TDocumentViews;
class TFolderMemory;
class TPreviewFolder;
class TProjectFileGuard;
class TRecentFiles;
class TSaveActions;

class TOpenActions final : public QObject, public TDocumentCommands {
    Q_OBJECT
public:
    TOpenActions(const TActionContext& context, TDocumentViews& views, TSaveActions& saving, TFolderMemory& folders,
                 TProjectFileGuard& guard, TRecentFiles& recentFiles, TPreviewFolder& preview,
                 QObject* parent = nullptr);

    QAction* NewAction() const { return new_; }          // "&New...", Ctrl+N
    QAction* OpenAction() const { return open_; }        // "&Open...", Ctrl+O
    QAction* TemplatesAction() const { return templates_; }  // "&Templates"
    QAction* ImportAction() const { return import_; }    // "&Import Menu Structure"

    void New1Click() override;
    void Open1Click();
    void Templet1Click() { ShowTemplateChooser(); }
    void ImportMenuStructure1Click();
    // A project named on the command line or in File > Recent Files.
    void OpenProjectFile(const QString& path);
    // A template as a new, untitled menu: saving it asks for a name.
    void OpenTemplate(const QString& path) override;
    void ShowTemplateChooser();
    // The project file again, as another program left it; no question, as
    // the document holds nothing unsaved when this is offered.
    void ReloadProjectFile(const QString& path);

private:
    enum class TDocumentKind { Project, Structure, Template };

    bool AskToSaveChanges();
    void LoadDocument(const QString& path, TDocumentKind kind);
    void StartEmptyDocument();

    TActionContext context_;
    TDocumentViews& views_;
    TSaveActions& saving_;
    TFolderMemory& folders_;
    TProjectFileGuard& guard_;
    TRecentFiles& recentFiles_;
    TPreviewFolder& preview_;
    QAction* new_;
    QAction* open_;
    QAction* templates_;
    QAction* import_;
};

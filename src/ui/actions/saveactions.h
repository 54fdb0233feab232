#pragma once
// File > Save, Save As and Save As Template: the one place the editor writes
// the project and the page files published beside it. A save asks before it
// replaces a file another program changed, names the project file when it
// fails, and leaves the document's name and unsaved state as they were then.

#include <QObject>
#include <QString>

#include "ui/actions/actioncontext.h"

class QAction;
class TDocumentViews;
class TFolderMemory;
class TProjectFileGuard;
class TRecentFiles;

class TSaveActions final : public QObject {
    Q_OBJECT
public:
    TSaveActions(const TActionContext& context, TDocumentViews& views, TFolderMemory& folders,
                 TProjectFileGuard& guard, TRecentFiles& recentFiles, QObject* parent = nullptr);

    QAction* SaveAction() const { return save_; }  // "&Save", Ctrl+S; enabled while there is something to save
    QAction* SaveAsAction() const { return saveAs_; }  // "Save &As...", Ctrl+Shift+S
    QAction* SaveAsTemplateAction() const { return saveAsTemplate_; }  // "Sa&ve As Template"

    // Each true when the document was saved.
    bool Save1Click();            // to its file; an untitled document asks for one
    bool Save2Click();            // Save As
    bool SaveAsTemplate1Click();  // Save As, starting in the templates folder

    // While the document has unsaved changes: asks `question`; Yes saves.
    // False when the user cancelled, or the save did not happen.
    bool OfferToSave(const QString& question);

private:
    bool SaveAsInFolder(const QString& folder);
    bool SaveDocumentTo(const QString& path);

    TActionContext context_;
    TDocumentViews& views_;
    TFolderMemory& folders_;
    TProjectFileGuard& guard_;
    TRecentFiles& recentFiles_;
    QAction* save_;
    QAction* saveAs_;
    QAction* saveAsTemplate_;
};

#pragma once
// File > Export Menu Structure: the menu's items and look as a structure
// file, which other programs read; the document and its file stay as they are.

#include <QObject>

#include "ui/actions/actioncontext.h"

class QAction;
class TDocumentViews;
class TFolderMemory;

class TExportAction final : public QObject {
    Q_OBJECT
public:
    TExportAction(const TActionContext& context, TDocumentViews& views, TFolderMemory& folders,
                  QObject* parent = nullptr);

    QAction* Action() const { return export_; }  // "&Export Menu Structure"
    void ExportMenuStructure1Click();

private:
    TActionContext context_;
    TDocumentViews& views_;
    TFolderMemory& folders_;
    QAction* export_;
};

#pragma once
// The two item pages ("Item" and "Item Misc") that show the record of the
// item selected in the tree through a binding table, the URL browse button
// and the enabling rules that depend on the node's place in the tree. Their
// edits go out through the page common's edited signal.

#include <QObject>
#include <QVector>
#include <memory>
#include <optional>

#include "model/records.h"
#include "ui/menupages.h"
#include "ui/pagebindings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class TPageCommon;

// Where the selected node stands, for the item-dependent rules.
struct TNodeShape {
    bool hasPrevSibling = false;
    bool hasNextSibling = false;
    bool hasChildren = false;
};

class TItemPages final : public QObject {
    Q_OBJECT
public:
    explicit TItemPages(TPageCommon& common, QObject* parent = nullptr);
    ~TItemPages() override;

    const QVector<TPageTab>& Pages() const { return pages_; }

    const TPageBinder& Binder() const { return *binder_; }
    // Fills the pages from the record, or, when a number does not convert,
    // sets nothing and returns the error.
    std::optional<TRefreshError> Load(const TItemData& item);
    void ApplyEnablingRules(const TNodeShape& shape);
    // The greyed message boxes show what a save writes in them: the link or
    // the status message they stand for; the others what the item holds.
    void ShowMirrors(const TItemData& item);
    QLineEdit* CaptionBox() const { return caption_; }

private:
    void BuildItemPage();
    void BuildItemMiscPage();
    void spdbtnItURLClick();

    TPageCommon& common_;
    QVector<TPageTab> pages_;
    std::unique_ptr<TPageBinder> binder_;
    QLineEdit* caption_ = nullptr;
    QComboBox* url_ = nullptr;
    QComboBox* target_ = nullptr;
    QLineEdit* statusMsg_ = nullptr;
    QLineEdit* popDescText_ = nullptr;
    QCheckBox* separator_ = nullptr;
    QCheckBox* urlAsStatus_ = nullptr;
    QCheckBox* statusAsPopDesc_ = nullptr;
    QToolButton* browse_ = nullptr;
};

#pragma once
// The "Layout" page: where the menu stands on the web page (floating over it,
// or a bar or a sidebar in its flow), the width below which it takes its
// phone form, the bar's options and the colours for visitors whose system is
// dark. These are the menu's extended values: an edit here is a command on
// the document, and the page shows the document again whenever those values
// change (an edit, undo, redo, a file opened).

#include <QObject>
#include <QVector>
#include <string>

class QWidget;
class TEditorDocument;
class TPageCommon;
struct TExtendedName;

class TLayoutPage final : public QObject {
    Q_OBJECT
public:
    explicit TLayoutPage(TPageCommon& common, QObject* parent = nullptr);

    QWidget* Page() const { return page_; }
    static QString Caption() { return QStringLiteral("Layout"); }

    // Every control from the document, then the enabling rule.
    void Refresh();
    // The bar's options serve a bar only.
    void ApplyEnablingRules();

private:
    struct TBound {
        const TExtendedName* known;
        QWidget* control;
        QWidget* none = nullptr;  // a colour's "None" button
    };

    void Build();
    QWidget* NewColourCell(const char* name, const char* control);
    QWidget* Bind(const char* name, QWidget* control);
    const TBound* BoundTo(const QWidget* control) const;
    std::string ValueOf(const TBound& bound) const;
    void Show(const TBound& bound, const std::string& value);
    void Edited(QWidget* control);

    TPageCommon& common_;
    TEditorDocument& document_;
    QWidget* page_ = nullptr;
    QVector<TBound> bound_;
};

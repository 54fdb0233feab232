#pragma once
// The Help menu: the help index, the samples, the maker's pages, the help of
// whatever has the keyboard (F1) and the About box; and the help window,
// which the pages' help buttons open at their topic.

#include <QList>
#include <QObject>
#include <memory>

#include "ui/actions/actioncontext.h"
#include "ui/services/helptopics.h"

class QAction;
class TfrmHelp;
class THelpCommands;

class THelpActions final : public QObject, public THelpTopics {
    Q_OBJECT
public:
    explicit THelpActions(const TActionContext& context, QObject* parent = nullptr);
    ~THelpActions() override;

    // The menu's entries in order, separators included.
    const QList<QAction*>& MenuActions() const { return menu_; }
    QAction* TopicsAction() const { return topics_; }  // "Help &Topics", also the tool bar's Help

    void ShowHelpTopic(int tag) override;
    void About1Click();

    // The help window, made when first asked for; it lives as long as the
    // main window, hidden until used.
    TfrmHelp& HelpWindow();

private:
    TActionContext context_;
    std::unique_ptr<THelpCommands> commands_;
    QList<QAction*> menu_;
    QAction* topics_ = nullptr;
    TfrmHelp* helpWindow_ = nullptr;
};

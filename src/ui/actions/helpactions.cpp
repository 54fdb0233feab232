#include "ui/actions/helpactions.h"

#include <QAction>
#include <QApplication>
#include <functional>

#include "ui/actions/contexthelp.h"
#include "ui/actions/helpcommands.h"
#include "ui/dialogs/about.h"
#include "ui/dialogs/helpwindow.h"

THelpActions::THelpActions(const TActionContext& context, QObject* parent) : QObject(parent), context_(context)
{
    const TEditorEnvironment& environment = context_.environment;
    commands_ = std::make_unique<THelpCommands>(
        *environment.shell, environment.programFolder,
        [this](const QString& folder, const QString& fileName) {
            return context_.OpenInChosenBrowser(folder, fileName);
        },
        context_.prompts);

    THelpCommands& commands = *commands_;
    const std::function<void()> topics = [&commands] { commands.Topic1Click(); };
    const struct {
        const char* name;  // null: a separator
        const char* caption;
        QKeySequence shortcut;
        std::function<void()> run;
    } items[] = {
        {"Topic1", "Help &Topics", {}, topics},
        {"ViewSample1", "View &Sample...", {}, [&commands] { commands.ViewSample1Click(); }},
        {nullptr, nullptr, {}, {}},
        {"Homepage1", "&Homepage", {}, [&commands] { commands.Homepage1Click(); }},
        {"ContactUs1", "&Contact Us", {}, [&commands] { commands.ContactUs1Click(); }},
        // F1: the help of the group or page that has the keyboard, else the index.
        {"ContextHelp1", "Help on &What Has the Keyboard", QKeySequence(Qt::Key_F1),
         [topics] {
             if (!PressNearestHelpButton(QApplication::focusWidget()))
                 topics();
         }},
        {"About1", "&About", {}, [this] { About1Click(); }},
    };
    for (const auto& item : items) {
        QAction* action;
        if (item.name) {
            action = NewMenuAction(this, item.name, item.caption, item.shortcut);
            connect(action, &QAction::triggered, this, item.run);
        } else {
            action = new QAction(this);
            action->setSeparator(true);
        }
        menu_ << action;
    }
    topics_ = menu_.first();
}

THelpActions::~THelpActions() = default;

TfrmHelp& THelpActions::HelpWindow()
{
    if (!helpWindow_)
        helpWindow_ = new TfrmHelp(context_.environment.programFolder, context_.window);
    return *helpWindow_;
}

void THelpActions::ShowHelpTopic(int tag)
{
    HelpWindow().SpeedButton1Click(tag);
}

void THelpActions::About1Click()
{
    TformAbout about(*context_.environment.shell, context_.window);
    context_.RunDialog(about);
}

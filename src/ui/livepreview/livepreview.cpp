#include "ui/livepreview/livepreview.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include "ui/livepreview/dockplacement.h"
#include "ui/livepreview/livepreviewdock.h"

void InstallLivePreview(QMainWindow& window, QMenu& viewMenu, const TLivePreviewSources& sources)
{
    auto* dock = new TLivePreviewDock(sources, &window);
    QAction* toggle = dock->toggleViewAction();
    toggle->setObjectName("mnitLivePreview");
    toggle->setText(QObject::tr("&Live Preview"));
    toggle->setShortcut(QKeySequence(Qt::Key_F5));
    viewMenu.addAction(toggle);
    // F5 works in the dock too when it floats as a window of its own.
    dock->addAction(toggle);
    auto* placement = new TDockPlacement(window, *dock, sources.settings);
    placement->Restore(sources.windowSizeKept);
    // The page code is chosen in the Menu menu, made after this call; it
    // changes the page but not the document.
    QTimer::singleShot(0, dock, [&window, dock] {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->objectName().startsWith(QLatin1String("mnitPageCode")))
                QObject::connect(action, &QAction::triggered, dock, &TLivePreviewDock::RebuildNow);
        }
    });
}

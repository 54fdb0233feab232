#pragma once
// Where the user was in the preview, so that a rebuilt page comes back the
// same: the scroll position, whether the narrow-window panel was open, and
// the chain of submenus open, each as the position of its item in its menu.
// Read by a script that runs apart from the page's own (sharing only its
// elements); put back by one in the page's own world, where the menu's
// scripts ask whether to animate.

#include <QList>
#include <QString>
#include <QVariant>

struct TPreviewState {
    double scrollX = 0;
    double scrollY = 0;
    bool panelOpen = false;
    QList<int> openPath;  // item positions from the main menu down
};

// A script whose value is the page's state, for StateFromScriptResult.
QString CaptureStateScript();
TPreviewState StateFromScriptResult(const QVariant& result);
// A script that scrolls back and re-opens the submenus as far as the menu
// still has them; its value is the number of submenus it opened.
QString RestoreStateScript(const TPreviewState& state);

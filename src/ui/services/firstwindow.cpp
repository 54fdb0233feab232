#include "ui/services/firstwindow.h"

#include <QScreen>
#include <QSplitter>
#include <QVariant>
#include <QWidget>
#include <QtGlobal>
#include <cmath>

namespace {

const char kPreviewWidthProperty[] = "trellimenuFirstPreviewWidth";

int Scaled(int screenPixels, qreal ratio)
{
    return int(std::ceil(screenPixels / (ratio > 0 ? ratio : 1)));
}

}  // namespace

TFirstWindowLayout TFirstWindow::Layout(const TFirstWindowScreen& screen)
{
    const qreal r = screen.pixelRatio;
    const QMargins frame(qMax(screen.frame.left(), Scaled(kAssumedBorder, r)),
                         qMax(screen.frame.top(), Scaled(kAssumedTitleBar, r)),
                         qMax(screen.frame.right(), Scaled(kAssumedBorder, r)),
                         qMax(screen.frame.bottom(), Scaled(kAssumedBorder, r)));
    const QRect room = screen.available.marginsRemoved(frame);
    const int leastTree = Scaled(kLeastTree, r);
    const int leastPages = Scaled(kLeastPages, r);
    const int leastPreview = Scaled(kLeastPreview, r);
    const int leastEditor = leastTree + kSplitterHandle + leastPages;
    const int preferredEditor = kPreferredTree + kSplitterHandle + kPreferredPages;

    TFirstWindowLayout layout;
    const int previewRoom = room.width() - leastEditor - kDockSeparator;
    layout.previewShown = screen.previewWanted && previewRoom >= leastPreview;
    if (layout.previewShown) {
        const int spare = room.width() - preferredEditor - kDockSeparator;
        layout.previewWidth = qBound(leastPreview, spare, qMax(leastPreview, qMin(screen.previewWidth, previewRoom)));
    }
    const int besidePreview = layout.previewShown ? layout.previewWidth + kDockSeparator : 0;
    const int editor = qMax(leastEditor, qMin(preferredEditor, room.width() - besidePreview));
    const int inside = editor - kSplitterHandle;
    // Short of room, the tree and the pages give it up in the proportion
    // they have it, neither below its least width.
    const int tree = int(std::lround(double(inside) * kPreferredTree / (kPreferredTree + kPreferredPages)));
    layout.treeWidth = qBound(leastTree, tree, qMax(leastTree, inside - leastPages));
    layout.pagesWidth = inside - layout.treeWidth;

    const QSize size(editor + besidePreview, qMin(kPreferredHeight, room.height()));
    layout.client = QRect(QPoint(room.left() + (room.width() - size.width()) / 2,
                                 room.top() + (room.height() - size.height()) / 2),
                          size);
    return layout;
}

TFirstWindowScreen FirstWindowScreenOf(const QWidget& window)
{
    TFirstWindowScreen screen;
    const QScreen* shownOn = window.screen();
    screen.available = shownOn ? shownOn->availableGeometry() : QRect(0, 0, 1024, 768);
    screen.pixelRatio = shownOn ? shownOn->devicePixelRatio() : 1;
    const QRect frame = window.frameGeometry(), inside = window.geometry();
    screen.frame = QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                            frame.bottom() - inside.bottom());
    return screen;
}

void WantPreviewInFirstWindow(QWidget& window, int previewWidth)
{
    window.setProperty(kPreviewWidthProperty, previewWidth);
}

void PlaceFirstWindow(QWidget& window, QSplitter* splitter)
{
    TFirstWindowScreen screen = FirstWindowScreenOf(window);
    const QVariant previewWidth = window.property(kPreviewWidthProperty);
    screen.previewWanted = previewWidth.isValid();
    screen.previewWidth = previewWidth.toInt();
    const TFirstWindowLayout layout = TFirstWindow::Layout(screen);
    window.setGeometry(layout.client);
    if (splitter)
        splitter->setSizes({layout.treeWidth, layout.pagesWidth});
}

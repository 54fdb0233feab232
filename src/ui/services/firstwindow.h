#pragma once
// The size and place of a window that was never placed before: it fits the
// screen's free area whole, its frame and title bar included, at any scale.
// The tree and the pages get at least their least widths; the live preview
// is shown beside them only where it gets at least its own, else it starts
// hidden. Least widths are in the screen's own pixels, so a scaled screen
// still shows the window whole.

#include <QMargins>
#include <QRect>

class QSplitter;
class QWidget;

struct TFirstWindowScreen {
    QRect available;        // the screen's free area, in the window's (scaled) pixels
    qreal pixelRatio = 1;   // screen pixels per scaled pixel
    QMargins frame;         // the window frame as known so far (none before a window manager framed it)
    bool previewWanted = false;
    int previewWidth = 0;   // the width kept for the preview, in scaled pixels
};

struct TFirstWindowLayout {
    QRect client;  // the window's inside, for QWidget::setGeometry
    int treeWidth = 0;
    int pagesWidth = 0;
    bool previewShown = false;
    int previewWidth = 0;
};

class TFirstWindow {
public:
    // In screen pixels.
    static constexpr int kLeastTree = 200;
    static constexpr int kLeastPages = 520;
    static constexpr int kLeastPreview = 400;
    // A frame the window manager has not reported yet is assumed this large:
    // a title bar and thin borders, in screen pixels.
    static constexpr int kAssumedTitleBar = 40;
    static constexpr int kAssumedBorder = 8;
    // In scaled pixels, as the window lays itself out.
    static constexpr int kPreferredTree = 300;
    static constexpr int kPreferredPages = 556;
    static constexpr int kPreferredHeight = 600;
    static constexpr int kSplitterHandle = 4;
    static constexpr int kDockSeparator = 6;

    static TFirstWindowLayout Layout(const TFirstWindowScreen& screen);
};

// The screen `window` is on (or a 1024 x 768 one), and its frame as known so far.
TFirstWindowScreen FirstWindowScreenOf(const QWidget& window);
// A pane docked beside the editor asks for its room before the window is
// first shown, so the window is mapped at its full size at once: a window
// manager may ignore a resize asked for once the window is on the screen.
void WantPreviewInFirstWindow(QWidget& window, int previewWidth);
// Sizes and places a window, with the room a pane asked for if the screen
// has it, and the tree and pages in `splitter` (may be null).
void PlaceFirstWindow(QWidget& window, QSplitter* splitter);

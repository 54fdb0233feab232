#pragma once
// The Desktop view lays the page out as a desktop browser window would: at
// least 1024 CSS pixels wide, shown scaled down when the pane is narrower,
// so the menu engine never takes a narrow pane for a phone.

class TDesktopZoom {
public:
    static constexpr int kLeastLayoutWidth = 1024;
    // The browser's zoom factor for a pane `paneWidth` pixels wide: the page
    // is laid out at paneWidth / factor CSS pixels.
    static double FactorFor(int paneWidth);
};

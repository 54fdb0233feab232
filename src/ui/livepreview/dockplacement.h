#pragma once
// Where the preview's dock sits, kept in the settings store: shown or not,
// docked at which side and how wide, or floating where. Without a stored
// choice the dock shows on screens at least 1280 pixels wide. A window
// without a kept size is laid out as a first window (ui/firstwindow.h): the
// dock shows beside the editor only where it gets its least width.

#include <QObject>
#include <QTimer>

class QDockWidget;
class QMainWindow;
class TSettingsStore;
struct TFirstWindowLayout;

class TDockPlacement final : public QObject {
    Q_OBJECT
public:
    static constexpr int kWideScreen = 1280;
    // Wide enough for the floating menu: below 640 CSS pixels the menu
    // engine shows its phone form.
    static constexpr int kDefaultWidth = 660;

    TDockPlacement(QMainWindow& window, QDockWidget& dock, TSettingsStore& settings);

    // Adds the dock to the window as last kept. windowSizeKept: the window
    // takes a size kept from before, with room for the dock.
    void Restore(bool windowSizeKept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Save();
    void SizeOnFirstShow();
    // The first window's layout on the window's screen, the preview wanted.
    TFirstWindowLayout FirstLayout() const;

    QMainWindow& window_;
    QDockWidget& dock_;
    TSettingsStore& settings_;
    QTimer saveSoon_;
    int width_ = kDefaultWidth;
    bool windowShown_ = false;
    bool fitWindow_ = false;
};

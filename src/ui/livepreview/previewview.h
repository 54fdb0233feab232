#pragma once
// The browser view of the live preview and its reloads. The view (and the
// browser engine behind it) is made only once this widget has been painted,
// so the window around it shows first. A reload reads where the user was,
// lets the caller fill the site, loads the page and puts the user back:
// the same scroll position and, unless the menu's shape changed, the same
// submenus open.

#include <QWidget>
#include <functional>

#include "ui/livepreview/previewstate.h"

class QHBoxLayout;
class QLabel;
class QUrl;
class QWebEngineProfile;
class QWebEngineView;
class TPreviewPage;
class TLoadCover;
class TPreviewSchemeHandler;
class TPreviewSite;
class TTouchEmulation;

class TPreviewView final : public QWidget {
    Q_OBJECT
public:
    // The phone form of the menu engine shows below 640 CSS px; a common phone is 390 wide.
    static constexpr int kPhoneWidth = 390;

    explicit TPreviewView(const TPreviewSite& site, QWidget* parent = nullptr);
    ~TPreviewView() override;

    bool Created() const { return view_ != nullptr; }
    // Makes the browser view now (otherwise it comes after the first paint).
    void Create();
    // `fill` prepares the site just before the page loads.
    void Reload(bool keepOpenSubmenus, std::function<void()> fill);
    void SetPhoneWidth(bool phone);
    bool PhoneWidth() const { return phone_; }
    // The next load asks the author's web site again for what it fetches.
    void ForgetFetched();
    // No reload under way: the page shows the last one, the user's place restored.
    bool Settled() const { return settled_ && !capturing_; }

    // Null until created.
    TPreviewPage* Page() const { return page_; }
    QWebEngineView* WebView() const { return view_; }

signals:
    void created();
    void loadStarted();
    // The page shows what was loaded last, the user's place restored.
    void loaded();
    void scriptError(const QString& line);
    void linkNotFollowed(const QUrl& url);
    void problem(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Desktop: at least a desktop's width, scaled to the pane; Phone: as is.
    void ApplyZoom();
    void Load(int serial);
    void Restore();

    const TPreviewSite& site_;
    QHBoxLayout* layout_;
    QLabel* placeholder_;
    TPreviewSchemeHandler* handler_ = nullptr;
    QWebEngineProfile* profile_ = nullptr;
    TPreviewPage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
    TTouchEmulation* touch_ = nullptr;
    TLoadCover* cover_ = nullptr;
    bool createScheduled_ = false;
    bool phone_ = false;

    std::function<void()> fill_;
    TPreviewState state_;
    bool dropOpenPath_ = false;
    bool settled_ = false;  // the page shown is complete and the state restored
    bool capturing_ = false;
    int serial_ = 0;
};

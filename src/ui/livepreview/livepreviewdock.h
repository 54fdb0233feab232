#pragma once
// The Live Preview dock: the document's menu as the run-time engine draws
// it, rebuilt a moment after each change (a field, an item, a move, undo or
// redo), at the pane's width or a phone's, on an empty page or over the
// author's own.

#include <QDockWidget>
#include <QStringList>
#include <QTimer>

#include "ui/livepreview/backgroundmemory.h"
#include "ui/livepreview/livepreview.h"
#include "ui/livepreview/previewsite.h"

class TPreviewBar;
class TPreviewView;

class TLivePreviewDock final : public QDockWidget {
    Q_OBJECT
public:
    // The pause after the last change before the page is rebuilt: typing
    // rebuilds once per pause, and the page follows within 150 ms.
    static constexpr int kSettleMs = 30;

    TLivePreviewDock(const TLivePreviewSources& sources, QWidget* parent = nullptr);

    TPreviewBar& Bar() const { return *bar_; }
    TPreviewView& View() const { return *view_; }
    const TPreviewSite& Site() const { return site_; }

    void SetPhoneWidth(bool phone);
    // As typed in the field: remembered for the project, then shown.
    void SetBackground(const QString& text);
    // Re-reads the project's file name; a document saved under a new name
    // keeps its background page.
    void ProjectFileNameChanged();
    // Rebuilds at once.
    void RebuildNow();
    // The Reload button: the author's page and its files read anew too.
    void Reload();
    // A change waits to be shown, or its page is on its way.
    bool Busy() const;

signals:
    // The pane shows the document as it was at the last rebuild.
    void updated();

protected:
    bool event(QEvent* event) override;

private:
    void ConnectDocument();
    void DocumentChanged();
    void OpenedAnotherDocument();
    void Rebuild();
    void FillSite();
    void ApplyBackground();
    // Works out the background address anew; true when it or its error changed.
    bool UpdateAddress();
    void BrowseForBackground();
    void ShowMessages();

    TLivePreviewSources sources_;
    TPreviewSite site_;
    TBackgroundMemory backgrounds_;
    TPreviewBar* bar_;
    TPreviewView* view_;
    QTimer settle_;
    bool dirty_ = true;
    bool shapeChanged_ = false;
    bool replacing_ = false;  // another document is being opened
    QString addressError_;        // the background field's text is no address
    QStringList scriptErrors_;    // of the page shown (and its background page)
    QStringList loadingErrors_;   // of the page on its way
    QString note_;
};

#pragma once
// While a save waits for another save into the same folder to finish: the
// hint line says so, the pointer is busy, the window keeps painting, and Esc
// gives up (the save then fails as the core reports it, writing nothing).
// Other input is held off meanwhile, so no command runs inside the save.

#include <QObject>
#include <QString>

#include "files/filetransaction.h"

class TStatusArea;

class TLockWaitIndicator final : public QObject, public TLockWait {
public:
    explicit TLockWaitIndicator(TStatusArea& status);
    ~TLockWaitIndicator() override;
    TLockWaitIndicator(const TLockWaitIndicator&) = delete;
    TLockWaitIndicator& operator=(const TLockWaitIndicator&) = delete;

    bool KeepWaiting(const std::string& folder) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Begin(const QString& folder);

    TStatusArea& status_;
    QString hint_;  // "" until the wait is shown
    bool cancelled_ = false;
};

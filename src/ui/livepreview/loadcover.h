#pragma once
// A still picture of the page shown, laid over the browser view while the
// rebuilt page loads behind it, so that a rebuild never shows the empty
// page between the two. It lets the mouse through and goes as soon as the
// new page shows.

#include <QLabel>

class TLoadCover final : public QLabel {
    Q_OBJECT
public:
    explicit TLoadCover(QWidget* parent);

    // Pictures `view` as it shows now and lies over it.
    void Cover(QWidget& view);
    void Uncover();
    bool Covering() const { return !isHidden(); }
};

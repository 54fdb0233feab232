#include "ui/livepreview/loadcover.h"

TLoadCover::TLoadCover(QWidget* parent) : QLabel(parent)
{
    setObjectName("LivePreviewLoadCover");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hide();
}

void TLoadCover::Cover(QWidget& view)
{
    if (Covering())
        return;  // still the picture of the last page that showed whole
    setPixmap(view.grab());
    setGeometry(view.geometry());
    raise();
    show();
}

void TLoadCover::Uncover()
{
    hide();
    clear();
}

#include "ui/dialogs/about.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "model/product.h"
#include "platform/shell.h"

QString MakerContactAddress()
{
    return QString::fromLatin1(kMakerWebAddress) + "contact.html";
}

namespace {

// A link that opens through the shell and turns red under the pointer.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(const QString& text, const QString& address, TShell& shell, QWidget* parent)
        : QLabel(text, parent), address_(address), shell_(shell)
    {
        setCursor(Qt::PointingHandCursor);
        setToolTip(address);
        SetHot(false);
    }

protected:
    void enterEvent(QEnterEvent* event) override
    {
        SetHot(true);
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        SetHot(false);
        QLabel::leaveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            shell_.OpenUrl(QUrl(address_));
        QLabel::mouseReleaseEvent(event);
    }

private:
    void SetHot(bool hot)
    {
        setProperty("hot", hot);
        setStyleSheet(hot ? "color: red; text-decoration: underline;" : "color: blue; text-decoration: underline;");
    }

    QString address_;
    TShell& shell_;
};

}  // namespace

TformAbout::TformAbout(TShell& shell, QWidget* parent) : QDialog(parent)
{
    setObjectName("formAbout");
    setWindowTitle(QStringLiteral("About %1").arg(kProductName));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(20, 20, 24, 16);
    outer->setSpacing(20);
    // The installed icon: through the desktop's theme, else from the shared
    // icon folders directly. A build tree that is not installed shows none.
    QIcon icon = QIcon::fromTheme("trellimenu");
    if (icon.isNull()) {
        const QString file =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, "icons/hicolor/64x64/apps/trellimenu.png");
        if (!file.isEmpty())
            icon = QIcon(file);
    }
    if (!icon.isNull()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(64, 64));
        outer->addWidget(picture, 0, Qt::AlignTop);
    }
    auto* layout = new QVBoxLayout;
    layout->setSpacing(8);
    outer->addLayout(layout);

    auto* name = new QLabel(QString::fromLatin1(kProductName), this);
    name->setObjectName("lblProductName");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(kProductVersion), this);
    version->setObjectName("lblVersion");
    auto* notice = new QLabel(QString::fromLatin1(kCopyrightNotice), this);
    notice->setObjectName("lblNotice");
    notice->setWordWrap(true);
    auto* home = new TLinkLabel("Home page", QString::fromLatin1(kMakerWebAddress), shell, this);
    home->setObjectName("lblHomepage");
    auto* contact = new TLinkLabel("Contact us", MakerContactAddress(), shell, this);
    contact->setObjectName("lblContact");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(6);
    layout->addWidget(notice);
    layout->addSpacing(6);
    layout->addWidget(home);
    layout->addWidget(contact);
    layout->addSpacing(10);
    layout->addWidget(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

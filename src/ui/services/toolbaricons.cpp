#include "ui/services/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int kSize = 24;

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kGreen(0x2E, 0x8B, 0x3A);
const QColor kRed(0xC0, 0x39, 0x2B);
const QColor kBlue(0x2A, 0x6F, 0xC9);
const QColor kFolder(0xE8, 0xB8, 0x4A);

void DrawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(14, 2.5);
    page.lineTo(19.5, 8);
    page.lineTo(19.5, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(QPointF(14, 2.5), QPointF(14, 8));
    p.drawLine(QPointF(14, 8), QPointF(19.5, 8));
}

void DrawArrow(QPainter& p, bool up)
{
    QPolygonF arrow;
    if (up)
        arrow << QPointF(12, 3) << QPointF(21, 13) << QPointF(15.5, 13) << QPointF(15.5, 21) << QPointF(8.5, 21)
              << QPointF(8.5, 13) << QPointF(3, 13);
    else
        arrow << QPointF(12, 21) << QPointF(21, 11) << QPointF(15.5, 11) << QPointF(15.5, 3) << QPointF(8.5, 3)
              << QPointF(8.5, 11) << QPointF(3, 11);
    p.setPen(QPen(kBlue.darker(130), 1));
    p.setBrush(kBlue);
    p.drawPolygon(arrow);
}

void DrawTreeRows(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.drawRect(QRectF(2.5, 3.5, 8, 5));
    p.drawRect(QRectF(6.5, 11.5, 8, 5));
    p.drawLine(QPointF(4.5, 8.5), QPointF(4.5, 14));
    p.drawLine(QPointF(4.5, 14), QPointF(6.5, 14));
}

void DrawBadge(QPainter& p, const QColor& color, bool plus)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(12, 12, 11, 11));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
    if (plus)
        p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
}

void DrawLabel(QPainter& p, const QRectF& box, const char* text, int pixelSize, const QColor& color)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, QString::fromLatin1(text));
}

void Draw(TToolBarIcon which, QPainter& p)
{
    switch (which) {
    case TToolBarIcon::New:
        DrawPage(p);
        DrawBadge(p, kGreen, true);
        break;
    case TToolBarIcon::Open: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kFolder.darker(115));
        p.drawRect(QRectF(2.5, 5.5, 8, 3));
        p.drawRect(QRectF(2.5, 7.5, 18, 13));
        p.setBrush(kFolder);
        QPolygonF front;
        front << QPointF(5.5, 11.5) << QPointF(22.5, 11.5) << QPointF(20.5, 20.5) << QPointF(2.5, 20.5);
        p.drawPolygon(front);
        break;
    }
    case TToolBarIcon::Save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        p.drawRect(QRectF(5.5, 13.5, 13, 8));
        break;
    case TToolBarIcon::Insert:
        DrawTreeRows(p);
        DrawBadge(p, kGreen, true);
        break;
    case TToolBarIcon::Delete:
        DrawTreeRows(p);
        DrawBadge(p, kRed, false);
        break;
    case TToolBarIcon::MoveUp:
        DrawArrow(p, true);
        break;
    case TToolBarIcon::MoveDown:
        DrawArrow(p, false);
        break;
    case TToolBarIcon::BuildHTML:
        DrawPage(p);
        DrawLabel(p, QRectF(5, 10, 15, 10), "</>", 8, kRed);
        break;
    case TToolBarIcon::Preview:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(1.5, 3.5, 21, 17), 2, 2);
        p.setBrush(kBlue);
        p.drawRect(QRectF(1.5, 3.5, 21, 4));
        p.setPen(QPen(kBlue, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(8, 10, 8, 8));
        break;
    case TToolBarIcon::Help:
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2, 2, 20, 20));
        DrawLabel(p, QRectF(2, 2, 20, 20), "?", 15, Qt::white);
        break;
    }
}

const char* ThemeName(TToolBarIcon which)
{
    switch (which) {
    case TToolBarIcon::New: return "document-new";
    case TToolBarIcon::Open: return "document-open";
    case TToolBarIcon::Save: return "document-save";
    case TToolBarIcon::Insert: return "list-add";
    case TToolBarIcon::Delete: return "list-remove";
    case TToolBarIcon::MoveUp: return "go-up";
    case TToolBarIcon::MoveDown: return "go-down";
    case TToolBarIcon::BuildHTML: return "text-html";
    case TToolBarIcon::Preview: return "internet-web-browser";
    case TToolBarIcon::Help: return "help-contents";
    }
    return "";
}

QIcon DrawnIcon(TToolBarIcon which)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Draw(which, painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
}  // namespace

QIcon ToolBarIcon(TToolBarIcon which)
{
    return QIcon::fromTheme(QString::fromLatin1(ThemeName(which)), DrawnIcon(which));
}

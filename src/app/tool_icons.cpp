#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/ui_fonts.h"

namespace zv::app {

namespace {

constexpr int kSize = 20;

void drawArrow(QPainter& p, bool right) {
    QPainterPath arrow;
    if (right) {
        arrow.moveTo(6, 4);
        arrow.lineTo(15, 10);
        arrow.lineTo(6, 16);
    } else {
        arrow.moveTo(14, 4);
        arrow.lineTo(5, 10);
        arrow.lineTo(14, 16);
    }
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(0x1E, 0x7A, 0x4F));
}

void drawIcon(QPainter& p, ToolIcon which) {
    const QColor ink(0x33, 0x33, 0x33);
    p.setPen(QPen(ink, 1.4));
    switch (which) {
        case ToolIcon::Download:
            p.setBrush(QColor(0x2F, 0x6F, 0xD0));
            p.drawPolygon(QPolygonF({QPointF(7, 2), QPointF(13, 2), QPointF(13, 8), QPointF(16, 8), QPointF(10, 14),
                                     QPointF(4, 8), QPointF(7, 8)}));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({QPointF(3, 14), QPointF(3, 18), QPointF(17, 18), QPointF(17, 14)}));
            break;
        case ToolIcon::Open:
            p.setBrush(QColor(0xF2, 0xC1, 0x4E));
            p.drawPolygon(QPolygonF(
                {QPointF(2, 5), QPointF(8, 5), QPointF(10, 7), QPointF(18, 7), QPointF(18, 17), QPointF(2, 17)}));
            break;
        case ToolIcon::SelectRace:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3, 2, 14, 16));
            for (int y = 6; y <= 14; y += 4) p.drawLine(QPointF(6, y), QPointF(14, y));
            break;
        case ToolIcon::Previous: drawArrow(p, false); break;
        case ToolIcon::Next: drawArrow(p, true); break;
        case ToolIcon::Print:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 2, 8, 6));
            p.setBrush(QColor(0xAA, 0xAA, 0xAA));
            p.drawRect(QRectF(2, 8, 16, 7));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 13, 8, 5));
            break;
        case ToolIcon::Help: {
            p.setBrush(QColor(0x2F, 0x6F, 0xD0));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(2, 2, 16, 16));
            QFont font(zv::ui::proportionalFamily());
            font.setPixelSize(13);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
}

}  // namespace

QIcon toolIcon(ToolIcon which) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawIcon(painter, which);
    return QIcon(picture);
}

QPixmap homePageBanner() {
    QPixmap banner(200, 26);
    QPainter painter(&banner);
    QLinearGradient shade(0, 0, 200, 0);
    shade.setColorAt(0, QColor(0x0B, 0x3D, 0x2E));
    shade.setColorAt(1, QColor(0x1E, 0x7A, 0x4F));
    painter.fillRect(banner.rect(), shade);
    QFont font(zv::ui::proportionalFamily());
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(banner.rect(), Qt::AlignCenter, QStringLiteral("Zelvora!"));
    return banner;
}

}  // namespace zv::app

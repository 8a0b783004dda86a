#include "pace_images.h"

#include <QPainter>

#include "predict/race_result.h"

namespace zv::app {

QPixmap paceImage(int index) {
    struct Look {
        QColor fill;
        const char* letter;
    };
    static const Look looks[] = {
        {QColor(0x2F, 0x6F, 0xD0), "S"},
        {QColor(0x2E, 0x9E, 0x4F), "M"},
        {QColor(0xD8, 0x3A, 0x2E), "H"},
        {QColor(0x99, 0x99, 0x99), ""},
    };
    const Look& look = looks[(index >= kPaceImageS && index <= kPaceImageNeutral) ? index : kPaceImageNeutral];
    QPixmap picture(13, 13);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 12, 12), 3, 3);
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 13, 13), Qt::AlignCenter, QString::fromLatin1(look.letter));
    return picture;
}

}  // namespace zv::app

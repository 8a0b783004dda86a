#include "ui_fonts.h"

namespace zv::ui {

QString fixedPitchFamily() { return QStringLiteral("ＭＳ ゴシック"); }
QString proportionalFamily() { return QStringLiteral("ＭＳ Ｐゴシック"); }

void installFontSubstitutions() {
    const QStringList fixedPitch = {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                    QStringLiteral("VL Gothic")};
    const QStringList proportional = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("VL PGothic")};
    QFont::insertSubstitutions(fixedPitchFamily(), fixedPitch);
    QFont::insertSubstitutions(proportionalFamily(), proportional);
}

QFont gridFont() {
    QFont font(fixedPitchFamily());
    font.setPixelSize(12);
    return font;
}

QFont labelFont() {
    QFont font(proportionalFamily());
    font.setPixelSize(12);
    return font;
}

}  // namespace zv::ui

// The fonts the windows ask for, and their stand-ins on systems without the Windows fonts: the
// fixed-pitch "ＭＳ ゴシック" and the proportional "ＭＳ Ｐゴシック" resolve to IPA fonts when
// present, else to any Japanese font of the same pitch.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace zv::ui {

QString fixedPitchFamily();    // "ＭＳ ゴシック"
QString proportionalFamily();  // "ＭＳ Ｐゴシック"

// Registers the stand-ins; call once after the application object exists.
void installFontSubstitutions();

// The grid's font: "ＭＳ ゴシック" at 12 pixels.
QFont gridFont();
// The header panel's labels: "ＭＳ Ｐゴシック" at 12 pixels.
QFont labelFont();

}  // namespace zv::ui

// The Japanese user interface: Qt's own Japanese texts for standard buttons and dialogs, the
// Japanese locale and the stand-ins for the Windows fonts.
#pragma once

class QCoreApplication;

namespace zv::app {

// Loads qtbase_ja from Qt's translations folder (when installed) and sets the fonts and locale.
void installJapaneseUi(QCoreApplication& app);

}  // namespace zv::app

// The Japanese user interface: Qt's own Japanese texts for standard buttons and dialogs, the
// Japanese locale and the stand-ins for the Windows fonts.
#pragma once

class QCoreApplication;

namespace zv::app {

// Before the application object exists: Qt's file dialogs write dates in the system locale's
// format, so the time category is made Japanese whatever the environment says (an LC_ALL that
// would override it becomes LANG).
void useJapaneseDatesInQtDialogs();

// Loads qtbase_ja from Qt's translations folder (when installed), adds the file-type words it
// lacks, and sets the fonts and locale.
void installJapaneseUi(QCoreApplication& app);

}  // namespace zv::app

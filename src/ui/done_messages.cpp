#include "done_messages.h"

#include <QDir>
#include <QStatusBar>

#include "cp932_text.h"
#include "data/store.h"

namespace zv::ui {

QString fileDoneMessage(const QString& done, const QString& file) {
    return done + QStringLiteral(": ") + QDir::toNativeSeparators(file);
}

QString dataSetTakenMessage(const RaceDataStore& store) {
    const QString day = store.headers.empty() ? QString() : fromCp932(store.headers.front().raceDateText);
    return QStringLiteral("%1 の %2レースを読み込みました").arg(day).arg(store.raceCount);
}

void showDoneMessage(QStatusBar* bar, const QString& message) { bar->showMessage(message, kDoneMessageMilliseconds); }

}  // namespace zv::ui

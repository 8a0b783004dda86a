// What the status bar says for a few seconds after a command wrote a file or took in a data set:
// what was written and where, or the day and how many races were taken in.
#pragma once

#include <QString>

class QStatusBar;

namespace zv {
struct RaceDataStore;
}

namespace zv::ui {

inline constexpr int kDoneMessageMilliseconds = 8000;

// "買い目ファイルを保存しました: /home/user/kaime.kmi" (the path as the system writes it).
QString fileDoneMessage(const QString& done, const QString& file);
// "2026/12/10(木) の 36レースを読み込みました"
QString dataSetTakenMessage(const RaceDataStore& store);

// Shows message on bar for kDoneMessageMilliseconds.
void showDoneMessage(QStatusBar* bar, const QString& message);

}  // namespace zv::ui

#include "library_check.h"

#include <QProgressBar>

#include "library/library.h"

namespace zv::app {

void offerLibraryRebuild(const LibraryCheckSetup& setup) {
    std::error_code ignored;
    if (!std::filesystem::exists(library::Library::databaseFile(setup.dataFolder), ignored)) return;
    try {
        // Opening it is the check: its schema and marks are read there.
        [[maybe_unused]] const library::Library opened(setup.dataFolder, library::OpenMode::Existing);
        return;
    } catch (const library::UnusableLibrary& unusable) {
        const QString question = QString::fromStdString(unusable.message()) +
                                 QStringLiteral(
                                     "\n\n今すぐ保存した開催日から作り直しますか？\n"
                                     "（作り直さなくても、データフォルダの開催日はそのまま使えます）");
        if (!setup.feedback.askYesNo(setup.parent, question, QString())) return;
    }
    const std::vector<std::string> problems =
        library::rebuildLibrary(setup.dataFolder, [bar = setup.progressBar](int done, int total) {
            if (!bar || total == 0) return;
            bar->setValue(done * 100 / total);
            bar->repaint();
        });
    if (setup.progressBar) setup.progressBar->setValue(0);
    const int days = int(library::Library(setup.dataFolder, library::OpenMode::Existing).days().size());
    if (problems.empty()) return setup.tellDone(QStringLiteral("ライブラリを作り直しました（%1日）").arg(days));
    QStringList lines;
    for (const std::string& problem : problems) lines << QString::fromStdString(problem);
    setup.feedback.notice(
        setup.parent, QStringLiteral("ライブラリを作り直しました（%1日）。読めなかった記録は除きました:\n").arg(days) +
                          lines.join(QLatin1Char('\n')));
}

}  // namespace zv::app

#include "archive_choice.h"

#include <QDir>
#include <QFileDialog>

#include "settings/settings_store.h"

namespace zv::app {

std::optional<QString> archiveToOpenFromDrop(const QList<QUrl>& urls) {
    if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QStringLiteral(".lzh"), Qt::CaseSensitive)) return std::nullopt;
    return path;
}

QString chooseArchiveFile(QWidget* parent, const settings::SettingsStore& store) {
    const QString storedDir = QString::fromStdString(store.readText(settings::key::DataDir));
    const QString startDir = (!storedDir.isEmpty() && QDir(storedDir).exists()) ? storedDir : QString();
    return QFileDialog::getOpenFileName(parent, QStringLiteral("「出馬表+競走馬」(BVO)データの選択"), startDir,
                                        QStringLiteral("「出馬表+競走馬」(BVO)データファイル (*hb*.lzh *hz*.lzh)"));
}

}  // namespace zv::app

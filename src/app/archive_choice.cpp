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

QString archiveStartFolder(const QString& storedDownloadFolder, const QString& dataFolder) {
    for (const QString& folder : {storedDownloadFolder, dataFolder + QStringLiteral("/BVO")}) {
        if (!folder.isEmpty() && QDir(folder).exists()) return folder;
    }
    return dataFolder;
}

QString chooseArchiveFile(QWidget* parent, const settings::SettingsStore& store, const QString& dataFolder) {
    const QString startDir =
        archiveStartFolder(QString::fromStdString(store.readText(settings::key::DataDir)), dataFolder);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("「出馬表+競走馬」(BVO)データの選択"), startDir,
                                        QStringLiteral("「出馬表+競走馬」(BVO)データファイル (*hb*.lzh *hz*.lzh)"));
}

}  // namespace zv::app

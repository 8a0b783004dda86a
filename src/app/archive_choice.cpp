#include "archive_choice.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>

#include "settings/settings_store.h"

namespace zv::app {

std::optional<QString> archiveToOpenFromDrop(const QList<QUrl>& urls) {
    if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QStringLiteral(".lzh"), Qt::CaseSensitive)) return std::nullopt;
    return path;
}

ArchiveDropTarget::ArchiveDropTarget(QWidget* window, std::function<void(const QString& archive)> open)
    : QObject(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool ArchiveDropTarget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drag = static_cast<QDropEvent*>(event);
    const bool copies = drag->possibleActions() & Qt::CopyAction;
    if (type == QEvent::Drop || (copies && (type == QEvent::DragMove || drag->mimeData()->hasUrls()))) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
    } else {
        drag->ignore();
    }
    if (type == QEvent::Drop) {
        if (const std::optional<QString> archive = archiveToOpenFromDrop(drag->mimeData()->urls())) open_(*archive);
    }
    return true;
}

QString archiveStartFolder(const QString& storedDownloadFolder, const QString& dataFolder) {
    for (const QString& folder : {storedDownloadFolder, dataFolder + QStringLiteral("/BVO")}) {
        if (!folder.isEmpty() && QDir(folder).exists()) return folder;
    }
    return dataFolder;
}

QString archiveFileFilters() {
    return QStringLiteral(
        "「出馬表+競走馬」(BVO)データファイル (*hb*.lzh *hz*.lzh);;すべての書庫 (*.lzh);;"
        "すべてのファイル (*)");
}

QString chooseArchiveFile(QWidget* parent, const settings::SettingsStore& store, const QString& dataFolder) {
    const QString startDir =
        archiveStartFolder(QString::fromStdString(store.readText(settings::key::DataDir)), dataFolder);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("「出馬表+競走馬」(BVO)データの選択"), startDir,
                                        archiveFileFilters());
}

}  // namespace zv::app

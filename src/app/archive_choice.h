// The archive the user chooses: in the open dialog, which starts in the stored download folder,
// or by dropping files on the main window, where only the first one is taken, and only when its
// name ends exactly in ".lzh" (".LZH" is not taken).
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

std::optional<QString> archiveToOpenFromDrop(const QList<QUrl>& urls);

// Takes files dropped on a window as copies, never as moves: the archive stays where the user
// keeps it. A drop is taken whatever it holds; open gets its archive, if it has one.
class ArchiveDropTarget : public QObject {
public:
    ArchiveDropTarget(QWidget* window, std::function<void(const QString& archive)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString& archive)> open_;
};

// Where the open dialog starts: the download folder the settings name, else the one downloads go
// to by default (BVO in the data folder), else the data folder.
QString archiveStartFolder(const QString& storedDownloadFolder, const QString& dataFolder);

// The open dialog's filters: the data archives by their names, every archive, every file.
QString archiveFileFilters();

// The file chosen in the open dialog, or empty when cancelled.
QString chooseArchiveFile(QWidget* parent, const settings::SettingsStore& store, const QString& dataFolder);

}  // namespace zv::app

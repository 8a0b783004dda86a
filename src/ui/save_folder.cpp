#include "save_folder.h"

#include <QFileInfo>

namespace zv::ui {
namespace {

QString& folder() {
    static QString last;
    return last;
}

}  // namespace

QString lastSaveFolder() { return folder(); }

void setLastSaveFolder(const QString& path) { folder() = path; }

void rememberSaveFolderOf(const QString& savedFile) {
    if (!savedFile.isEmpty()) folder() = QFileInfo(savedFile).absolutePath();
}

}  // namespace zv::ui

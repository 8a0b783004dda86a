#include "cp932_text.h"

#include <QFile>

#include "data/sjis.h"

namespace zv::ui {

QString fromCp932(std::string_view cp932) { return QString::fromStdString(toUtf8(cp932)); }

std::string toCp932(const QString& text) { return fromUtf8(text.toStdString()); }

std::optional<std::string> toCp932Exactly(const QString& text) { return fromUtf8Exactly(text.toStdString()); }

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace zv::ui

#include "cp932_text.h"

#include <QFile>

#include "data/sjis.h"

namespace zv::ui {

QString fromCp932(std::string_view cp932) { return QString::fromStdString(toUtf8(cp932)); }

std::string toCp932(const QString& text) { return fromUtf8(text.toStdString()); }

std::optional<std::string> toCp932Exactly(const QString& text) {
    const std::string utf8 = text.toStdString();
    std::string cp932 = fromUtf8(utf8);
    // The converter puts "?" for what CP932 cannot hold: the text then does not come back whole.
    if (toUtf8(cp932) != utf8) return std::nullopt;
    return cp932;
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace zv::ui

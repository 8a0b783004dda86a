#include "drop_rule.h"

namespace zv::app {

std::optional<QString> archiveToOpenFromDrop(const QList<QUrl>& urls) {
    if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QStringLiteral(".lzh"), Qt::CaseSensitive)) return std::nullopt;
    return path;
}

}  // namespace zv::app

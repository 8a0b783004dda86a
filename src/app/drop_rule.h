// Which dropped file is opened: only the first one, and only when its name ends exactly in
// ".lzh" (".LZH" is not taken).
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace zv::app {

std::optional<QString> archiveToOpenFromDrop(const QList<QUrl>& urls);

}  // namespace zv::app

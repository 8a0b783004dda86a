// The program's name as its windows and message boxes show it.
#pragma once

#include <QString>

namespace zv::ui {

inline QString applicationTitle() { return QStringLiteral("Zelvora!"); }

}  // namespace zv::ui

// The row menu's 自印 submenu: ◎ ○ ▲ △ × ☆ 消 and 外す, each with the grid's key beside it.
#pragma once

#include <functional>

class QMenu;

namespace zv::app {

// Adds the submenu to rowMenu; an item calls setMark with its own mark (0 ◎ .. 6 消, -1 外す).
QMenu* addOwnMarkMenu(QMenu& rowMenu, const std::function<void(int mark)>& setMark);

}  // namespace zv::app

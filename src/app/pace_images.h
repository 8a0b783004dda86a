// The four 13 x 13 pace pictures: 0 S (slow), 1 M (middle), 2 H (high), 3 neutral.
#pragma once

#include <QPixmap>

namespace zv::app {

QPixmap paceImage(int index);

}  // namespace zv::app

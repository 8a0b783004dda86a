// Item roles of the race grid model beyond Qt's own.
#pragma once

#include <Qt>

namespace zv::ui {

enum GridRole {
    RightBorderRole = Qt::UserRole + 1,  // bool: a 2-pixel black right border
    RunnerNumberRole,                    // int: the runner shown in the row
};

}  // namespace zv::ui

// Item roles of the race grid model beyond Qt's own.
#pragma once

#include <Qt>

namespace zv::ui {

enum GridRole {
    MarkupHtmlRole = Qt::UserRole + 1,  // QString: the cell as Qt rich text
    RightBorderRole,                    // bool: a 2-pixel black right border
    RunnerNumberRole,                   // int: the runner shown in the row
};

}  // namespace zv::ui

// The user's own marks on a computed race: kept in the result and shown in the 自印 column.
#pragma once

#include "race_result.h"

namespace zv {

// Puts marks into result and its 自印 cells, replacing any it held. Runners beyond the marks
// given show none.
void showOwnMarks(RaceResult& result, RaceOwnMarks marks);

}  // namespace zv

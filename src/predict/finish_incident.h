// A finish that is no place: 31 落馬 (fell), 32 失格 (disqualified), 33 中止 (did not finish),
// 34 取消 (scratched), 35 除外 (excluded), as people read it in the grid, the printed page and the
// horse detail. The files and the JSON keep the finish as recorded.
#pragma once

#include <string_view>

namespace zv {

inline constexpr bool isFinishIncident(int finish) { return finish >= 31 && finish <= 35; }

// The incident's name (CP932); empty for any other finish.
std::string_view finishIncidentName(int finish);

}  // namespace zv

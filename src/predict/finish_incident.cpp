#include "finish_incident.h"

#include <string>

#include "data/sjis.h"

namespace zv {

std::string_view finishIncidentName(int finish) {
    static const std::string names[] = {sj("落馬"), sj("失格"), sj("中止"), sj("取消"), sj("除外")};
    return isFinishIncident(finish) ? std::string_view(names[finish - 31]) : std::string_view();
}

}  // namespace zv

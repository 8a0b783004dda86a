// Which day the main window shows, in its title and its status bar: the data folder's day, or a
// kept day of the library, which says so.
#pragma once

#include <QString>

namespace zv {
class RaceSession;
}

namespace zv::app {

// "Zelvora! - 2026/05/09(土)", "Zelvora! - 2026/05/16(土) 保存した開催日"; the name alone without data.
QString shownDayTitle(const RaceSession& session);
// "2026/05/09(土)  東京11R (11/36)", led by "保存した開催日" for a kept day; empty with no race shown.
QString shownPlaceText(const RaceSession& session);

}  // namespace zv::app

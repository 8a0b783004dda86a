// The help menu's and the empty window's demo day: written into the data folder unless a data set
// is there (a bought day is never replaced), then loaded.
#pragma once

class QWidget;

namespace zv {
class RaceSession;
}
namespace zv::ui {
struct UserFeedback;
}

namespace zv::app {

void loadDemoDay(RaceSession& session, const ui::UserFeedback& feedback, QWidget* parent);

}  // namespace zv::app

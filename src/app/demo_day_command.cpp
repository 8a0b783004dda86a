#include "demo_day_command.h"

#include "demo/demo_day.h"
#include "session/race_session.h"
#include "ui/user_feedback.h"

namespace zv::app {

void loadDemoDay(RaceSession& session, const ui::UserFeedback& feedback, QWidget* parent) {
    if (!writeDemoDayUnlessDataSet(session.dataFolder(), 1)) {
        feedback.notice(
            parent,
            QStringLiteral("データフォルダにはすでにレースデータがあります。デモデータは書き込みませんでした。"));
        if (session.hasData()) return;
    }
    session.loadDataFolder();
}

}  // namespace zv::app

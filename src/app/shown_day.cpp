#include "shown_day.h"

#include "data/race_name.h"
#include "session/race_session.h"
#include "ui/app_identity.h"
#include "ui/cp932_text.h"

namespace zv::app {
namespace {

// The date of the data set on screen, led by what kind of day it is.
QString dayText(const RaceSession& session) {
    const QString date = ui::fromCp932(session.store().headers.front().raceDateText);
    return session.keptDayShown() ? QStringLiteral("保存した開催日 ") + date : date;
}

}  // namespace

QString shownDayTitle(const RaceSession& session) {
    if (!session.hasData()) return ui::applicationTitle();
    return ui::applicationTitle() + QStringLiteral(" - ") + dayText(session);
}

QString shownPlaceText(const RaceSession& session) {
    if (!session.currentHeader()) return {};
    return dayText(session) + QStringLiteral("  ") +
           ui::fromCp932(racePlaceText(session.store(), session.currentRace()));
}

}  // namespace zv::app

#include "race_menu.h"

#include <QKeyEvent>

#include "data/store.h"
#include "ui/cp932_text.h"

namespace zv::app {

RaceMenu::RaceMenu(std::function<void(int race)> choose, QWidget* parent) : QMenu(parent), choose_(std::move(choose)) {
    setObjectName(QStringLiteral("raceMenu"));
}

void RaceMenu::rebuild(const RaceDataStore& store) {
    clear();
    for (int race = 0; race < store.raceCount && race < kMaxRaces; ++race) {
        // A caption's "&" is a character of the title, not a mnemonic.
        QString caption = ui::fromCp932(store.headers[size_t(race)].menuTitle);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = addAction(caption);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, race] { choose_(race); });
    }
}

void RaceMenu::check(int race) {
    const QList<QAction*> items = actions();
    for (int i = 0; i < items.size(); ++i) items[i]->setChecked(i == race);
}

bool RaceMenu::popUpAt(const QPoint& at, int raceOnScreen) {
    const QList<QAction*> items = actions();
    if (items.isEmpty()) return false;
    popup(at);
    if (raceOnScreen >= 0 && raceOnScreen < items.size()) setActiveAction(items[raceOnScreen]);
    return true;
}

void RaceMenu::keyPressEvent(QKeyEvent* event) {
    const QList<QAction*> items = actions();
    const bool home = event->key() == Qt::Key_Home, end = event->key() == Qt::Key_End;
    if (!items.isEmpty() && (home || end)) {
        setActiveAction(home ? items.front() : items.back());
        return;
    }
    QMenu::keyPressEvent(event);
}

}  // namespace zv::app

// レース → 開催日を選ぶ: the kept days of the library, newest first (date with weekday,
// racecourses, races), over a box that narrows the list to the dates typed in it (date_query.h).
// The arrow keys move through the list from the box; Enter or a double click chooses the day and
// hides the window. Esc hides it.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "library/library.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zv::ui {

class DaySwitcherWindow : public QDialog {
    Q_OBJECT
public:
    explicit DaySwitcherWindow(QWidget* parent = nullptr);

    // The days to list; shown (the date on screen) is marked. The find box is emptied.
    void setDays(const std::vector<library::KeptDay>& days, std::optional<int> shown);
    // A line over the list, e.g. why no day can be listed; empty hides it.
    void setNote(const QString& note);

    // The dates the list shows, in order, and the one Enter would choose (0 for none).
    std::vector<int> listedDates() const;
    int currentDate() const;
    QLineEdit* findBox() const { return findBox_; }
    QTreeWidget* dayList() const { return dayList_; }

signals:
    void dayChosen(int date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void narrow(const QString& query);
    void chooseCurrent();

    QLineEdit* findBox_;
    QTreeWidget* dayList_;
    QLabel* note_;
};

}  // namespace zv::ui

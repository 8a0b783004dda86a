#include "day_switcher_window.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "date_query.h"

namespace zv::ui {
namespace {

constexpr int kDateRole = Qt::UserRole;

QString racecoursesText(const std::vector<std::string>& racecourses) {
    QStringList names;
    for (const std::string& name : racecourses) names << QString::fromStdString(name);
    return names.join(QStringLiteral("・"));
}

}  // namespace

DaySwitcherWindow::DaySwitcherWindow(QWidget* parent)
    : QDialog(parent), findBox_(new QLineEdit(this)), dayList_(new QTreeWidget(this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("daySwitcherWindow"));
    setWindowTitle(QStringLiteral("開催日を選ぶ"));
    findBox_->setObjectName(QStringLiteral("dateFindBox"));
    findBox_->setPlaceholderText(QStringLiteral("日付で探す（例: 0509、5/9、2026/05）"));
    findBox_->setClearButtonEnabled(true);
    findBox_->installEventFilter(this);
    dayList_->setObjectName(QStringLiteral("dayList"));
    dayList_->setHeaderLabels({QStringLiteral("開催日"), QStringLiteral("競馬場"), QStringLiteral("レース数")});
    dayList_->setRootIsDecorated(false);
    dayList_->setUniformRowHeights(true);
    dayList_->setAllColumnsShowFocus(true);
    dayList_->header()->setStretchLastSection(false);
    dayList_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    dayList_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    dayList_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    note_->setObjectName(QStringLiteral("dayNote"));
    note_->setWordWrap(true);
    note_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findBox_);
    layout->addWidget(note_);
    layout->addWidget(dayList_, 1);
    connect(findBox_, &QLineEdit::textChanged, this, &DaySwitcherWindow::narrow);
    connect(findBox_, &QLineEdit::returnPressed, this, &DaySwitcherWindow::chooseCurrent);
    connect(dayList_, &QTreeWidget::itemActivated, this, &DaySwitcherWindow::chooseCurrent);
    resize(420, 460);
}

void DaySwitcherWindow::setDays(const std::vector<library::KeptDay>& days, std::optional<int> shown) {
    dayList_->clear();
    for (const library::KeptDay& day : days) {
        auto* item = new QTreeWidgetItem(dayList_, {QString::fromStdString(day.dateText),
                                                    racecoursesText(day.racecourses), QString::number(day.races)});
        item->setData(0, kDateRole, day.date);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (shown == day.date) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 3; ++column) item->setFont(column, bold);
            item->setToolTip(0, QStringLiteral("表示している開催日"));
        }
    }
    findBox_->clear();
    narrow({});
}

void DaySwitcherWindow::setNote(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void DaySwitcherWindow::narrow(const QString& query) {
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < dayList_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = dayList_->topLevelItem(i);
        const bool listed = dateMatchesQuery(item->data(0, kDateRole).toInt(), query);
        item->setHidden(!listed);
        if (listed && !first) first = item;
    }
    dayList_->setCurrentItem(first);
}

std::vector<int> DaySwitcherWindow::listedDates() const {
    std::vector<int> dates;
    for (int i = 0; i < dayList_->topLevelItemCount(); ++i) {
        if (const QTreeWidgetItem* item = dayList_->topLevelItem(i); !item->isHidden())
            dates.push_back(item->data(0, kDateRole).toInt());
    }
    return dates;
}

int DaySwitcherWindow::currentDate() const {
    const QTreeWidgetItem* item = dayList_->currentItem();
    return item && !item->isHidden() ? item->data(0, kDateRole).toInt() : 0;
}

void DaySwitcherWindow::chooseCurrent() {
    const int date = currentDate();
    if (date == 0) return;
    hide();
    emit dayChosen(date);
}

bool DaySwitcherWindow::eventFilter(QObject* watched, QEvent* event) {
    // The list's moving keys work from the find box, so typing and choosing need no mouse.
    if (watched == findBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(dayList_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zv::ui

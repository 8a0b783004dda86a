// ツール → 馬を探す (Ctrl+F): part of a horse name (full- or half-width, hiragana or katakana) and
// every kept day each horse it names was entered: date, race, horse number, the program's mark and
// index, and the finish once a later kept day gives it; the user's note stands beside the horse's
// name. The horses stand as headings with their
// entries below, newest first; opening an entry (Enter or a double click) asks for that day and
// race with the horse selected. The search runs as the name is typed and at once on Enter.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "library/library.h"

class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace zv::ui {

class HorseSearchWindow : public QWidget {
    Q_OBJECT
public:
    // The horses whose name holds the query (UTF-8); throws zv::Error when the library cannot be read.
    using Finder = std::function<std::vector<library::HorseFound>(const std::string& query)>;

    explicit HorseSearchWindow(Finder find, QWidget* parent = nullptr);

    // Searches for the name box's text now.
    void search();
    QLineEdit* nameBox() const { return nameBox_; }
    QTreeWidget* resultList() const { return results_; }
    QString summary() const;

signals:
    void entryOpened(int date, int raceIndex, int horseNumber);

private:
    void open(QTreeWidgetItem* item);

    Finder find_;
    QLineEdit* nameBox_;
    QTreeWidget* results_;
    QLabel* summary_;
    QTimer* typing_;
};

}  // namespace zv::ui

#include "horse_search_window.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/error.h"
#include "predict/mark_symbols.h"
#include "predict/ratings.h"

namespace zv::ui {
namespace {

// An entry line keeps what opening it needs.
constexpr int kDateRole = Qt::UserRole;
constexpr int kRaceRole = Qt::UserRole + 1;
constexpr int kNumberRole = Qt::UserRole + 2;
// Past this many horses the query names too many to read: the rest are only counted.
constexpr size_t kMostHorsesListed = 100;
constexpr int kTypingPauseMs = 250;

enum Column { Name, Date, Race, Number, Mark, Index, Finish, Note, ColumnCount };

QString markText(int mark) {
    if (mark < 0 || mark >= kMarks) return {};
    const std::string_view symbol = kMarkSymbolsUtf8[size_t(mark)];
    return QString::fromUtf8(symbol.data(), qsizetype(symbol.size()));
}

QTreeWidgetItem* entryItem(const library::HorseEntry& entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(Date, QString::fromStdString(library::slashedDate(entry.date)));
    item->setText(Race, QString::fromStdString(entry.race));
    item->setText(Number, QString::number(entry.horseNumber));
    item->setText(Mark, markText(entry.mark));
    item->setText(Index, QString::fromStdString(indexText(entry.combined)));
    item->setText(Finish, entry.finish ? QStringLiteral("%1着").arg(*entry.finish) : QString());
    for (int column : {Number, Index, Finish}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(Mark, Qt::AlignCenter);
    item->setData(0, kDateRole, entry.date);
    item->setData(0, kRaceRole, entry.raceIndex);
    item->setData(0, kNumberRole, entry.horseNumber);
    return item;
}

}  // namespace

HorseSearchWindow::HorseSearchWindow(Finder find, QWidget* parent)
    : QWidget(parent, Qt::Window),
      find_(std::move(find)),
      nameBox_(new QLineEdit(this)),
      results_(new QTreeWidget(this)),
      summary_(new QLabel(this)),
      typing_(new QTimer(this)) {
    setObjectName(QStringLiteral("horseSearchWindow"));
    setWindowTitle(QStringLiteral("馬を探す"));
    nameBox_->setObjectName(QStringLiteral("horseNameBox"));
    nameBox_->setPlaceholderText(QStringLiteral("馬名の一部（ひらがな・カタカナ、全角・半角どちらでも）"));
    nameBox_->setClearButtonEnabled(true);
    results_->setObjectName(QStringLiteral("horseResults"));
    results_->setHeaderLabels({QStringLiteral("馬名"), QStringLiteral("開催日"), QStringLiteral("レース"),
                               QStringLiteral("馬番"), QStringLiteral("印"), QStringLiteral("指数"),
                               QStringLiteral("着順"), QStringLiteral("メモ")});
    results_->setUniformRowHeights(true);
    results_->setAllColumnsShowFocus(true);
    results_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    summary_->setObjectName(QStringLiteral("searchSummary"));
    typing_->setSingleShot(true);
    typing_->setInterval(kTypingPauseMs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameBox_);
    layout->addWidget(results_, 1);
    layout->addWidget(summary_);
    connect(nameBox_, &QLineEdit::textChanged, typing_, qOverload<>(&QTimer::start));
    connect(typing_, &QTimer::timeout, this, &HorseSearchWindow::search);
    connect(nameBox_, &QLineEdit::returnPressed, this, [this] {
        // Enter searches; on the same text again it opens the line in hand.
        if (typing_->isActive() || results_->topLevelItemCount() == 0) return search();
        if (QTreeWidgetItem* item = results_->currentItem()) open(item);
    });
    connect(results_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { open(item); });
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    addAction(close);
    resize(640, 480);
}

void HorseSearchWindow::search() {
    typing_->stop();
    results_->clear();
    const std::string query = nameBox_->text().trimmed().toStdString();
    if (query.empty()) return summary_->clear();
    std::vector<library::HorseFound> horses;
    try {
        horses = find_(query);
    } catch (const Error& e) {
        return summary_->setText(QString::fromStdString(e.message()));
    }
    size_t entries = 0;
    for (size_t h = 0; h < horses.size() && h < kMostHorsesListed; ++h) {
        auto* horse = new QTreeWidgetItem(results_, {QString::fromStdString(horses[h].name)});
        QFont bold = horse->font(Name);
        bold.setBold(true);
        horse->setFont(Name, bold);
        // The note on the horse's heading: its first line, the whole of it on pointing.
        const QString note = QString::fromStdString(horses[h].note);
        horse->setText(Note, note.section(QLatin1Char('\n'), 0, 0));
        horse->setToolTip(Note, note);
        for (const library::HorseEntry& entry : horses[h].entries) horse->addChild(entryItem(entry));
        entries += horses[h].entries.size();
        horse->setExpanded(true);
    }
    if (horses.empty()) {
        summary_->setText(QStringLiteral("保存した開催日に「%1」を含む馬はいません。").arg(nameBox_->text().trimmed()));
        return;
    }
    QString text = QStringLiteral("%1頭、%2走").arg(horses.size()).arg(entries);
    if (horses.size() > kMostHorsesListed)
        text = QStringLiteral("%1頭見つかりました。初めの%2頭だけを表示しています。名前をもう少し入力してください。")
                   .arg(horses.size())
                   .arg(kMostHorsesListed);
    summary_->setText(text);
    // The first entry is in hand: Enter opens it.
    if (QTreeWidgetItem* first = results_->topLevelItem(0); first && first->childCount() > 0)
        results_->setCurrentItem(first->child(0));
}

QString HorseSearchWindow::summary() const { return summary_->text(); }

void HorseSearchWindow::open(QTreeWidgetItem* item) {
    // A horse's heading opens its newest entry.
    if (item->childCount() > 0) item = item->child(0);
    const int date = item->data(0, kDateRole).toInt();
    if (date > 0) emit entryOpened(date, item->data(0, kRaceRole).toInt(), item->data(0, kNumberRole).toInt());
}

}  // namespace zv::ui

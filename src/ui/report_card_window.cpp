#include "report_card_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <filesystem>

#include "cp932_text.h"
#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data/text_file.h"
#include "done_messages.h"
#include "long_work.h"
#include "report/report_csv.h"
#include "report/report_run.h"
#include "save_folder.h"
#include "user_feedback.h"

namespace zv::ui {
namespace {

const QString kNote = QStringLiteral(
    "率は、その着順まで結果が分かったレースの出走馬だけで数えています（人気別は、自身の次の記録が見つかった馬だけ）。"
    "結果は後の開催日の馬柱から読み取るため、馬がまだ次に走っていない最後の数日のレースは結果がほとんど分かりません。"
    "配当の記録がないので回収率は出しません。");

// The distance bands of the filter: a caption and its shortest and longest metres.
struct DistanceBand {
    const char* caption;
    std::optional<int> shortest;
    std::optional<int> longest;
};
const DistanceBand kDistanceBands[] = {
    {"すべて", std::nullopt, std::nullopt}, {"短距離 〜1300m", std::nullopt, 1300}, {"マイル 1301〜1899m", 1301, 1899},
    {"中距離 1900〜2100m", 1900, 2100},     {"長距離 2101m〜", 2101, std::nullopt},
};

// The surfaces as the user names them, and as the library keeps them.
const std::pair<const char*, const char*> kSurfaces[] = {
    {"すべて", ""}, {"芝", "芝"}, {"ダート", "ダ"}, {"障害", "障"}};

QDate dateOf(int yyyymmdd) { return QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }
int numberOf(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

// Fills box with "すべて" and values, keeping the value chosen when it is still among them.
void fillChoices(QComboBox* box, const std::vector<std::string>& values) {
    const QString chosen = box->currentIndex() > 0 ? box->currentText() : QString();
    box->clear();
    box->addItem(QStringLiteral("すべて"));
    for (const std::string& value : values) box->addItem(QString::fromStdString(value));
    box->setCurrentIndex(std::max(0, box->findText(chosen)));
}

QString percentText(const std::optional<double>& rate) {
    return rate ? QString::number(*rate * 100, 'f', 1) + QStringLiteral("%") : QStringLiteral("-");
}

QTableWidget* makeTable(const QStringList& headings) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QTableWidget* makeRateTable(const QString& firstHeading) {
    return makeTable({firstHeading, QStringLiteral("頭数"), QStringLiteral("単勝母数"), QStringLiteral("1着"),
                      QStringLiteral("勝率"), QStringLiteral("連対母数"), QStringLiteral("2着以内"),
                      QStringLiteral("連対率"), QStringLiteral("複勝母数"), QStringLiteral("3着以内"),
                      QStringLiteral("複勝率")});
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

}  // namespace

ReportCardWindow::ReportCardWindow(const QString& startFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), startFolder_(startFolder) {
    setObjectName(QStringLiteral("reportCardWindow"));
    setWindowTitle(QStringLiteral("成績集計"));
    chooseFolder_ = [](QWidget* p, const QString& start) {
        return QFileDialog::getExistingDirectory(p, QStringLiteral("開催日のフォルダを選択"), start);
    };
    chooseArchives_ = [](QWidget* p, const QString& start) {
        return QFileDialog::getOpenFileNames(p, QStringLiteral("書庫ファイルを選択"), start,
                                             QStringLiteral("書庫ファイル (*.lzh *.LZH *.lha);;すべてのファイル (*)"));
    };
    chooseSave_ = [](QWidget* p, const QString& proposed) {
        return QFileDialog::getSaveFileName(p, QStringLiteral("CSVに保存"), proposed, QStringLiteral("CSV (*.csv)"));
    };
    buildLayout();
    resize(900, 700);
}

ReportCardWindow::~ReportCardWindow() = default;

void ReportCardWindow::setChoosers(FolderChooser folder, ArchiveChooser archives, SaveChooser save) {
    chooseFolder_ = std::move(folder);
    chooseArchives_ = std::move(archives);
    chooseSave_ = std::move(save);
}

void ReportCardWindow::buildLayout() {
    inputList_ = new QListWidget;
    inputList_->setObjectName(QStringLiteral("inputList"));
    inputList_->setMaximumHeight(90);
    addFolderButton_ = new QPushButton(QStringLiteral("フォルダを追加..."));
    addArchivesButton_ = new QPushButton(QStringLiteral("書庫ファイルを追加..."));
    clearButton_ = new QPushButton(QStringLiteral("クリア"));
    startButton_ = new QPushButton(QStringLiteral("集計"));
    startButton_->setObjectName(QStringLiteral("startButton"));
    abortButton_ = new QPushButton(QStringLiteral("中止"));
    abortButton_->setObjectName(QStringLiteral("abortButton"));
    abortButton_->setEnabled(false);
    saveCsvButton_ = new QPushButton(QStringLiteral("CSVに保存..."));
    saveCsvButton_->setObjectName(QStringLiteral("saveCsvButton"));
    saveCsvButton_->setEnabled(false);
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    summaryLabel_ = new QLabel(QStringLiteral("開催日のフォルダか書庫ファイルを追加して［集計］を押してください。"));
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    noteLabel_ = new QLabel(kNote);
    noteLabel_->setObjectName(QStringLiteral("noteLabel"));
    noteLabel_->setWordWrap(true);

    markTable_ = makeRateTable(QStringLiteral("印"));
    rankTable_ = makeRateTable(QStringLiteral("順位"));
    bandTable_ = makeRateTable(QStringLiteral("指数帯"));
    popularityTable_ = makeRateTable(QStringLiteral("人気"));
    betTable_ = makeTable({QStringLiteral("券種"), QStringLiteral("レース数"), QStringLiteral("的中"),
                           QStringLiteral("的中率"), QStringLiteral("点数")});
    skippedTable_ = makeTable({QStringLiteral("入力"), QStringLiteral("理由")});
    skippedTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    markTable_->setObjectName(QStringLiteral("markTable"));
    rankTable_->setObjectName(QStringLiteral("rankTable"));
    bandTable_->setObjectName(QStringLiteral("indexBandTable"));
    popularityTable_->setObjectName(QStringLiteral("popularityTable"));
    betTable_->setObjectName(QStringLiteral("betLineTable"));
    skippedTable_->setObjectName(QStringLiteral("skippedTable"));
    chartView_ = new QChartView;
    chartView_->setObjectName(QStringLiteral("rateChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(240);
    statusBar_ = new QStatusBar;
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setSizeGripEnabled(false);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tables"));
    tabs_->addTab(markTable_, QStringLiteral("印別"));
    tabs_->addTab(rankTable_, QStringLiteral("指数順位別"));
    tabs_->addTab(bandTable_, QStringLiteral("指数帯別"));
    tabs_->addTab(popularityTable_, QStringLiteral("人気別"));
    tabs_->addTab(betTable_, QStringLiteral("買い目"));
    tabs_->addTab(skippedTable_, QStringLiteral("読めなかった入力"));

    auto* inputButtons = new QVBoxLayout;
    for (QPushButton* b : {addFolderButton_, addArchivesButton_, clearButton_}) inputButtons->addWidget(b);
    inputButtons->addStretch();
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(inputList_, 1);
    inputs->addLayout(inputButtons);
    auto* run = new QHBoxLayout;
    run->addWidget(startButton_);
    run->addWidget(progressBar_, 1);
    run->addWidget(abortButton_);
    run->addWidget(saveCsvButton_);
    libraryButton_ = new QRadioButton(QStringLiteral("ライブラリ全体"));
    libraryButton_->setObjectName(QStringLiteral("libraryButton"));
    inputsButton_ = new QRadioButton(QStringLiteral("フォルダ・書庫"));
    inputsButton_->setObjectName(QStringLiteral("inputsButton"));
    inputsButton_->setChecked(true);
    libraryButton_->setEnabled(false);
    auto* sources = new QButtonGroup(this);
    sources->addButton(libraryButton_);
    sources->addButton(inputsButton_);
    filterBox_ = buildFilterBox();
    inputs->addWidget(filterBox_);
    run->insertWidget(0, libraryButton_);
    run->insertWidget(1, inputsButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(run);
    layout->addWidget(summaryLabel_);
    layout->addWidget(chartView_, 2);
    layout->addWidget(tabs_, 3);
    layout->addWidget(noteLabel_);
    layout->addWidget(statusBar_);

    connect(libraryButton_, &QRadioButton::toggled, this, &ReportCardWindow::sourceChanged);
    sourceChanged();
    connect(addFolderButton_, &QPushButton::clicked, this, &ReportCardWindow::chooseFolder);
    connect(addArchivesButton_, &QPushButton::clicked, this, &ReportCardWindow::chooseArchives);
    connect(clearButton_, &QPushButton::clicked, inputList_, &QListWidget::clear);
    connect(startButton_, &QPushButton::clicked, this, &ReportCardWindow::start);
    connect(abortButton_, &QPushButton::clicked, this, &ReportCardWindow::requestAbort);
    connect(saveCsvButton_, &QPushButton::clicked, this, &ReportCardWindow::saveCsv);
}

QGroupBox* ReportCardWindow::buildFilterBox() {
    auto* box = new QGroupBox(QStringLiteral("絞り込み（ライブラリ）"));
    box->setObjectName(QStringLiteral("filterBox"));
    periodCheck_ = new QCheckBox(QStringLiteral("期間"));
    periodCheck_->setObjectName(QStringLiteral("periodCheck"));
    fromEdit_ = new QDateEdit;
    toEdit_ = new QDateEdit;
    fromEdit_->setObjectName(QStringLiteral("fromDate"));
    toEdit_->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit* edit : {fromEdit_, toEdit_}) {
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(periodCheck_, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    }
    racecourseBox_ = new QComboBox;
    racecourseBox_->setObjectName(QStringLiteral("racecourseBox"));
    surfaceBox_ = new QComboBox;
    surfaceBox_->setObjectName(QStringLiteral("surfaceBox"));
    for (const auto& [caption, value] : kSurfaces) surfaceBox_->addItem(QString::fromUtf8(caption));
    distanceBox_ = new QComboBox;
    distanceBox_->setObjectName(QStringLiteral("distanceBox"));
    for (const DistanceBand& band : kDistanceBands) distanceBox_->addItem(QString::fromUtf8(band.caption));
    classBox_ = new QComboBox;
    classBox_->setObjectName(QStringLiteral("classBox"));
    fillChoices(racecourseBox_, {});
    fillChoices(classBox_, {});

    // Three short rows beside the inputs, so the window keeps its size.
    auto* layout = new QGridLayout(box);
    auto* period = new QHBoxLayout;
    period->addWidget(fromEdit_);
    period->addWidget(new QLabel(QStringLiteral("〜")));
    period->addWidget(toEdit_);
    layout->addWidget(periodCheck_, 0, 0);
    layout->addLayout(period, 0, 1, 1, 3);
    const auto labelled = [layout](int row, int column, const char* caption, QComboBox* combo) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption)), row, column);
        layout->addWidget(combo, row, column + 1);
    };
    labelled(1, 0, "競馬場", racecourseBox_);
    labelled(1, 2, "コース", surfaceBox_);
    labelled(2, 0, "距離", distanceBox_);
    labelled(2, 2, "クラス", classBox_);
    return box;
}

void ReportCardWindow::setLibraryFolder(const std::filesystem::path& dataFolder) {
    libraryFolder_ = dataFolder;
    libraryButton_->setEnabled(true);
    refreshLibraryChoices();
    std::error_code ignored;
    if (std::filesystem::exists(library::Library::databaseFile(dataFolder), ignored)) setSource(Source::Library);
}

void ReportCardWindow::refreshLibraryChoices() {
    if (libraryFolder_.empty()) return;
    library::ReportFilterChoices choices;
    std::error_code ignored;
    if (std::filesystem::exists(library::Library::databaseFile(libraryFolder_), ignored)) {
        try {
            choices = library::reportFilterChoices(library::Library(libraryFolder_, library::OpenMode::Existing));
        } catch (const Error&) {
            // An unusable library is named when a count is started.
        }
    }
    fillChoices(racecourseBox_, choices.racecourses);
    fillChoices(classBox_, choices.classes);
    if (choices.firstDate > 0) {
        for (QDateEdit* edit : {fromEdit_, toEdit_})
            edit->setDateRange(dateOf(choices.firstDate), dateOf(choices.lastDate));
        if (!periodCheck_->isChecked()) {
            fromEdit_->setDate(dateOf(choices.firstDate));
            toEdit_->setDate(dateOf(choices.lastDate));
        }
    }
}

ReportCardWindow::Source ReportCardWindow::source() const {
    return libraryButton_->isChecked() ? Source::Library : Source::Inputs;
}

void ReportCardWindow::setSource(Source source) {
    if (source == Source::Library && libraryButton_->isEnabled())
        libraryButton_->setChecked(true);
    else
        inputsButton_->setChecked(true);
}

void ReportCardWindow::sourceChanged() {
    const bool library = source() == Source::Library;
    filterBox_->setEnabled(library);
    for (QWidget* w : std::initializer_list<QWidget*>{inputList_, addFolderButton_, addArchivesButton_, clearButton_})
        w->setEnabled(!library);
    if (card_.days.empty() && !running()) {
        summaryLabel_->setText(
            library ? QStringLiteral("保存した開催日を集計します。絞り込みを選んで［集計］を押してください。")
                    : QStringLiteral("開催日のフォルダか書庫ファイルを追加して［集計］を押してください。"));
    }
}

library::ReportFilter ReportCardWindow::filter() const {
    library::ReportFilter filter;
    if (periodCheck_->isChecked()) {
        filter.from = numberOf(fromEdit_->date());
        filter.to = numberOf(toEdit_->date());
    }
    if (racecourseBox_->currentIndex() > 0) filter.racecourse = racecourseBox_->currentText().toStdString();
    filter.surface = kSurfaces[std::max(0, surfaceBox_->currentIndex())].second;
    const DistanceBand& band = kDistanceBands[std::max(0, distanceBox_->currentIndex())];
    filter.shortest = band.shortest;
    filter.longest = band.longest;
    if (classBox_->currentIndex() > 0) filter.raceClass = classBox_->currentText().toStdString();
    return filter;
}

QString ReportCardWindow::dialogFolder() const { return lastSaveFolder().isEmpty() ? startFolder_ : lastSaveFolder(); }

void ReportCardWindow::chooseFolder() {
    const QString folder = chooseFolder_(this, dialogFolder());
    if (folder.isEmpty()) return;
    // The next dialog starts beside the day folder, where its neighbours are.
    rememberSaveFolderOf(folder);
    addInputs({folder});
}

void ReportCardWindow::chooseArchives() {
    const QStringList archives = chooseArchives_(this, dialogFolder());
    if (!archives.isEmpty()) rememberSaveFolderOf(archives.front());
    addInputs(archives);
}

void ReportCardWindow::addInputs(const QStringList& paths) {
    if (!paths.isEmpty()) setSource(Source::Inputs);
    for (const QString& path : paths) {
        if (!path.isEmpty() && inputList_->findItems(path, Qt::MatchExactly).isEmpty()) inputList_->addItem(path);
    }
}

QStringList ReportCardWindow::inputs() const {
    QStringList paths;
    for (int i = 0; i < inputList_->count(); ++i) paths << inputList_->item(i)->text();
    return paths;
}

bool ReportCardWindow::running() const { return job_ != nullptr; }

void ReportCardWindow::start() {
    const bool overLibrary = source() == Source::Library;
    if (job_ || (!overLibrary && inputList_->count() == 0)) return;
    countingLibrary_ = overLibrary;
    std::vector<std::filesystem::path> paths;
    for (const QString& path : inputs()) paths.emplace_back(path.toStdString());
    auto card = std::make_shared<report::ReportCard>();  // written by the job, read after its end
    auto work = [=, told = progressOnWorker_, folder = libraryFolder_,
                 narrowed = filter()](const Job::Control& control) {
        try {
            // The rows are counted in one go: there is nothing to abort or to show progress of.
            if (overLibrary) {
                *card = library::libraryReport(library::Library(folder, library::OpenMode::Existing), narrowed);
                return;
            }
            report::ReportOptions options;
            options.abortRequested = [&control] { return control.cancelled(); };
            options.progress = [&control, told](int done, int total) {
                control.progress(total == 0 ? 0 : done * 100 / total);
                if (told) told(done, total);
            };
            *card = report::runReport(paths, options);
        } catch (const Error& e) {
            card->skipped.push_back({std::string(), e.message()});
        }
    };
    const auto progress = [this](int percent) { progressBar_->setValue(percent); };
    job_ = startJob(
        this, std::move(work),
        [this, card] {
            std::exchange(job_, nullptr)->finish();
            onDone(*card);
        },
        progress);
    for (QWidget* w : std::initializer_list<QWidget*>{startButton_, addFolderButton_, addArchivesButton_, clearButton_,
                                                      saveCsvButton_}) {
        w->setEnabled(false);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{libraryButton_, inputsButton_, filterBox_}) w->setEnabled(false);
    abortButton_->setEnabled(!overLibrary);
    progressBar_->setRange(0, overLibrary ? 0 : 100);
    progressBar_->setValue(0);
    summaryLabel_->setText(QStringLiteral("集計しています..."));
    countingInputs_ = inputs();
    countTime_.start();
}

void ReportCardWindow::requestAbort() {
    if (job_) job_->cancel();
    abortButton_->setEnabled(false);
}

void ReportCardWindow::onDone(const report::ReportCard& card) {
    card_ = card;
    // Only a count of inputs is done again after a restart: the library's is quick anyway.
    if (!card_.aborted && !countingLibrary_) counted_ = {countingInputs_, countTime_.elapsed()};
    startButton_->setEnabled(true);
    inputsButton_->setEnabled(true);
    libraryButton_->setEnabled(!libraryFolder_.empty());
    sourceChanged();
    progressBar_->setRange(0, 100);
    abortButton_->setEnabled(false);
    saveCsvButton_->setEnabled(!card_.days.empty());
    if (!card_.aborted) progressBar_->setValue(100);
    showCard();
    emit finished();
}

void ReportCardWindow::showCard() {
    const report::Coverage& c = card_.coverage;
    QString summary;
    if (card_.days.empty()) {
        summary = countingLibrary_ ? QStringLiteral("絞り込みに合う保存した開催日がありません。")
                                   : QStringLiteral("読み込めた開催日がありません。");
    } else {
        summary =
            QStringLiteral(
                "%1日 (%2〜%3)  %4レース。結果が分かった出走馬 %5頭中 %6頭 (%7)。"
                "着順が分かったレース: 1着 %8 / 1・2着 %9 / 1〜3着 %10。")
                .arg(card_.days.size())
                .arg(QString::fromStdString(card_.days.front().date), QString::fromStdString(card_.days.back().date))
                .arg(c.races)
                .arg(c.runners)
                .arg(c.runnersWithResult)
                .arg(percentText(c.runners ? std::optional<double>(double(c.runnersWithResult) / c.runners)
                                           : std::nullopt))
                .arg(c.racesWithWinner)
                .arg(c.racesWithFirstTwo)
                .arg(c.racesWithFirstThree);
    }
    if (card_.aborted) summary += QStringLiteral(" 中止したため、途中までの開催日だけを集計しています。");
    if (!card_.skipped.empty()) summary += QStringLiteral(" 読めなかった入力: %1件。").arg(card_.skipped.size());
    summaryLabel_->setText(summary);

    fillRateTable(markTable_, card_.byMark);
    fillRateTable(rankTable_, card_.byRank);
    fillRateTable(bandTable_, card_.byIndexBand);
    fillRateTable(popularityTable_, card_.byPopularity);
    fillBetTable();
    skippedTable_->setRowCount(static_cast<int>(card_.skipped.size()));
    for (size_t i = 0; i < card_.skipped.size(); ++i) {
        setRow(skippedTable_, static_cast<int>(i),
               {QString::fromStdString(card_.skipped[i].path), QString::fromStdString(card_.skipped[i].reason)});
    }
    fillChart();
}

void ReportCardWindow::fillRateTable(QTableWidget* table, const std::vector<report::RateRow>& rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const report::RateRow& r = rows[i];
        QStringList cells{QString::fromStdString(r.label), QString::number(r.runners)};
        for (const report::Rate* rate : {&r.win, &r.top2, &r.top3}) {
            cells << QString::number(rate->base) << QString::number(rate->count) << percentText(rate->rate());
        }
        setRow(table, static_cast<int>(i), cells);
    }
}

void ReportCardWindow::fillBetTable() {
    betTable_->setRowCount(static_cast<int>(card_.betLines.size()));
    for (size_t i = 0; i < card_.betLines.size(); ++i) {
        const report::BetLineRow& r = card_.betLines[i];
        setRow(betTable_, static_cast<int>(i),
               {QString::fromStdString(r.type), QString::number(r.races), QString::number(r.hits),
                percentText(r.hitRate()), QString::number(r.lines)});
    }
}

void ReportCardWindow::fillChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("印別の勝率・連対率・複勝率 (線は1番人気)"));
    auto* series = new QBarSeries;
    const QStringList names{QStringLiteral("勝率"), QStringLiteral("連対率"), QStringLiteral("複勝率")};
    QStringList categories;
    for (const report::RateRow& row : card_.byMark) categories << QString::fromStdString(row.label);
    const report::RateRow* favourite = card_.byPopularity.empty() ? nullptr : &card_.byPopularity.front();
    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    auto* axisY = new QValueAxis;
    axisY->setRange(0, 100);
    axisY->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    std::vector<QBarSet*> sets;
    for (int k = 0; k < 3; ++k) {
        auto* set = new QBarSet(names[k]);
        for (const report::RateRow& row : card_.byMark) {
            const report::Rate& rate = k == 0 ? row.win : k == 1 ? row.top2 : row.top3;
            *set << rate.rate().value_or(0) * 100;
        }
        series->append(set);
        sets.push_back(set);
    }
    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    for (int k = 0; favourite && k < 3; ++k) {
        const report::Rate& rate = k == 0 ? favourite->win : k == 1 ? favourite->top2 : favourite->top3;
        if (!rate.rate()) continue;
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("1番人気 ") + names[k]);
        double y = *rate.rate() * 100;
        line->append(-0.5, y);
        line->append(categories.size() - 0.5, y);
        QPen pen(sets[static_cast<size_t>(k)]->color().darker(130));
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        line->setPen(pen);
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = chartView_->chart();
    chartView_->setChart(chart);
    delete old;
}

void ReportCardWindow::saveCsv() {
    const QString file = chooseSave_(this, dialogFolder() + QStringLiteral("/zv_report.csv"));
    if (file.isEmpty()) return;
    rememberSaveFolderOf(file);
    try {
        writeExportFile(file.toStdString(), report::reportCsv(card_), FileDurability::Regenerable);
    } catch (const Error& e) {
        UserFeedback::system().errorReport(this, QString::fromStdString(e.message()));
        return;
    }
    showDoneMessage(statusBar_, fileDoneMessage(QStringLiteral("成績をCSVに保存しました"), file));
}

}  // namespace zv::ui

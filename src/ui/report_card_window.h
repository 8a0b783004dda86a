// The report card window (ツール → 成績集計...): the user picks day folders and archives
// (starting in the download folder), the days are read off the GUI thread with a progress bar and
// an abort button, and the report card is shown as tables, a bar chart of the win, top-2 and top-3
// rates by mark with the favourite's rates as reference lines, and a note on what the rates are
// taken over. The tables can be saved as CSV.
#pragma once

#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "report/report_card.h"

class QChartView;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QThread;

namespace zv::ui {

class ReportCardWindow : public QWidget {
    Q_OBJECT
public:
    // Chooses a folder or archives to add (tests replace the dialogs).
    using FolderChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;
    using ArchiveChooser = std::function<QStringList(QWidget* parent, const QString& startFolder)>;
    using SaveChooser = std::function<QString(QWidget* parent, const QString& proposedPath)>;

    explicit ReportCardWindow(const QString& startFolder, QWidget* parent = nullptr);
    ~ReportCardWindow() override;

    void setChoosers(FolderChooser folder, ArchiveChooser archives, SaveChooser save);

    // The inputs to read; adding replaces nothing.
    void addInputs(const QStringList& paths);
    QStringList inputs() const;

    // Reads the inputs off the GUI thread; finished() follows.
    void start();
    void requestAbort();
    bool running() const;
    const report::ReportCard& card() const { return card_; }

signals:
    void finished();

private:
    void buildLayout();
    void chooseFolder();
    void chooseArchives();
    void saveCsv();
    void showCard();
    void fillRateTable(QTableWidget* table, const std::vector<report::RateRow>& rows);
    void fillBetTable();
    void fillChart();
    void onProgress(int done, int total);
    void onDone(const report::ReportCard& card);

    QString startFolder_;
    FolderChooser chooseFolder_;
    ArchiveChooser chooseArchives_;
    SaveChooser chooseSave_;

    QListWidget* inputList_;
    QPushButton* addFolderButton_;
    QPushButton* addArchivesButton_;
    QPushButton* clearButton_;
    QPushButton* startButton_;
    QPushButton* abortButton_;
    QPushButton* saveCsvButton_;
    QProgressBar* progressBar_;
    QLabel* summaryLabel_;
    QLabel* noteLabel_;
    QTabWidget* tabs_;
    QTableWidget* markTable_;
    QTableWidget* rankTable_;
    QTableWidget* bandTable_;
    QTableWidget* popularityTable_;
    QTableWidget* betTable_;
    QTableWidget* skippedTable_;
    QChartView* chartView_;

    report::ReportCard card_;
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> abort_;
};

}  // namespace zv::ui

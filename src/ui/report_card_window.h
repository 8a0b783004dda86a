// The report card window (ツール → 成績集計...): it counts the whole library of kept days, narrowed
// by date range, racecourse, surface, distance band and class, or the day folders and archives the
// user picks (the dialogs start in the one folder every save dialog shares, else in the download
// folder). The days are counted as a job (session/job.h) with a progress bar and an abort button
// (the library's rows need no abort), and the report card is shown as tables, a bar chart of the win, top-2 and top-3
// rates by mark with the favourite's rates as reference lines, and a note on what the rates are taken over. The tables
// can be saved as CSV. Closing only hides the window: its inputs and results stay for the next opening.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "library/library_report.h"
#include "report/report_card.h"
#include "session/job.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QRadioButton;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;

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

    // What a count reads: the library of kept days, or the inputs listed.
    enum class Source { Library, Inputs };
    // The library of dataFolder becomes a source, the one chosen when it holds a day.
    void setLibraryFolder(const std::filesystem::path& dataFolder);
    // The filter's racecourses, classes and dates from the library as it is now.
    void refreshLibraryChoices();
    Source source() const;
    void setSource(Source source);
    // The filter the boxes give for a count over the library.
    library::ReportFilter filter() const;

    // The inputs to read, which become the source; adding replaces nothing.
    void addInputs(const QStringList& paths);
    QStringList inputs() const;

    // The inputs of the last count that read them all, and how long it took; empty and -1 before.
    struct CountRecord {
        QStringList inputs;
        qint64 milliseconds = -1;
    };
    const CountRecord& countRecord() const { return counted_; }
    // A count of an earlier run, kept until this window finishes one.
    void setCountRecord(CountRecord record) { counted_ = std::move(record); }
    // Told on the worker thread after each day, when the progress has gone to the bar (tests
    // press Abort here).
    void setProgressOnWorker(std::function<void(int done, int total)> told) { progressOnWorker_ = std::move(told); }

    // Reads the inputs off the GUI thread; finished() follows.
    void start();
    void requestAbort();
    bool running() const;
    const report::ReportCard& card() const { return card_; }

signals:
    void finished();

private:
    void buildLayout();
    QGroupBox* buildFilterBox();
    void sourceChanged();
    void chooseFolder();
    void chooseArchives();
    void saveCsv();
    void showCard();
    void fillRateTable(QTableWidget* table, const std::vector<report::RateRow>& rows);
    void fillBetTable();
    void fillChart();
    void onDone(const report::ReportCard& card);
    // Where the dialogs start: the folder the user chose or saved in last, else startFolder_.
    QString dialogFolder() const;

    QString startFolder_;
    FolderChooser chooseFolder_;
    ArchiveChooser chooseArchives_;
    SaveChooser chooseSave_;

    std::filesystem::path libraryFolder_;
    QRadioButton* libraryButton_;
    QRadioButton* inputsButton_;
    QGroupBox* filterBox_;
    QCheckBox* periodCheck_;
    QDateEdit* fromEdit_;
    QDateEdit* toEdit_;
    QComboBox* racecourseBox_;
    QComboBox* surfaceBox_;
    QComboBox* distanceBox_;
    QComboBox* classBox_;
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
    QStatusBar* statusBar_;

    report::ReportCard card_;
    CountRecord counted_;
    QStringList countingInputs_;
    bool countingLibrary_ = false;
    QElapsedTimer countTime_;
    std::function<void(int done, int total)> progressOnWorker_;
    std::unique_ptr<Job> job_;  // last: it goes first, stopping the count that uses the rest
};

}  // namespace zv::ui

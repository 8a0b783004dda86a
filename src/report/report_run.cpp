#include "report_run.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "data/archive/intake.h"
#include "data/day_inputs.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/store.h"
#include "predict/calendar.h"
#include "report/report_tally.h"

namespace zv::report {
namespace {

namespace fs = std::filesystem;

struct DaySource {
    fs::path folder;    // where the three files are
    std::string shown;  // the input as the user gave it (UTF-8)
    LocalDateTime date;
    bool scratch = false;  // unpacked from an archive: removed once read
};

std::string shownPath(const fs::path& path) { return path.string(); }

std::string dateText(const LocalDateTime& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", d.year, d.month, d.day);
    return text;
}

// The race date of a header line; nothing when it is not a date.
std::optional<LocalDateTime> headerDate(std::string_view line) {
    const DateField date = decodeRaceHeader(Cp932View(line)).raceDate;
    if (date.state != FieldState::Value || !isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return LocalDateTime{date.year, date.month, date.day, 0};
}

std::optional<std::string> firstLine(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

class InputCollector {
public:
    InputCollector(ScratchFolder& scratch, std::vector<SkippedInput>& skipped, const ReportOptions& options)
        : scratch_(scratch), skipped_(skipped), options_(options) {}

    void add(const fs::path& path) {
        std::error_code ec;
        fs::file_status status = fs::status(path, ec);
        if (ec || !fs::exists(status)) return skip(path, "見つかりません");
        if (fs::is_regular_file(status)) return addArchive(path);
        if (!fs::is_directory(status)) return skip(path, "フォルダでも書庫ファイルでもありません");
        if (holdsRecordFile(path)) return addDayFolder(path);

        std::vector<fs::path> entries;
        for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
            entries.push_back(it->path());
        if (ec) return skip(path, "フォルダを読めません: " + errorCodeText(ec));
        std::sort(entries.begin(), entries.end());
        size_t before = sources_.size() + skipped_.size();
        for (const fs::path& entry : entries) {
            if (aborted()) return;
            if (fs::is_directory(entry, ec) && holdsRecordFile(entry))
                addDayFolder(entry);
            else if (fs::is_regular_file(entry, ec) && looksLikeArchive(entry))
                addArchive(entry);
        }
        if (sources_.size() + skipped_.size() == before) skip(path, "開催日のフォルダも書庫ファイルもありません");
    }

    bool aborted() const { return options_.abortRequested && options_.abortRequested(); }
    std::vector<DaySource> take() { return std::move(sources_); }

private:
    void skip(const fs::path& path, std::string reason) { skipped_.push_back({shownPath(path), std::move(reason)}); }

    void addDayFolder(const fs::path& folder) {
        std::error_code ec;
        for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
            if (!fs::is_regular_file(folder / name, ec))
                return skip(folder, std::string("ファイルがありません: ") + name);
        }
        addDay(folder, folder, false);
    }

    void addArchive(const fs::path& archive) {
        fs::path into = scratch_.next();
        std::error_code ec;
        fs::create_directories(into, ec);
        if (ec) return skip(archive, "作業フォルダを作成できません: " + errorCodeText(ec));
        RaceDataStore store;
        IntakeResult result = openArchive(archive, into, store, {});
        if (!result) {
            fs::remove_all(into, ec);
            return skip(archive, result.failure().message);
        }
        addDay(into, archive, true);
    }

    void addDay(const fs::path& folder, const fs::path& shown, bool scratch) {
        std::optional<std::string> line = firstLine(folder / kHeaderFile);
        std::optional<LocalDateTime> date = line ? headerDate(*line) : std::nullopt;
        if (!date) return skip(shown, "開催日を読めません (レース情報の1行目)");
        sources_.push_back({folder, shownPath(shown), *date, scratch});
    }

    ScratchFolder& scratch_;
    std::vector<SkippedInput>& skipped_;
    const ReportOptions& options_;
    std::vector<DaySource> sources_;
};

}  // namespace

ReportCard runReport(const std::vector<fs::path>& paths, const ReportOptions& options) {
    ScratchFolder scratch("zelvora-report");
    std::vector<SkippedInput> skipped;
    std::vector<ReportDay> days;
    ReportTally tally;
    bool aborted = false;

    InputCollector collector(scratch, skipped, options);
    for (const fs::path& path : paths) {
        if ((aborted = collector.aborted())) break;
        collector.add(path);
    }
    std::vector<DaySource> sources = collector.take();
    std::stable_sort(sources.begin(), sources.end(),
                     [](const DaySource& a, const DaySource& b) { return a.date < b.date; });
    const int total = static_cast<int>(sources.size());
    if (options.progress) options.progress(0, total);

    std::optional<LocalDateTime> lastDay;
    for (int i = 0; i < total && !aborted; ++i) {
        if ((aborted = collector.aborted())) break;
        const DaySource& source = sources[i];
        if (lastDay && *lastDay == source.date) {
            skipped.push_back({source.shown, "同じ開催日 (" + dateText(source.date) + ") は集計済みです"});
        } else {
            RaceDataStore store;
            try {
                if (loadDataSet(store, source.folder)) {
                    int races = tally.addDay(store, source.date, source.shown, skipped);
                    days.push_back({dateText(source.date), source.shown, races});
                    lastDay = source.date;
                } else {
                    skipped.push_back({source.shown, "記録ファイルが揃っていません"});
                }
            } catch (const Error& e) {
                skipped.push_back({source.shown, e.message()});
            }
        }
        if (source.scratch) {
            std::error_code ec;
            fs::remove_all(source.folder, ec);
        }
        if (options.progress) options.progress(i + 1, total);
    }

    ReportCard card = tally.card();
    card.days = std::move(days);
    card.skipped = std::move(skipped);
    card.aborted = aborted;
    return card;
}

}  // namespace zv::report

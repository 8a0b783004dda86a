#include "command_table.h"

#include "commands.h"
#include "service_program.h"

namespace zv::cli {
namespace {

constexpr OptionSpec kJsonOption{"--json", "表の代わりに JSON (UTF-8) で出力します"};
constexpr OptionSpec kJson[] = {kJsonOption};

constexpr OptionSpec kShow[] = {
    kJsonOption,
    {"--sort-column C", "並び順の列: 1 馬番 (既定), 2 馬名, 7 TR, 8 PR, 9 指数, 10 印", Completion::Choices,
     "1 2 7 8 9 10"},
};

constexpr OptionSpec kBetlines[] = {{"--out FILE", "書き込むファイル (必須)", Completion::Files}};
constexpr OptionSpec kKmi[] = {{"--race R", "レース R の買い目だけを書きます"}};
constexpr OptionSpec kCsv[] = {{"--yes", "途中の確認にすべて「はい」で答えます"}};

constexpr OptionSpec kDemo[] = {
    {"--seed N", "乱数の種 (0 以上、既定 1): 同じ種からは同じ開催日ができます"},
    {"--keep-existing", "データセットがすでにあるときは何も書きません"},
};

constexpr OptionSpec kSeason[] = {
    {"--days N", "開催日の数 (1〜1000、既定 16)"},
    {"--seed S", "乱数の種 (0 以上、既定 1): 同じ種からは同じシーズンができます"},
};

constexpr OptionSpec kReport[] = {
    kJsonOption,
    {"--csv FILE", "表を CSV (UTF-8、BOM 付き) にも書きます", Completion::Files},
};

constexpr OptionSpec kDownload[] = {{"--yes", "合計金額の確認に「はい」で答えます"}};

constexpr Command kCommands[] = {
    {"races",
     "races",
     "データセットの全レースを、番号 (0 から) とレース名で一覧します",
     {},
     Completion::Nothing,
     cmdRaces},
    {"race-name", "race-name R", "レース R (0 から) の名前を表示します", {}, Completion::Nothing, cmdRaceName},
    {"open",
     "open ARCHIVE",
     "LHA 書庫の開催日データを取り込んでデータフォルダに入れ、レース数を表示します",
     {},
     Completion::Archives,
     cmdOpen},
    {"show", "show R [--json] [--sort-column C]", "レース R の出馬表を、印・指数・展開・買い目の要約とともに表示します",
     kShow, Completion::Nothing, cmdShow},
    {"betlines", "betlines R --out FILE", "レース R の買い目を、買い目ウィンドウが保存するのと同じテキストで書きます",
     kBetlines, Completion::Nothing, cmdBetlines},
    {"kmi", "kmi OUT [--race R]", "全レースの買い目を連携ソフト用の .kmi ファイル OUT に書きます", kKmi,
     Completion::Files, cmdKmi},
    {"detail", "detail R N [--json]", "レース R の馬番 N の詳細 (過去の成績と戦績) を表示します", kJson,
     Completion::Nothing, cmdDetail},
    {"idx", "idx OUT", "全レースの指数を外部指数ファイル (.idx) OUT に書きます", {}, Completion::Files, cmdIdx},
    {"csv", "csv [--yes]", "この開催日の PR 平均を、データフォルダの zv.csv に書き加えます", kCsv, Completion::Nothing,
     cmdCsv},
    {"demo", "demo [--seed N] [--keep-existing] [DIR]", "デモの開催日を DIR (既定: データフォルダ) に書きます", kDemo,
     Completion::Folders, cmdDemo},
    {"season", "season DIR [--days N] [--seed S]", "連続する開催日のデモデータを、DIR に日付ごとのフォルダで書きます",
     kSeason, Completion::Folders, cmdSeason},
    {"report", "report [--json] [--csv FILE] PATH...",
     "開催日のフォルダや書庫から、印・指数・人気別の成績と買い目の的中率を集計します", kReport, Completion::Files,
     cmdReport, false, "書庫は専用の作業フォルダに取り込み、データフォルダには触れません。"},
    {"catalogue",
     "catalogue [SERVICE OPTIONS]",
     "データサービスにログインし、購入できるファイルの一覧を表示します",
     {},
     Completion::Nothing,
     runInServiceProgram,
     true},
    {"download", "download [SERVICE OPTIONS] [--yes] FILE...", "ファイルを購入してダウンロードフォルダに保存します",
     kDownload, Completion::Nothing, runInServiceProgram, true},
};

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

}  // namespace zv::cli

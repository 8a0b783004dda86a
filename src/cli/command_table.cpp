#include "command_table.h"

#include "commands.h"
#include "service_program.h"

namespace zv::cli {
namespace {

constexpr OptionSpec kJsonOption{"--json", "表の代わりに JSON (UTF-8) で出力します"};
constexpr OptionSpec kJson[] = {kJsonOption};
// Taken before the command as well: zelvora-cli --day 20260509 show 0.
constexpr OptionSpec kDayOption{"--day YYYYMMDD",
                                "データフォルダの開催日の代わりに、ライブラリに保存した開催日を使います"};
constexpr OptionSpec kDay[] = {kDayOption};
constexpr OptionSpec kDetail[] = {kJsonOption, kDayOption};

constexpr OptionSpec kShow[] = {
    kJsonOption,
    kDayOption,
    {"--sort-column C", "並び順の列: 1 馬番 (既定), 2 馬名, 7 TR, 8 PR, 9 指数, 10 印", Completion::Choices,
     "1 2 7 8 9 10"},
};

constexpr OptionSpec kBetlines[] = {{"--out FILE", "書き込むファイル (必須)", Completion::Files},
                                    {"--own", "プログラムの印の代わりに自印から買い目を作ります (消の馬は除きます)"},
                                    kDayOption};
constexpr OptionSpec kKmi[] = {{"--race R", "レース R の買い目だけを書きます"}, kDayOption};
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
    {"--from YYYYMMDD", "ライブラリのこの日以降の開催日だけを数えます"},
    {"--to YYYYMMDD", "ライブラリのこの日以前の開催日だけを数えます"},
    {"--racecourse NAME", "ライブラリのこの競馬場 (東京、中山 ..) のレースだけを数えます"},
    {"--surface S", "ライブラリのこのコースのレースだけを数えます", Completion::Choices, "芝 ダート 障害"},
    {"--distance MIN-MAX", "ライブラリのこの距離 (メートル、1000-1400 など) のレースだけを数えます"},
    {"--class NAME", "ライブラリのこのクラス (新馬、未勝利、500万 ..) のレースだけを数えます"},
};

constexpr OptionSpec kLibrary[] = {{"--json", "list の一覧を JSON (UTF-8) で出力します"}};

constexpr OptionSpec kMarks[] = {
    kJsonOption,
    kDayOption,
    {"--export FILE", "すべての開催日の自印を CSV (UTF-8、BOM 付き) に書きます", Completion::Files},
    {"--import FILE", "CSV の自印を取り込みます (取り込めない行は名前を挙げ、何も変えません)", Completion::Files},
};

constexpr OptionSpec kDownload[] = {{"--yes", "合計金額の確認に「はい」で答えます"}};

constexpr Command kCommands[] = {
    {"races", "races [--day YYYYMMDD]", "データセットの全レースを、番号 (0 から) とレース名で一覧します", kDay,
     Completion::Nothing, cmdRaces},
    {"race-name", "race-name R [--day YYYYMMDD]", "レース R (0 から) の名前を表示します", kDay, Completion::Nothing,
     cmdRaceName},
    {"open",
     "open ARCHIVE",
     "LHA 書庫の開催日データを取り込んでデータフォルダに入れ、レース数を表示します",
     {},
     Completion::Archives,
     cmdOpen},
    {"show", "show R [--json] [--sort-column C] [--day YYYYMMDD]",
     "レース R の出馬表を、印・指数・展開・買い目の要約とともに表示します", kShow, Completion::Nothing, cmdShow},
    {"betlines", "betlines R --out FILE [--own] [--day YYYYMMDD]",
     "レース R の買い目を、買い目ウィンドウが保存するのと同じテキストで書きます", kBetlines, Completion::Nothing,
     cmdBetlines},
    {"kmi", "kmi OUT [--race R] [--day YYYYMMDD]", "全レースの買い目を連携ソフト用の .kmi ファイル OUT に書きます",
     kKmi, Completion::Files, cmdKmi},
    {"detail", "detail R N [--json] [--day YYYYMMDD]", "レース R の馬番 N の詳細 (過去の成績と戦績) を表示します",
     kDetail, Completion::Nothing, cmdDetail},
    {"idx", "idx OUT [--day YYYYMMDD]", "全レースの指数を外部指数ファイル (.idx) OUT に書きます", kDay,
     Completion::Files, cmdIdx},
    {"csv", "csv [--yes]", "この開催日の PR 平均を、データフォルダの zv.csv に書き加えます", kCsv, Completion::Nothing,
     cmdCsv},
    {"demo", "demo [--seed N] [--keep-existing] [DIR]", "デモの開催日を DIR (既定: データフォルダ) に書きます", kDemo,
     Completion::Folders, cmdDemo},
    {"season", "season DIR [--days N] [--seed S]", "連続する開催日のデモデータを、DIR に日付ごとのフォルダで書きます",
     kSeason, Completion::Folders, cmdSeason},
    {"report", "report [--json] [--csv FILE] [FILTERS] [PATH...]",
     "ライブラリ (または開催日のフォルダや書庫) から、印・指数・人気別の成績と買い目の的中率を集計します", kReport,
     Completion::Files, cmdReport, false,
     "PATH を指定しないときはライブラリの全開催日を数え、--from から --class までの絞り込みが使えます。"
     "書庫は専用の作業フォルダに取り込み、データフォルダには触れません。"},
    {"library", "library add PATH... | list [--json] | check | rebuild",
     "開催日をライブラリに保存 (add: 書庫や開催日のフォルダ、フォルダの中も探します)、一覧 (list)、検査 (check)、"
     "保存した記録からの作り直し (rebuild) をします",
     kLibrary, Completion::Files, cmdLibrary, false,
     "ライブラリはデータフォルダの library.sqlite と、開催日ごとの記録を圧縮した kept-days フォルダです。"
     "同じ開催日を 2 度追加しても何も変わりません。"},
    {"horse", "horse NAME [--json]",
     "ライブラリから馬名の一部 (全角・半角、ひらがな・カタカナを問わず) "
     "で馬を探し、出走した開催日と過去の成績を表示します",
     kJson, Completion::Nothing, cmdHorse},
    {"mark", "mark R N MARK [--day YYYYMMDD]",
     "レース R の馬番 N に自印 MARK (◎ ○ ▲ △ × ☆ 消、外すときは -) を付け、すぐに保存します", kDay, Completion::Nothing,
     cmdMark, false,
     "◎ ○ ▲ △ × ☆ は 1 レースに 1 頭ずつで、別の馬に付けるとその馬へ移ります。消は何頭にでも付けられます。"
     "自印はライブラリのデータベースに、開催日・レース・馬番と馬名で保存します。"},
    {"marks", "marks [--json] [--day YYYYMMDD] | --export FILE | --import FILE",
     "開催日の自印を一覧します。--export ですべての自印を CSV に書き、--import で CSV から取り込みます", kMarks,
     Completion::Nothing, cmdMarks, false,
     "CSV は 1 行に 1 頭: 日付 (YYYYMMDD)、場コード、レース番号、馬番、馬名、印。"
     "出馬表の馬名が自印を付けたときと違う馬番は、印を移さずに知らせます。"},
    {"note",
     "note NAME [TEXT]",
     "馬 NAME のメモを表示します。TEXT を指定するとメモを書きます (空の TEXT で消します)",
     {},
     Completion::Nothing,
     cmdNote},
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

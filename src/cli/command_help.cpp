#include "command_help.h"

#include <algorithm>

namespace zv::cli {
namespace {

constexpr OptionHelp kJsonOption{"--json", "表の代わりに JSON (UTF-8) で出力します"};
constexpr OptionHelp kJson[] = {kJsonOption};

constexpr OptionHelp kShow[] = {
    kJsonOption,
    {"--sort-column C", "並び順の列: 1 馬番 (既定), 2 馬名, 7 TR, 8 PR, 9 指数, 10 印"},
};

constexpr OptionHelp kBetlines[] = {{"--out FILE", "書き込むファイル (必須)"}};
constexpr OptionHelp kKmi[] = {{"--race R", "レース R の買い目だけを書きます"}};
constexpr OptionHelp kCsv[] = {{"--yes", "途中の確認にすべて「はい」で答えます"}};

constexpr OptionHelp kDemo[] = {
    {"--seed N", "乱数の種 (0 以上、既定 1): 同じ種からは同じ開催日ができます"},
    {"--keep-existing", "データセットがすでにあるときは何も書きません"},
};

constexpr OptionHelp kSeason[] = {
    {"--days N", "開催日の数 (1〜1000、既定 16)"},
    {"--seed S", "乱数の種 (0 以上、既定 1): 同じ種からは同じシーズンができます"},
};

constexpr OptionHelp kReport[] = {
    kJsonOption,
    {"--csv FILE", "表を CSV (UTF-8、BOM 付き) にも書きます"},
};

constexpr OptionHelp kService[] = {
    {"--user ID", "会員 ID (--password-stdin と組で、保存した設定の代わりに使います)"},
    {"--password-stdin", "パスワードを標準入力から 1 行読みます (download では --yes も必要)"},
    {"--service-host URL", "接続先のサーバー (試験用)"},
    {"--ca-file FILE", "信頼する CA 証明書 (試験用)"},
    {"--dir FOLDER", "ダウンロードフォルダ (既定: 設定のフォルダ、なければデータフォルダの BVO)"},
};

constexpr OptionHelp kDownload[] = {{"--yes", "合計金額の確認に「はい」で答えます"}};

constexpr CommandHelp kCommands[] = {
    {"races", "データセットの全レースを、番号 (0 から) とレース名で一覧します", {}},
    {"race-name", "レース R (0 から) の名前を表示します", {}},
    {"open", "LHA 書庫の開催日データを取り込んでデータフォルダに入れ、レース数を表示します", {}},
    {"show", "レース R の出馬表を、印・指数・展開・買い目の要約とともに表示します", kShow},
    {"betlines", "レース R の買い目を、買い目ウィンドウが保存するのと同じテキストで書きます", kBetlines},
    {"kmi", "全レースの買い目を連携ソフト用の .kmi ファイル OUT に書きます", kKmi},
    {"detail", "レース R の馬番 N の詳細 (過去の成績と戦績) を表示します", kJson},
    {"idx", "全レースの指数を外部指数ファイル (.idx) OUT に書きます", {}},
    {"csv", "この開催日の PR 平均を、データフォルダの zv.csv に書き加えます", kCsv},
    {"demo", "デモの開催日を DIR (既定: データフォルダ) に書きます", kDemo},
    {"season", "連続する開催日のデモデータを、DIR に日付ごとのフォルダで書きます", kSeason},
    {"report", "開催日のフォルダや書庫から、印・指数・人気別の成績と買い目の的中率を集計します", kReport},
    {"catalogue", "データサービスにログインし、購入できるファイルの一覧を表示します", {}, true},
    {"download", "ファイルを購入してダウンロードフォルダに保存します", kDownload, true},
};

}  // namespace

std::span<const CommandHelp> commandHelp() { return kCommands; }

std::span<const OptionHelp> serviceOptionHelp() { return kService; }

const CommandHelp* findCommandHelp(std::string_view name) {
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&](const CommandHelp& help) { return help.name == name; });
    return found == std::end(kCommands) ? nullptr : found;
}

}  // namespace zv::cli

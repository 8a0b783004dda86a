#include "demo_names.h"

#include <algorithm>
#include <array>

namespace zv::demo {
namespace {

using Pool = std::span<const std::string_view>;

constexpr std::string_view kPrefixes[] = {
    "サクラ",   "メイショウ", "マイネル", "ダノン", "エイシン", "トウカイ", "ミッキー", "ナムラ",
    "シゲル",   "タガノ",     "テイエム", "コスモ", "ウイン",   "ゴールド", "シルバー", "キング",
    "ロード",   "グラン",     "ステラ",   "ブルー", "レッド",   "スマート", "サウンド", "ワンダー",
    "ホウオウ", "ビッグ",     "アポロ",   "カシノ", "リアル",   "ヤマニン",
};
constexpr std::string_view kMaleEndings[] = {
    "ストーム", "テイオー", "フラッシュ", "ブライト", "スター",     "ウイング", "スピリット", "ドリーム",
    "ヴォルク", "エース",   "ボルト",     "カイザー", "ミラージュ", "アロー",   "ファルコン", "サンダー",
    "ブレイブ", "ジーク",   "レオン",     "マーチ",   "オーシャン", "フォルテ", "キャプテン", "ナイト",
    "ソニック", "バロン",   "クロス",     "ダイナ",   "タイタン",   "ガイア",
};
constexpr std::string_view kFemaleEndings[] = {
    "ローズ",   "クイーン",   "ダイヤ", "ハート", "ソング", "リーフ", "プリンセス", "ティアラ", "リリー", "マリア",
    "ルージュ", "エトワール", "カノン", "ベル",   "ミモザ", "セレナ", "アイリス",   "フローラ", "ララ",   "ジュエル",
};
// Names that stand alone, without a prefix.
constexpr std::string_view kWholeNames[] = {
    "アルタイル",   "シリウス",     "オリオン",   "カシオペア", "ミストラル", "シロッコ",     "ボレアス",
    "エルドラド",   "アトラス",     "ヘリオス",   "セレーネ",   "ノクターン", "ラプソディ",   "セレナーデ",
    "ファンタジア", "アリア",       "レガート",   "カンタータ", "ハヤテマル", "イダテン",     "ツバメガエシ",
    "ムサシボウ",   "ライジンオー", "ハナミズキ", "カザハナ",   "ユキアカリ", "ホシノシズク",
};
// Word stems for the larger name pool of a season's horse population.
constexpr std::string_view kStems[] = {
    "アカ", "アオ", "ハル",   "ナツ",   "アキ", "フユ", "ソラ", "ウミ", "ヤマ",   "カゼ",   "ホシ",
    "ツキ", "ユメ", "ヒカリ", "ミライ", "トキ", "ハナ", "モリ", "カワ", "イブキ", "ミノリ", "アサヒ",
};
constexpr std::string_view kSires[] = {
    "ブレイヴェスト",     "サンライズキング", "ロイヤルアーチ",       "ゴールドハイランド",   "ミスターシャトー",
    "ウインドオブエイジ", "ノーブルクラウン", "アイアンブリッジ",     "シルバーフォーチュン", "グランドセイバー",
    "ストームライダー",   "ダークエンペラー", "マジェスティックロア", "エターナルブレイズ",   "ファーストコマンダー",
    "スカイハイロード",   "キャプテンノヴァ", "オーロラキングダム",   "ブラックリーフ",       "ヴィクトリーライン",
    "ゴールデンセイル",   "サザンクロス",     "ハイランドパーク",     "レイズアスター",
};
constexpr std::string_view kJockeys[] = {
    "佐藤翔", "高橋亮", "小林誠", "中村健", "山口大", "松本勇", "森田拓", "石井隆", "村上悠", "藤田慎",
    "岡部翔", "西田剛", "田中勝", "吉村智", "長谷川", "菊池聡", "大野航", "坂本健", "川島信", "原田和",
    "木島哲", "杉浦宏", "今井彰", "北川翼", "野口陸", "池田光", "宮下潤", "荒木悟",
};
constexpr std::string_view kJumpJockeys[] = {
    "浜野剛", "高井亮", "丸尾勇", "宮城靖", "桐生太", "伴野啓", "秋元悠", "沢田涼", "矢島健",
    "岸辺誠", "若林伸", "小寺岳", "井坂凜", "樋口亘", "栗林翼", "沖野譲", "鳴海司", "早瀬匠",
};
constexpr std::string_view kWestTrainers[] = {
    "大谷雅", "吉川恒", "奥田陽", "福井仁", "辻本真", "浅井悟", "丸岡伸",
    "堤弘",   "井口茂", "岩崎徹", "長尾登", "三宅昭", "沖田卓", "柏木誠",
};
constexpr std::string_view kEastTrainers[] = {
    "野沢誠", "河合修", "桑原英", "三上康", "早川光", "千田聡", "宇野広",
    "片山実", "杉田勉", "根岸隆", "関口章", "新井一", "内藤保", "小山田",
};
constexpr std::string_view kOwners[] = {
    "田村正樹",
    "中西和夫",
    "（株）ノースグラス",
    "（有）緑川ホース",
    "吉岡孝",
    "北原美智子",
    "（株）アークレーシング",
    "村井勝也",
    "（有）丸栄商事",
    "森永昭",
    "小松原恵",
    "（株）サンライトクラブ",
    "浅野俊介",
    "大倉隆",
    "（有）日高ホースマン",
    "宮本敏夫",
    "西川浩二",
    "（株）ブルーステラ",
    "杉本順一",
    "（株）カナリアクラブ",
    "前川幸雄",
    "岸本奈緒子",
};
constexpr std::string_view kBreeders[] = {
    "杉山牧場",     "岡村スタッド", "中島牧場",         "三輪ファーム", "北斗牧場",       "静内山田牧場",
    "高橋農場",     "桜井ファーム", "ヒダカパーク牧場", "沢井牧場",     "大北牧場",       "竹内ステーブル",
    "白樺ファーム", "千里牧場",     "谷川牧場",         "追風ファーム", "下河辺スタッド", "新冠橋本牧場",
};
// Short names of special races by racecourse, in racecourse code order (京都 00 .. 函館 09).
constexpr std::string_view kKyotoSpecials[] = {"比叡Ｓ", "八坂Ｓ", "伏見Ｓ", "嵐山Ｓ", "宇治川", "鴨川特"};
constexpr std::string_view kHanshinSpecials[] = {"難波Ｓ", "道頓堀", "鳴尾特", "御堂筋", "甲東特", "武庫川"};
constexpr std::string_view kChukyoSpecials[] = {"千種特", "知多特", "尾張Ｓ", "豊明Ｓ"};
constexpr std::string_view kKokuraSpecials[] = {"玄海特", "門司Ｓ", "響灘特", "英彦山"};
constexpr std::string_view kTokyoSpecials[] = {"府中Ｓ", "調布特", "稲城特", "多摩川", "秩父特", "是政特"};
constexpr std::string_view kNakayamaSpecials[] = {"千葉Ｓ", "湾岸Ｓ", "初音Ｓ", "早春Ｓ", "房総特", "習志野"};
constexpr std::string_view kFukushimaSpecials[] = {"松島特", "阿武隈", "吾妻特", "飯坂特"};
constexpr std::string_view kNiigataSpecials[] = {"魚沼特", "弥彦特", "信濃川", "佐渡Ｓ", "寺泊特"};
constexpr std::string_view kSapporoSpecials[] = {"羊蹄Ｓ", "藻岩山", "大倉山"};
constexpr std::string_view kHakodateSpecials[] = {"湯川特", "駒ケ岳", "松前特"};
constexpr Pool kSpecials[] = {kKyotoSpecials,   kHanshinSpecials,  kChukyoSpecials,    kKokuraSpecials,
                              kTokyoSpecials,   kNakayamaSpecials, kFukushimaSpecials, kNiigataSpecials,
                              kSapporoSpecials, kHakodateSpecials};

std::string pickName(Random& random, Pool pool) { return std::string(random.pick(pool)); }

}  // namespace

int charCount(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

std::string horseName(Random& random, bool female) {
    for (;;) {
        std::string name;
        if (random.chance(20)) {
            name = pickName(random, kWholeNames);
        } else {
            Pool endings = female && random.chance(75) ? Pool(kFemaleEndings) : Pool(kMaleEndings);
            name = pickName(random, kPrefixes) + pickName(random, endings);
        }
        if (charCount(name) <= 9) return name;
    }
}

std::string seasonHorseName(Random& random, bool female) {
    for (;;) {
        Pool endings = female && random.chance(75) ? Pool(kFemaleEndings) : Pool(kMaleEndings);
        std::string name;
        switch (random.between(0, 3)) {
            case 0: name = pickName(random, kPrefixes) + pickName(random, endings); break;
            case 1: name = pickName(random, kStems) + pickName(random, endings); break;
            case 2: name = pickName(random, kPrefixes) + pickName(random, kStems); break;
            default: name = pickName(random, kPrefixes) + pickName(random, kStems) + pickName(random, endings); break;
        }
        if (charCount(name) <= 9) return name;
    }
}

std::string sireName(Random& random) { return pickName(random, kSires); }

std::string jockeyName(Random& random, bool jump) {
    return pickName(random, jump ? Pool(kJumpJockeys) : Pool(kJockeys));
}

Trainer trainer(Random& random, bool west) {
    if (west) return {pickName(random, kWestTrainers), "50"};
    return {pickName(random, kEastTrainers), random.chance(50) ? "51" : "52"};
}

std::string ownerName(Random& random) { return pickName(random, kOwners); }
std::string breederName(Random& random) { return pickName(random, kBreeders); }
std::string specialShortName(std::string_view courseCode, int dayNumber, int level) {
    size_t course = static_cast<size_t>(
        std::clamp((courseCode.size() == 2 ? (courseCode[0] - '0') * 10 + courseCode[1] - '0' : 0), 0, 9));
    Pool pool = kSpecials[course];
    return std::string(pool[static_cast<size_t>(dayNumber * 7 + level * 3) % pool.size()]);
}

}  // namespace zv::demo

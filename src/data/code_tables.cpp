// The code tables of the race header, horse and past-race fields.
#include "code_tables.h"
#include "code_table.h"
#include "numbers.h"
#include "sjis.h"
#include "text_fill.h"

namespace zv {
namespace {

constexpr CodeEntry kRacecourses[] = {
    {"00", "京都"},   {"01", "阪神"}, {"02", "中京"}, {"03", "小倉"},   {"04", "東京"},   {"05", "中山"},
    {"06", "福島"},   {"07", "新潟"}, {"08", "札幌"}, {"09", "函館"},   {"10", "大井"},   {"11", "川崎"},
    {"12", "船橋"},   {"13", "浦和"}, {"14", "岩見"}, {"15", "旭川"},   {"16", "帯広"},   {"17", "野田"},
    {"18", "北見"},   {"19", "笠松"}, {"20", "金沢"}, {"21", "荒尾"},   {"22", "宇都"},   {"23", "佐賀"},
    {"24", "中津"},   {"25", "高崎"}, {"26", "高知"}, {"27", "足利"},   {"28", "上山"},   {"29", "水沢"},
    {"30", "三条"},   {"31", "紀井"}, {"32", "益田"}, {"33", "盛岡"},   {"34", "名古"},   {"35", "札(地)"},
    {"36", "函(地)"}, {"37", "園田"}, {"38", "福山"}, {"39", "姫路"},   {"40", "中(地)"}, {"41", "新(地)"},
    {"42", "門別"},   {"43", "弥富"}, {"44", "小林"}, {"45", "西脇"},   {"46", "境町"},   {"47", ""},
    {"48", ""},       {"49", ""},     {"50", "栗東"}, {"51", "美浦南"}, {"52", "美浦北"}, {"53", "白井"},
    {"54", "道営"},   {"55", "岩手"}, {"56", ""},     {"57", ""},       {"58", ""},       {"59", ""},
    {"60", "香港"},   {"61", "米国"}, {"62", "英国"}, {"63", "仏国"},   {"64", "愛国"},   {"65", "ＵＡＥ"},
    {"66", "加国"},   {"67", "伊国"}, {"68", "独国"}, {"69", "豪州"},   {"70", "西独"},   {"71", "新国"},
    {"90", "兵庫"},   {"91", "栃木"}, {"92", "北海"},
};

constexpr CodeEntry kWeekdays[] = {
    {"01", "(土)"}, {"02", "(日)"}, {"03", "(月)"}, {"04", "(火)"}, {"05", "(水)"}, {"06", "(木)"}, {"07", "(金)"},
};

constexpr CodeEntry kRaceTypes[] = {
    {"0", "サラ障害"},        {"1", "サラ2歳"},         {"2", "サラ3歳"},       {"3", "サラ3歳以上"},
    {"4", "サラ4歳以上"},     {"5", "アラブ2歳"},       {"6", "アラブ3歳"},     {"7", "アラブ3歳以上"},
    {"8", "サラ障害3歳以上"}, {"9", "サラ障害4歳以上"}, {"A", "アラブ4歳以上"}, {"B", "サラ4歳"},
    {"C", "アラブ4歳"},
};

constexpr CodeEntry kGrades[] = {
    {"0", "G1 "}, {"1", "G2 "}, {"2", "G3 "}, {"3", "JG1 "}, {"4", "JG2 "}, {"5", "JG3 "},
};

constexpr CodeEntry kWeightRules[] = {
    {"00", "別定"}, {"01", "馬齢"}, {"02", "ハンデ"}, {"03", "定量"}, {"90", "規定"},
};

constexpr CodeEntry kShortClasses[] = {
    {"00001", "新馬"},
    {"00002", "未出走"},
    {"00003", "未勝利"},
    {"00004", "オープン"},
};

constexpr CodeEntry kLongClasses[] = {
    {"00000", "未受"},     {"00001", "新馬"},
    {"00002", "未出走"},   {"00003", "未勝利"},
    {"00004", "オープン"}, {"00005", "オープン，牝馬"},
    {"00006", "指定馬"},   {"00007", "勝入オープン"},
    {"00008", "牝馬"},     {"00009", "オーブン，牝馬，アラブ混合"},
    {"00010", "A"},        {"00011", "A1"},
    {"00012", "A2"},       {"00013", "A3"},
    {"00014", "A4"},       {"00020", "B"},
    {"00021", "B1"},       {"00022", "B2"},
    {"00023", "B3"},       {"00024", "B4"},
    {"00030", "C"},        {"00031", "C1"},
    {"00032", "C2"},       {"00033", "C3"},
    {"00034", "C4"},       {"00040", "D"},
    {"00041", "D1"},       {"00042", "D2"},
    {"00043", "D3"},       {"00044", "D4"},
    {"00093", "調教試験"}, {"00094", "能力試験"},
};

// An open race of the long class table shows its grade instead.
constexpr CodeEntry kOpenRaceGrades[] = {
    {"0", "G1"}, {"1", "G2"}, {"2", "G3"}, {"3", "J.G1"}, {"4", "J.G2"}, {"5", "J.G3"},
};

constexpr CodeEntry kSexes[] = {{"0", "牡"}, {"1", "牝"}, {"2", "セン"}};

constexpr CodeEntry kCoatColours[] = {
    {"01", "栗毛"},   {"02", "栃栗毛"}, {"03", "鹿毛"},   {"04", "黒鹿毛"}, {"05", "青鹿毛"}, {"06", "青毛"},
    {"07", "芦毛"},   {"08", "栗粕毛"}, {"09", "鹿粕毛"}, {"10", "青粕毛"}, {"11", "白毛"},   {"12", "芦鹿毛"},
    {"13", "粕"},     {"20", "黒鹿毛"}, {"21", "芦毛"},   {"22", "芦毛"},   {"23", "鹿毛"},   {"24", "黒鹿毛"},
    {"25", "芦毛"},   {"26", "芦毛"},   {"27", "芦毛"},   {"28", "鹿毛"},   {"29", "芦毛"},   {"30", "鹿毛"},
    {"31", "黒鹿毛"}, {"32", "黒鹿毛"}, {"33", "黒鹿毛"}, {"34", "黒鹿毛"}, {"35", "黒鹿毛"},
};

constexpr CodeEntry kHorseMarkers[] = {
    {"00", ""},         {"01", "(抽)"},     {"02", "[抽]"},         {"03", "(父)"},         {"04", "(市)"},
    {"05", "(地)"},     {"06", "(外)"},     {"07", "(父)(抽)"},     {"08", "(父)(市)"},     {"09", "(父)(地)"},
    {"10", "(市)(地)"}, {"11", "(外)(地)"}, {"12", "(父)(市)(地)"}, {"15", "(招)"},         {"16", "(招)(外)"},
    {"17", "(招)(父)"}, {"18", "(招)(市)"}, {"19", "(招)(父)(市)"}, {"20", "(父)(外)"},     {"21", "[地]"},
    {"22", "(外)(地)"}, {"23", "(父)[地]"}, {"24", "(市)[地]"},     {"25", "(父)(市)[地]"}, {"26", "[外]"},
    {"27", "(父)[外]"},
};

// Names as the records abbreviate them: at most three full-width characters.
constexpr CodeEntry kBirthplaces[] = {
    {"000", "北檜山"}, {"001", "えりも"}, {"002", "様似"},   {"003", "浦河"},   {"004", "三石"},   {"005", "静内"},
    {"006", "新冠"},   {"007", "門別"},   {"008", "平取"},   {"009", "鵡川"},   {"010", "早来"},   {"011", "白老"},
    {"012", "室蘭"},   {"013", "伊達"},   {"014", "虻田"},   {"015", "幕別"},   {"016", "厚真"},   {"017", "網走"},
    {"018", "池田"},   {"019", "有珠"},   {"020", "浦幌"},   {"021", "恵庭"},   {"022", "江別"},   {"023", "追別"},
    {"024", "長万部"}, {"025", "音更"},   {"026", "音別"},   {"027", "帯広"},   {"028", "河西"},   {"029", "釧路"},
    {"030", "栗山"},   {"031", "小清水"}, {"032", "札幌"},   {"033", "鹿追"},   {"034", "清水"},   {"035", "標茶"},
    {"036", "白糠"},   {"037", "新得"},   {"038", "大樹"},   {"039", "鷹栖"},   {"040", "千歳"},   {"041", "忠類"},
    {"042", "士幌"},   {"043", "弟子屈"}, {"044", "苫小牧"}, {"045", "豊浦"},   {"046", "豊頃"},   {"047", "根室"},
    {"048", "登別"},   {"049", "函館"},   {"050", "浜中"},   {"051", "広尾"},   {"052", "深川"},   {"053", "穂別"},
    {"054", "本別"},   {"055", "森"},     {"056", "八雲"},   {"057", "青森"},   {"058", "岩手"},   {"059", "宮城"},
    {"060", "山形"},   {"061", "福島"},   {"062", "栃木"},   {"063", "群馬"},   {"064", "埼玉"},   {"065", "茨城"},
    {"066", "千葉"},   {"067", "長野"},   {"068", "京都"},   {"069", "高知"},   {"070", "宮崎"},   {"071", "鹿児島"},
    {"072", "熊本"},   {"073", "米国"},   {"074", "英国"},   {"075", "愛国"},   {"076", "仏国"},   {"077", "伊国"},
    {"078", "独国"},   {"079", "カナダ"}, {"080", "新国"},   {"081", "豪州"},   {"082", "洞爺"},   {"083", "七飯"},
    {"084", "上ノ国"}, {"085", "亜国"},   {"086", "白国"},   {"087", "瑞国"},   {"088", "壮瞥"},   {"089", "砂原"},
    {"090", "足寄"},   {"091", "別海"},   {"092", "東京"},   {"093", "神奈川"}, {"094", "兵庫"},   {"095", "佐賀"},
    {"096", "日高"},   {"097", "南郷"},   {"098", "更別"},   {"099", "チリ"},   {"100", "遠別"},   {"101", "芽室"},
    {"102", "中標津"}, {"103", "山梨"},   {"104", "伯国"},   {"105", "今金"},   {"106", "厚岸"},   {"107", "東久留"},
    {"108", "標津"},   {"109", "大分"},   {"110", "静岡"},   {"111", "由仁"},   {"112", "木古内"}, {"200", "アルジ"},
    {"201", "墺国"},   {"202", "バルバ"}, {"203", "ブルガ"}, {"204", "コロン"}, {"205", "キュー"}, {"206", "キプロ"},
    {"207", "チェコ"}, {"208", "丁国"},   {"209", "東独国"}, {"210", "エクア"}, {"211", "埃国"},   {"212", "希国"},
    {"213", "蘭国"},   {"214", "香港"},   {"215", "洪国"},   {"216", "印度"},   {"217", "インド"}, {"218", "イラン"},
    {"219", "イスラ"}, {"220", "ジャマ"}, {"221", "日本"},   {"222", "ケニア"}, {"223", "レバノ"}, {"224", "リベア"},
    {"225", "ルクセ"}, {"226", "マレー"}, {"227", "マルタ"}, {"228", "      "}, {"229", "モーリ"}, {"230", "メキシ"},
    {"231", "モロコ"}, {"232", "ノルウ"}, {"233", "パキス"}, {"234", "パナマ"}, {"235", "秘国"},   {"236", "比国"},
    {"237", "波国"},   {"238", "葡国"},   {"239", "プエル"}, {"240", "羅国"},   {"241", "シンガ"}, {"242", "南阿国"},
    {"243", "ソ連"},   {"244", "西国"},   {"245", "スリラ"}, {"246", "スーダ"}, {"247", "スイス"}, {"248", "トリニ"},
    {"249", "チュニ"}, {"250", "土国"},   {"251", "ウルグ"}, {"252", "ペネズ"}, {"253", "ユーゴ"}, {"254", "ジンバ"},
    {"255", "ロシア"},
};
constexpr int kBirthplaceWidth = 6;

constexpr CodeEntry kTrainerCentres[] = {{"50", " (栗)"}, {"51", " (南)"}, {"52", " (北)"}};

constexpr CodeEntry kGoings[] = {{"0", "良"}, {"1", "稍"}, {"2", "重"}, {"3", "不"}};

constexpr CodeEntry kPaces[] = {{"0", "H"}, {"1", "M"}, {"2", "S"}};

constexpr CodeEntry kHandicaps[] = {{"02", "H"}};

constexpr CodeEntry kCornerIncidents[] = {{"31", "落"}, {"32", "失"}, {"33", "止"}, {"34", "消"}, {"35", "除"}};

constexpr CodeEntry kCornerPositions[] = {
    {"01", "①"}, {"02", "②"}, {"03", "③"}, {"04", "④"}, {"05", "⑤"}, {"06", "⑥"}, {"07", "⑦"}, {"08", "⑧"}, {"09", "⑨"},
    {"10", "⑩"}, {"11", "⑪"}, {"12", "⑫"}, {"13", "⑬"}, {"14", "⑭"}, {"15", "⑮"}, {"16", "⑯"}, {"17", "⑰"}, {"18", "⑱"},
};

// Every table with the lookup that answers from it.
constexpr CodeTableSource kRacecoursesTable{"racecourseName", kRacecourses, "----"};
constexpr CodeTableSource kWeekdaysTable{"weekdayName", kWeekdays, "(祝)"};
constexpr CodeTableSource kRaceTypesTable{"raceTypeName", kRaceTypes, ""};
constexpr CodeTableSource kGradesTable{"gradeMark", kGrades, ""};
constexpr CodeTableSource kWeightRulesTable{"weightRuleName", kWeightRules, ""};
constexpr CodeTableSource kShortClassesTable{"raceClassShort", kShortClasses, ""};
constexpr CodeTableSource kLongClassesTable{"raceClassLong", kLongClasses, ""};
constexpr CodeTableSource kOpenRaceGradesTable{"raceClassLong grades", kOpenRaceGrades, ""};
constexpr CodeTableSource kSexesTable{"sexName", kSexes, ""};
constexpr CodeTableSource kCoatColoursTable{"coatColourName", kCoatColours, "鹿毛"};
constexpr CodeTableSource kHorseMarkersTable{"horseMarkerName", kHorseMarkers, ""};
constexpr CodeTableSource kBirthplacesTable{"birthplaceName", kBirthplaces, "", kBirthplaceWidth};
constexpr CodeTableSource kTrainerCentresTable{"trainerCentreMark", kTrainerCentres, ""};
constexpr CodeTableSource kGoingsTable{"goingName", kGoings, ""};
constexpr CodeTableSource kPacesTable{"paceLetter", kPaces, ""};
constexpr CodeTableSource kHandicapsTable{"handicapMark", kHandicaps, ""};
constexpr CodeTableSource kCornerIncidentsTable{"cornerMark incidents", kCornerIncidents, ""};
constexpr CodeTableSource kCornerPositionsTable{"cornerMark positions", kCornerPositions, "  "};

constexpr CodeTableSource kSources[] = {
    kRacecoursesTable,  kWeekdaysTable,        kRaceTypesTable,       kGradesTable, kWeightRulesTable,
    kShortClassesTable, kLongClassesTable,     kOpenRaceGradesTable,  kSexesTable,  kCoatColoursTable,
    kHorseMarkersTable, kBirthplacesTable,     kTrainerCentresTable,  kGoingsTable, kPacesTable,
    kHandicapsTable,    kCornerIncidentsTable, kCornerPositionsTable,
};

// Classes outside the tables are prize-money classes: the first four bytes in units of 10,000 yen.
std::string prizeMoneyClass(std::string_view code) {
    static const std::string man = sj("万");
    return std::to_string(toIntOrZero(code.substr(0, 4))) + man;
}

}  // namespace

std::span<const CodeTableSource> codeTableSources() { return kSources; }

std::string racecourseName(std::string_view code) {
    static const CodeTable table(kRacecoursesTable);
    return table[code];
}

std::string weekdayName(std::string_view code) {
    static const CodeTable table(kWeekdaysTable);
    return table[code];
}

std::string raceTypeName(std::string_view code) {
    static const CodeTable table(kRaceTypesTable);
    return table[code];
}

std::string surfaceName(Surface surface) {
    static const std::string jumpText = sj("障"), turfText = sj("芝"), dirtText = sj("ダ");
    switch (surface) {
        case Surface::Jump: return jumpText;
        case Surface::Turf: return turfText;
        case Surface::Dirt: break;
    }
    return dirtText;
}

std::string gradeMark(std::string_view code) {
    static const CodeTable table(kGradesTable);
    return table[code];
}

std::string weightRuleName(std::string_view code) {
    static const CodeTable table(kWeightRulesTable);
    return table[code];
}

std::string raceClassShort(std::string_view code) {
    static const CodeTable table(kShortClassesTable);
    if (const std::string* text = table.find(code)) return *text;
    return prizeMoneyClass(code);
}

std::string raceClassLong(std::string_view code, std::string_view grade) {
    static const CodeTable table(kLongClassesTable);
    static const CodeTable grades(kOpenRaceGradesTable);
    static const std::string open = sj("オープン");
    const std::string* text = table.find(code);
    if (!text) return prizeMoneyClass(code);
    if (*text == open) {
        if (const std::string* gradeText = grades.find(grade)) return *gradeText;
    }
    return *text;
}

std::string sexName(std::string_view code) {
    static const CodeTable table(kSexesTable);
    return table[code];
}

std::string coatColourName(std::string_view code) {
    static const CodeTable table(kCoatColoursTable);
    return table[code];
}

std::string horseMarkerName(std::string_view code) {
    static const CodeTable table(kHorseMarkersTable);
    return table[code];
}

std::string birthplaceName(std::string_view code) {
    static const CodeTable table(kBirthplacesTable);
    return table[code];
}

std::string trainerCentreMark(std::string_view code) {
    static const CodeTable table(kTrainerCentresTable);
    return table[code];
}

std::string goingName(std::string_view code) {
    static const CodeTable table(kGoingsTable);
    return table[code];
}

std::string paceLetter(std::string_view code) {
    static const CodeTable table(kPacesTable);
    return table[code];
}

std::string handicapMark(std::string_view code) {
    static const CodeTable table(kHandicapsTable);
    return table[code];
}

std::string cornerMark(std::string_view code) {
    static const std::string fullWidthBlank = sj("　");
    static const CodeTable incidents(kCornerIncidentsTable);
    static const CodeTable positions(kCornerPositionsTable);
    if (code == "00" || code == "  ") return fullWidthBlank;
    if (const std::string* text = incidents.find(code)) return *text;
    // Codes of 40 and up carry the position plus 40.
    if (int value = toIntOrZero(code); value >= 40) return positions[zeroPad(std::to_string(value - 40), 2)];
    return positions[code];
}

}  // namespace zv

#include "predict/past_column.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/record_codec.h"
#include "data/sjis.h"
#include "predict/cell_markup.h"
#include "support/engine_fixture.h"

namespace zv {
namespace {

using fixture::PastRace;

struct Predicted {
    Surface surface = Surface::Turf;
    int64_t distance = 1600;
    std::string date = "2010/05/09" + sj("(日)");
};

HorseRecord horse(const std::string& line) { return decodeHorseRecord(Cp932View(line)); }

PastColumn build(const std::vector<PastRace>& past, const Predicted& race = {}) {
    return buildPastColumn(horse(fixture::horseLine("HORSE NAME", past)),
                           {race.surface, race.distance, race.date, fixture::kNow});
}

PastRace pastRace() { return PastRace{}; }

TEST(BuildPastColumn, ComposesTheCellTextOfAPastRace) {
    PastColumn b = build({pastRace()});
    EXPECT_EQ(toUtf8(cellMarkup(b.pastText[0])), "東05.02 500万下<BR>芝16 35.2 　　②①<BR><B> 1着</B> ");
    EXPECT_EQ(b.pastSurface[0], Surface::Turf);
    EXPECT_EQ(b.pastDistance[0], 1600);
    EXPECT_EQ(b.pastF3F[0], 352);
    EXPECT_EQ(b.pastCorner4[0], 1);
    EXPECT_TRUE(b.pastValid[0]);
    EXPECT_EQ(b.pastPR[0], 3);
    EXPECT_EQ(b.PR, 3);
    EXPECT_EQ(b.name, "HORSE NAME");
    EXPECT_EQ(b.dates[0], (LocalDateTime{2010, 5, 9, 0}));
    EXPECT_EQ(b.dates[1], (LocalDateTime{2010, 5, 2, 0}));
}

TEST(BuildPastColumn, DecidesWhichPastRacesCount) {
    struct Case {
        const char* what;
        Surface predictedSurface;
        int64_t predictedDistance;
        std::string pastSurface, pastDistance, first3f;
        bool valid;
        int pr;
    };
    const Case cases[] = {
        {"400 m shorter", Surface::Turf, 2000, "turf", "1600", "352", true, 2},
        {"410 m shorter", Surface::Turf, 2000, "turf", "1590", "352", false, 0},
        {"400 m longer", Surface::Turf, 1200, "turf", "1600", "352", true, 2},
        {"early 3F 14.9 s", Surface::Turf, 1600, "turf", "1600", "149", false, 0},
        {"early 3F 15.0 s", Surface::Turf, 1600, "turf", "1600", "150", true, 2},
        {"other surface", Surface::Turf, 1600, "dirt", "1600", "352", false, 0},
        {"dirt on dirt", Surface::Dirt, 1600, "dirt", "1600", "352", true, 2},
        {"steeplechase for a steeplechase", Surface::Jump, 1600, "jump", "1600", "352", false, 0},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.surface = c.pastSurface;
        p.distance = c.pastDistance;
        p.first3f = c.first3f;
        p.corners[3] = "02";
        PastColumn b = build({p}, {c.predictedSurface, c.predictedDistance});
        EXPECT_EQ(b.pastValid[0], c.valid) << c.what;
        EXPECT_EQ(b.pastPR[0], c.pr) << c.what;
        EXPECT_EQ(b.PR, c.pr) << c.what;
    }
}

TEST(BuildPastColumn, ReadsTheLastCornerIntoPositionAndPoints) {
    struct Case {
        const char* code;
        int corner4;
        int pr;
    };
    const Case cases[] = {
        {"01", 1, 3}, {"02", 2, 2}, {"03", 3, 1}, {"04", 4, 0}, {"41", 1, 3}, {"43", 3, 1},
        {"31", 0, 0}, {"39", 0, 0}, {"00", 0, 0}, {"  ", 0, 0}, {"xx", 0, 0},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.corners[3] = c.code;
        PastColumn b = build({p});
        EXPECT_EQ(b.pastCorner4[0], c.corner4) << c.code;
        EXPECT_EQ(b.pastPR[0], c.pr) << c.code;
    }
}

TEST(BuildPastColumn, ScalesTheEarlyTimeOfThousandMetreRaces) {
    struct Case {
        const char* what;
        const char* course;
        const char* surface;
        const char* first3f;
        const char* time;
        const char* last3f;
        int f3f;
    };
    const Case cases[] = {
        {"niigata turf: race time less last 3F", "07", "turf", "238", "0568", "330", 357},
        {"kokura", "03", "turf", "238", "0568", "330", 357},
        {"kokura rounds up", "03", "turf", "237", "0568", "330", 356},
        {"sapporo", "08", "turf", "238", "0568", "330", 354},
        {"niigata dirt", "07", "dirt", "238", "0568", "330", 357},
        {"over a minute", "07", "turf", "238", "1002", "330", 408},
        // Local courses whose names start as niigata's and kokura's do keep the general rule.
        {"新(地) turf", "41", "turf", "238", "0568", "330", 354},
        {"新国 turf", "71", "turf", "238", "0568", "330", 354},
        {"小林", "44", "turf", "238", "0568", "330", 354},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.course = c.course;
        p.surface = c.surface;
        p.distance = "1000";
        p.first3f = c.first3f;
        p.raceTime = c.time;
        p.last3f = c.last3f;
        EXPECT_EQ(build({p}).pastF3F[0], c.f3f) << c.what;
    }
}

TEST(BuildPastColumn, WritesTheFinishingText) {
    struct Case {
        const char* finish;
        const char* ending;
    };
    const Case cases[] = {
        {"00", "<BR>--着 "}, {"01", "<BR><B> 1着</B> "}, {"02", "<BR><B> 2着</B> "}, {"03", "<BR><B> 3着</B> "},
        {"04", "<BR> 4着 "}, {"12", "<BR>12着 "},        {"  ", "<BR>--着 "},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.finish = c.finish;
        std::string text = toUtf8(cellMarkup(build({p}).pastText[0]));
        EXPECT_TRUE(text.ends_with(c.ending)) << c.finish << ": " << text;
    }
}

// A finish that is no place reads as the horse detail names it, while the mark-up of the JSON and
// the files keeps the finish as recorded.
TEST(BuildPastColumn, NamesAFinishThatIsNoPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"31", "落馬"}, {"32", "失格"}, {"33", "中止"}, {"34", "取消"}, {"35", "除外"}, {"36", "36着"}, {"30", "30着"},
    };
    for (const auto& [finish, shown] : cases) {
        PastRace p = pastRace();
        p.finish = finish;
        const CellText cell = build({p}).pastText[0];
        EXPECT_TRUE(toUtf8(cellMarkup(cell)).ends_with(std::string("<BR>") + finish + "着 ")) << finish;
        EXPECT_TRUE(toUtf8(cell.shownText()).ends_with(std::string(shown) + " ")) << finish;
    }
}

TEST(BuildPastColumn, WritesTheClassText) {
    struct Case {
        const char* what;
        const char* course;
        std::string classCode;
        std::string grade;
        std::string shortName;
        const char* start;
    };
    const Case cases[] = {
        {"below 100 shows nothing", "04", "00500", " ", "      ", "東05.02 <BR>"},
        {"1600", "04", "16000", " ", "      ", "東05.02 1600万下<BR>"},
        {"newcomers", "04", "00001", " ", "      ", "東05.02 新馬<BR>"},
        {"unraced", "04", "00002", " ", "      ", "東05.02 未出走<BR>"},
        {"maiden", "04", "00003", " ", "      ", "東05.02 未勝利<BR>"},
        {"open with grade", "04", "00004", "0", "      ", "東05.02 G1 <BR>"},
        {"open without grade", "04", "00004", " ", "      ", "東05.02 <BR>"},
        {"short name at a central course", "04", "00004", "0", sj("皐月賞"), "東05.02 皐月賞G1 <BR>"},
        {"short name elsewhere", "10", "00004", "0", sj("皐月賞"), "大05.02 皐月賞<BR>"},
        {"chukyo is 名", "02", "16000", " ", sj("中日賞"), "名05.02 中日賞1600<BR>"},
        {"名古 is not chukyo", "34", "16000", " ", sj("中日賞"), "名05.02 中日賞<BR>"},
        {"中(地) is not a central course", "40", "00004", "0", sj("皐月賞"), "中05.02 皐月賞<BR>"},
        {"新(地) is not niigata", "41", "00003", " ", sj("新潟賞"), "新05.02 新潟賞<BR>"},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.course = c.course;
        p.classCode = c.classCode;
        p.grade = c.grade;
        p.shortName = c.shortName;
        std::string text = toUtf8(cellMarkup(build({p}).pastText[0]));
        EXPECT_TRUE(text.starts_with(c.start)) << c.what << ": " << text;
    }
}

TEST(BuildPastColumn, ShowsAMissingEarlyTimeAsDashes) {
    PastRace p = pastRace();
    p.first3f = "000";
    PastColumn b = build({p});
    EXPECT_NE(toUtf8(cellMarkup(b.pastText[0])).find("芝16 --.- "), std::string::npos)
        << toUtf8(cellMarkup(b.pastText[0]));
    EXPECT_FALSE(b.pastValid[0]);
}

TEST(BuildPastColumn, TreatsAnUnknownCourseAsNoRace) {
    PastRace p = pastRace();
    p.course = "80";
    PastColumn b = build({p});
    EXPECT_TRUE(b.pastText[0].empty());
    EXPECT_TRUE(b.pastValid[0]) << "validity does not look at the course";
}

TEST(BuildPastColumn, AHorseWithoutPastRacesHasNothingAndTodaysDates) {
    PastColumn b = build({});
    for (int k = 0; k < kPastRaces; ++k) {
        EXPECT_TRUE(b.pastText[k].empty());
        EXPECT_FALSE(b.pastValid[k]);
        EXPECT_EQ(b.dates[k + 1], fixture::kNow);
    }
    EXPECT_EQ(b.PR, 0);
}

TEST(BuildPastColumn, RejectsDatesThatDoNotExist) {
    struct Case {
        const char* what;
        std::string pastDate;
        std::string raceDate;
    };
    const Case cases[] = {
        {"31 February", "20100231", "2010/05/09"},
        {"month 13", "20101301", "2010/05/09"},
        {"letters", "2010MAY2", "2010/05/09"},
        {"race date", "20100502", "2010/5/9"},
    };
    for (const Case& c : cases) {
        PastRace p = pastRace();
        p.date = c.pastDate;
        try {
            build({p}, {Surface::Turf, 1600, c.raceDate + sj("(日)")});
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion) << c.what;
        }
    }
}

TEST(BuildPastColumn, RejectsAHorseLineTooShortToHoldThePastDates) {
    std::string line = fixture::horseLine("SHORT", {}).substr(0, 1200);
    EXPECT_THROW(buildPastColumn(horse(line), {Surface::Turf, 1600, "2010/05/09" + sj("(日)"), fixture::kNow}), Error);
}

}  // namespace
}  // namespace zv

// The detail window with the fonts the program uses: the widest past-race texts of real races fit
// their columns without moving them, a longer name widens only its own column, and the labels
// stand beside their captions without running into each other.
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "data/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"
#include "predict/horse_detail.h"
#include "ui/detail_window.h"
#include "ui/ui_fonts.h"

using namespace zv;

namespace {

// One past race as the horse file holds it; texts are UTF-8 here.
struct PastRace {
    const char* racecourse = "05";
    const char* shortName = "";
    const char* classCode = "05000";
    const char* grade = " ";
    const char* jump = "0";
    const char* distance = "1600";
    const char* going = "0";
    const char* time = "1345";
    const char* popularity = "03";
    const char* finish = "02";
    const char* margin = "003";
    const char* corner = "03";
    const char* jockey = "ヨコヤマ";
    const char* opponent = "ライバル";
};

std::string horseWith(const PastRace& p) {
    RecordBuilder b(kHorseLineLength);
    b.set(uma::horse_name, sj("テストホース")).setNumber(uma::main_prize, 0).setNumber(uma::total_prize_part1, 0);
    b.setNumber(uma::total_prize_part2, 0);
    for (int c = 0; c < 4; ++c) b.setNumber(uma::recordCounter(uma::kGroupRunningStyle, c), 0);
    for (int group = 0; group < kPastGroups; ++group) {
        b.setPast(uma::past_racecourse_code, group, p.racecourse)
            .setPast(uma::past_race_date, group, "20080525")
            .setPast(uma::past_jump_flag, group, p.jump)
            .setPast(uma::past_turf_flag, group, "1")
            .setPast(uma::past_race_short_name, group, sj(p.shortName))
            .setPast(uma::past_race_class_code, group, p.classCode)
            .setPast(uma::past_grade_code, group, p.grade)
            .setPast(uma::past_distance, group, p.distance)
            .setPast(uma::past_going_code, group, p.going)
            .setPast(uma::past_race_time, group, p.time)
            .setPast(uma::past_field_size, group, "18")
            .setPast(uma::past_popularity, group, p.popularity)
            .setPast(uma::past_finish, group, p.finish)
            .setPast(uma::past_margin, group, p.margin)
            .setPast(uma::past_weight_carried, group, "560")
            .setPast(uma::past_weight_rule_code, group, "02")
            .setPast(uma::past_pace_code, group, "0")
            .setPast(uma::past_first_3f, group, "352")
            .setPast(uma::past_last_3f, group, "348")
            .setPast(uma::past_body_weight, group, "512")
            .setPast(uma::past_horse_number, group, "18")
            .setPast(uma::past_jockey_name, group, sj(p.jockey))
            .setPast(uma::past_opponent_name, group, sj(p.opponent));
        for (const FieldDef* corner : {&uma::past_corner1, &uma::past_corner2, &uma::past_corner3, &uma::past_corner4}) {
            b.setPast(*corner, group, p.corner);
        }
    }
    return b.line();
}

HorseDetail detailOf(const PastRace& race) { return buildHorseDetail(sj("セン10  黒鹿毛"), horseWith(race)); }

QList<int> columnWidths(QTableWidget* grid) {
    QList<int> widths;
    for (int column = 0; column < grid->columnCount(); ++column) widths << grid->columnWidth(column);
    return widths;
}

// Cells whose text is wider than their column, measured as the item view sizes the cell, with
// the grid line right of it.
QStringList clippedCells(QTableWidget* grid) {
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.font = grid->font();
    QStringList clipped;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QModelIndex index = grid->model()->index(row, column);
            if (grid->itemDelegate()->sizeHint(option, index).width() + 1 > grid->columnWidth(column)) {
                clipped << QStringLiteral("%1,%2 %3").arg(row).arg(column).arg(index.data().toString());
            }
        }
    }
    return clipped;
}

}  // namespace

Q_DECLARE_METATYPE(PastRace)

class DetailWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void widestTextsOfRealRacesFitWithoutMovingTheColumns_data();
    void widestTextsOfRealRacesFitWithoutMovingTheColumns();
    void aNameOfFullFieldLengthWidensOnlyItsColumn();
    void labelsStandApartInsideThePanel();
};

void DetailWindowTest::widestTextsOfRealRacesFitWithoutMovingTheColumns_data() {
    QTest::addColumn<PastRace>("race");
    PastRace local;
    local.racecourse = "35";  // 札(地)
    local.shortName = "皐月賞";
    local.classCode = "00005";  // オープン，牝馬
    local.jump = "1";
    local.distance = "3900";
    local.going = "3";
    local.time = "2599";
    local.popularity = "18";
    local.finish = "18";
    local.margin = "125";
    local.corner = "18";
    local.jockey = "ルメール";
    local.opponent = "ゼルヴォラブライト";
    QTest::newRow("a steeplechase at a local course with every field at its widest") << local;
    PastRace winner = local;
    winner.finish = "01";
    winner.margin = "999";
    QTest::newRow("a winner ten lengths clear") << winner;
    PastRace abroad;
    abroad.racecourse = "65";   // ＵＡＥ
    abroad.classCode = "00094";  // 能力試験
    abroad.corner = "34";
    QTest::newRow("an ability test abroad with a corner incident") << abroad;
    PastRace scratched;
    scratched.time = "    ";
    scratched.popularity = "34";
    scratched.finish = "34";
    QTest::newRow("a scratched run") << scratched;
}

void DetailWindowTest::widestTextsOfRealRacesFitWithoutMovingTheColumns() {
    QFETCH(PastRace, race);
    ui::TfrmSyosai window;
    const QList<int> empty = columnWidths(window.pastRaces());
    window.showHorse(detailOf(race));
    QCOMPARE(clippedCells(window.pastRaces()), QStringList());
    QCOMPARE(columnWidths(window.pastRaces()), empty);
}

void DetailWindowTest::aNameOfFullFieldLengthWidensOnlyItsColumn() {
    ui::TfrmSyosai window;
    QTableWidget* grid = window.pastRaces();
    const QList<int> usual = columnWidths(grid);
    PastRace longName;
    longName.opponent = "アイウエオカキクケコサシスセソ";  // the whole 30 bytes of the field
    window.showHorse(detailOf(longName));
    QCOMPARE(clippedCells(grid), QStringList());
    QList<int> widened = columnWidths(grid);
    QVERIFY(widened.takeLast() > usual.last());
    QCOMPARE(widened, usual.mid(0, usual.size() - 1));
    // The next horse gets the usual widths back.
    window.showHorse(detailOf(PastRace{}));
    QCOMPARE(columnWidths(grid), usual);
}

void DetailWindowTest::labelsStandApartInsideThePanel() {
    ui::TfrmSyosai window;
    PastRace race;
    window.showHorse(detailOf(race));
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    QVERIFY(labels.size() > 40);
    const QRect panel(0, 0, window.width(), window.pastRaces()->y());
    for (QLabel* label : labels) {
        QVERIFY2(panel.contains(label->geometry()), qPrintable(label->text()));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
        for (QLabel* other : labels) {
            if (other != label) QVERIFY2(!label->geometry().intersects(other->geometry()), qPrintable(label->text() + " / " + other->text()));
        }
    }
}

QTEST_MAIN(DetailWindowTest)
#include "detail_window_test.moc"

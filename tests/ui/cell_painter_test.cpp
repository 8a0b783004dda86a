#include <QtTest>

#include "data/sjis.h"
#include "predict/cell_builder.h"
#include "ui/cell_painter.h"

using namespace zv;
using zv::ui::PaintLine;
using zv::ui::paintLines;

class CellPainterTest : public QObject {
    Q_OBJECT
private slots:
    void linesKeepTheirAlignment();
    void runsKeepTheirStyle();
    void textIsShownAsItStands_data();
    void textIsShownAsItStands();
    void aLinkIsFoundUnderItsText();
    void aFinishThatIsNoPlaceIsPaintedByItsName();
    void theRoomOfACellIsItsWidestLineAndEveryLinesHeight();
};

void CellPainterTest::linesKeepTheirAlignment() {
    CellBuilder builder;
    builder.line(LineAlignment::Right).bold() << "52.7";
    builder.line(LineAlignment::Centre) << "(10)";
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    QCOMPARE(lines.size(), size_t(3));
    QVERIFY(lines[0].runs.empty());
    QCOMPARE(lines[0].alignment, Qt::AlignLeft);
    QCOMPARE(lines[1].alignment, Qt::AlignRight);
    QCOMPARE(lines[2].alignment, Qt::AlignHCenter);
    QVERIFY(paintLines(CellText()).empty());
}

void CellPainterTest::runsKeepTheirStyle() {
    CellBuilder builder;
    builder << "[";
    builder.bold() << "TR:10";
    builder.line().small() << "x";
    builder.link(12) << sj("名");
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    QCOMPARE(lines.size(), size_t(2));
    QCOMPARE(lines[0].runs.size(), size_t(2));
    QCOMPARE(lines[0].runs[0].text, QStringLiteral("["));
    QVERIFY(!lines[0].runs[0].bold);
    QCOMPARE(lines[0].runs[1].text, QStringLiteral("TR:10"));
    QVERIFY(lines[0].runs[1].bold);
    QVERIFY(lines[1].runs[0].small);
    QCOMPARE(lines[1].runs[0].link, 0);
    QCOMPARE(lines[1].runs[1].text, QStringLiteral("名"));
    QCOMPARE(lines[1].runs[1].link, 12);
}

void CellPainterTest::textIsShownAsItStands_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("runs of blanks") << QStringLiteral("1  2   3");
    QTest::newRow("the full-width blank") << QStringLiteral("馬　名");
    QTest::newRow("characters of the grid mark-up") << QStringLiteral("a<B> & <A HREF=\"3\"> </P>");
}

void CellPainterTest::textIsShownAsItStands() {
    QFETCH(QString, text);
    CellBuilder builder;
    builder << sj(text.toStdString());
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    QCOMPARE(lines.size(), size_t(1));
    QCOMPARE(lines[0].runs.size(), size_t(1));
    QCOMPARE(lines[0].runs[0].text, text);
}

void CellPainterTest::aLinkIsFoundUnderItsText() {
    CellBuilder builder;
    builder.small() << "x";
    builder.line().link(7) << "LINK";
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    const ui::CellPainter painter(QFont(QStringLiteral("IPAGothic"), 9));
    const QSize cell(135, 41);
    int found = 0;
    for (int x = 0; x < cell.width() && found == 0; ++x) {
        for (int y = 0; y < cell.height() && found == 0; ++y) found = painter.linkAt(cell, lines, QPoint(x, y));
    }
    QCOMPARE(found, 7);
    QCOMPARE(painter.linkAt(cell, lines, QPoint(cell.width() - 1, 1)), 0);
}

void CellPainterTest::aFinishThatIsNoPlaceIsPaintedByItsName() {
    CellBuilder builder;
    builder << "x";
    builder.line().incident(33) << "33" << sj("着");
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    QCOMPARE(lines.size(), size_t(2));
    QCOMPARE(lines[1].runs[0].text, QStringLiteral("中止"));
}

void CellPainterTest::theRoomOfACellIsItsWidestLineAndEveryLinesHeight() {
    CellBuilder builder;
    builder.small() << sj("牡3歳");
    builder.line().link(7) << sj("サウンドレオン");
    builder.line(LineAlignment::Right).bold() << "64.8";
    const std::vector<PaintLine> lines = paintLines(builder.cell());
    const QFont font(QStringLiteral("IPAGothic"), 9);
    const ui::CellPainter painter(font);
    const QSize room = painter.sizeOf(lines);
    const QFontMetrics metrics(font);
    QFont small = font;
    small.setPointSizeF(8);
    const int nameWidth = metrics.horizontalAdvance(QStringLiteral("サウンドレオン"));
    QCOMPARE(room.width(), nameWidth + 4);
    QFont bold = font;
    bold.setBold(true);
    QCOMPARE(room.height(), 1 + QFontMetrics(small).height() + metrics.height() + QFontMetrics(bold).height());
    // In a cell of exactly that width the whole name is a link, up to its last pixel.
    QCOMPARE(painter.linkAt(room, lines, QPoint(2 + nameWidth - 1, 1 + QFontMetrics(small).height() + 1)), 7);
    QCOMPARE(painter.sizeOf({}).width(), 4);
}

QTEST_MAIN(CellPainterTest)
#include "cell_painter_test.moc"

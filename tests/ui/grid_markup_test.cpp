#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "data/sjis.h"
#include "ui/grid_markup.h"

using zv::ui::markupPlainText;
using zv::ui::markupToHtml;

class GridMarkupTest : public QObject {
    Q_OBJECT
private slots:
    void linesAndAlignment_data();
    void linesAndAlignment();
    void boldSmallAndLink();
    void textIsShownAsItStands_data();
    void textIsShownAsItStands();
    void plainTextDropsTheMarkup_data();
    void plainTextDropsTheMarkup();
};

namespace {

struct Line {
    QString text;
    Qt::Alignment alignment;
};

QList<Line> renderedLines(const QString& utf8Markup) {
    QTextDocument document;
    document.setHtml(markupToHtml(zv::sj(utf8Markup.toStdString())));
    QList<Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines.append({block.text(), block.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute});
    }
    return lines;
}

}  // namespace

void GridMarkupTest::linesAndAlignment_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("alignments");
    const int left = Qt::AlignLeft;
    const int centre = Qt::AlignHCenter;
    const int right = Qt::AlignRight;
    QTest::newRow("a centred number under an empty line")
        << "<BR><P ALIGN=\"center\">7</P>" << QStringList{QStringLiteral("\u00a0"), QStringLiteral("7")}
        << QList<int>{left, centre};
    QTest::newRow("the index and the combined rating stay right-aligned across the break")
        << "<BR><P ALIGN=\"right\"><B>52.7</B><BR>(10)</P>"
        << QStringList{QStringLiteral("\u00a0"), QStringLiteral("52.7"), QStringLiteral("(10)")}
        << QList<int>{left, right, right};
    QTest::newRow("the name cell: small sex and age, the link, the rate on the right")
        << "<font size=\"8\">牡3歳</font><BR><A HREF=\"4\">テストホース</A><BR><P ALIGN=\"right\"><font "
           "size=\"8\">4.5</font></P>"
        << QStringList{QStringLiteral("牡3歳"), QStringLiteral("テストホース"), QStringLiteral("4.5")}
        << QList<int>{left, left, right};
    QTest::newRow("an empty cell is one empty line") << "" << QStringList{QStringLiteral("\u00a0")} << QList<int>{left};
}

void GridMarkupTest::linesAndAlignment() {
    QFETCH(QString, markup);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, alignments);
    const QList<Line> lines = renderedLines(markup);
    QCOMPARE(lines.size(), texts.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].text, texts[i]);
        QCOMPARE(int(lines[i].alignment), alignments[i]);
    }
}

void GridMarkupTest::boldSmallAndLink() {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("IPAGothic"), 9));
    document.setHtml(markupToHtml(zv::sj("[<B>TR:10</B> PR:0]<BR><font size=\"8\">x</font><A HREF=\"12\">名</A>")));
    const QTextBlock first = document.begin();
    QTextBlock::iterator run = first.begin();
    QCOMPARE(run.fragment().text(), QStringLiteral("["));
    QCOMPARE(run.fragment().charFormat().fontWeight(), int(QFont::Normal));
    ++run;
    QCOMPARE(run.fragment().text(), QStringLiteral("TR:10"));
    QCOMPARE(run.fragment().charFormat().fontWeight(), int(QFont::Bold));
    const QTextBlock second = first.next();
    QTextBlock::iterator small = second.begin();
    QCOMPARE(small.fragment().charFormat().fontPointSize(), 8.0);
    ++small;
    QCOMPARE(small.fragment().text(), QStringLiteral("名"));
    QVERIFY(small.fragment().charFormat().isAnchor());
    QCOMPARE(small.fragment().charFormat().anchorHref(), QStringLiteral("12"));
}

void GridMarkupTest::textIsShownAsItStands_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("shown");
    QTest::newRow("runs of blanks") << "1  2   3"
                                    << "1  2   3";
    QTest::newRow("the full-width blank") << "馬　名"
                                          << "馬　名";
    QTest::newRow("characters of the markup language that are no tag") << "a<b & <x> </A"
                                                                       << "a<b & <x> </A";
    QTest::newRow("an unknown font size") << "<font size=\"9\">z"
                                          << "<font size=\"9\">z";
    QTest::newRow("a link that never ends its value") << "<A HREF=\"3"
                                                      << "<A HREF=\"3";
}

void GridMarkupTest::textIsShownAsItStands() {
    QFETCH(QString, markup);
    QFETCH(QString, shown);
    const QList<Line> lines = renderedLines(markup);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].text, shown);
}

void GridMarkupTest::plainTextDropsTheMarkup_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("plain");
    QTest::newRow("a runner number cell") << "<BR><P ALIGN=\"center\">12</P>"
                                          << "12";
    QTest::newRow("a name cell") << "<font size=\"8\">牝4歳</font><BR><A HREF=\"2\">名馬</A>"
                                 << "牝4歳名馬";
    QTest::newRow("no markup") << "abc"
                               << "abc";
}

void GridMarkupTest::plainTextDropsTheMarkup() {
    QFETCH(QString, markup);
    QFETCH(QString, plain);
    QCOMPARE(QString::fromStdString(zv::toUtf8(markupPlainText(zv::sj(markup.toStdString())))), plain);
}

QTEST_MAIN(GridMarkupTest)
#include "grid_markup_test.moc"

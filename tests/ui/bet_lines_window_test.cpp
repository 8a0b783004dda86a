#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "data/error.h"
#include "data/sjis.h"
#include "ui/bet_lines_window.h"
#include "ui/ui_fonts.h"

using namespace zv;

class BetWindowTest : public QObject {
    Q_OBJECT
private slots:
    void proposedNameIsCutOnCharacterBoundaries_data();
    void proposedNameIsCutOnCharacterBoundaries();
    void savedTextIsCp932WithCrLfBetweenLines();
    void unwritableFileLeavesNothingBehind();
    void theLongestLinesShowWithoutScrollingAcross();
};

void BetWindowTest::proposedNameIsCutOnCharacterBoundaries_data() {
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("course, number, R") << QStringLiteral("東京11R 第1回") << QStringLiteral("東京11R.txt");
    QTest::newRow("seventh byte is a lead byte") << QStringLiteral("東京11中山") << QStringLiteral("東京11.txt");
    QTest::newRow("short status") << QStringLiteral("11R") << QStringLiteral("11R.txt");
    QTest::newRow("empty status") << QString() << QStringLiteral(".txt");
}

void BetWindowTest::proposedNameIsCutOnCharacterBoundaries() {
    QFETCH(QString, status);
    QFETCH(QString, expected);
    const std::string name = ui::proposedBetTextFileName(fromUtf8(status.toStdString()));
    QCOMPARE(QString::fromStdString(toUtf8(name)), expected);
}

void BetWindowTest::savedTextIsCp932WithCrLfBetweenLines() {
    ui::BetLinesWindow window;
    window.setContent(QStringLiteral("東京11R"), QStringLiteral("単勝 05\n\n馬連 05-12"));
    QTemporaryDir dir;
    QString proposed;
    window.setSaveFileChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return dir.filePath(name);
    });
    window.saveAsText();
    QCOMPARE(proposed, QStringLiteral("東京11R.txt"));
    std::ifstream in(std::filesystem::path(dir.filePath(proposed).toStdString()), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    QCOMPARE(bytes.str(), sj("単勝 05\r\n\r\n馬連 05-12"));
}

void BetWindowTest::unwritableFileLeavesNothingBehind() {
    ui::BetLinesWindow window;
    window.setContent(QStringLiteral("東京11R"), QStringLiteral("x"));
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("missing/東京11R.txt"));
    window.setSaveFileChooser([&](QWidget*, const QString&) { return target; });
    QVERIFY_THROWS_EXCEPTION(Error, window.saveAsText());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(window.text(), QStringLiteral("x"));
}

void BetWindowTest::theLongestLinesShowWithoutScrollingAcross() {
    ui::installFontSubstitutions();
    ui::BetLinesWindow window;
    const QString trifecta = QStringLiteral("12-14-16  12-14-15  12-16-14  12-16-15  12-15-14  12-15-16");
    // Enough lines that the scroll bar beside them is shown and takes its share of the width.
    window.setContent(QStringLiteral("東京11R"),
                      QStringLiteral("[3連単] 計36点\n") + (trifecta + QLatin1Char('\n')).repeated(60));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPlainTextEdit* memo = window.textView();
    const int margins = 2 * int(memo->document()->documentMargin());
    QVERIFY(memo->verticalScrollBar()->isVisible());
    QVERIFY(QFontMetrics(memo->font()).horizontalAdvance(trifecta) + margins < memo->viewport()->width());
}

QTEST_MAIN(BetWindowTest)
#include "bet_lines_window_test.moc"

// Finding a day by its date as typed: digits of any width, with or without separators.
#include <QtTest>

#include "ui/date_query.h"

class DateQueryTest : public QObject {
    Q_OBJECT
private slots:
    void aQueryNamesTheDatesItsNumbersFit_data();
    void aQueryNamesTheDatesItsNumbersFit();
};

void DateQueryTest::aQueryNamesTheDatesItsNumbersFit_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("names0509");
    QTest::addColumn<bool>("names1105");
    QTest::newRow("nothing typed") << QString() << true << true;
    QTest::newRow("month and day") << QStringLiteral("0509") << true << false;
    QTest::newRow("with a slash") << QStringLiteral("5/9") << true << false;
    QTest::newRow("year and month") << QStringLiteral("2026/05") << true << false;
    QTest::newRow("the whole date") << QStringLiteral("20261105") << false << true;
    QTest::newRow("full-width, in words") << QStringLiteral("２０２６年１１月５日") << false << true;
    QTest::newRow("another year") << QStringLiteral("2025") << false << false;
    QTest::newRow("letters only") << QStringLiteral("土") << true << true;
}

void DateQueryTest::aQueryNamesTheDatesItsNumbersFit() {
    QFETCH(QString, query);
    QFETCH(bool, names0509);
    QFETCH(bool, names1105);
    QCOMPARE(zv::ui::dateMatchesQuery(20260509, query), names0509);
    QCOMPARE(zv::ui::dateMatchesQuery(20261105, query), names1105);
}

QTEST_GUILESS_MAIN(DateQueryTest)
#include "date_query_test.moc"

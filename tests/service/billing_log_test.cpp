#include "service/billing_log.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"
#include "service_fixture.h"

namespace zv {
namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(BillingLog, LineLayout) {
    EXPECT_EQ(billingLine(at(2026, 4, 5, 7, 3, 9), "hb0405.lzh", "1050円", "user01").bytes(),
              sj("2026/04/05 07:03:09    hb0405.lzh    1050円    user01@BIGLOBE\r\n"));
    EXPECT_EQ(billingLine(at(1999, 12, 31, 23, 59, 58), "a", "1", "").bytes(),
              "1999/12/31 23:59:58    a    1    @BIGLOBE\r\n");
}

TEST(BillingLog, AppendsAndCreates) {
    fixture::TempFolder folder;
    appendBillingLine(folder.path(), Cp932("one\r\n"));
    appendBillingLine(folder.path(), Cp932("two\r\n"));
    EXPECT_EQ(fixture::readFile(folder.path() / kBillingLogName), "one\r\ntwo\r\n");
}

TEST(BillingLog, ReadOnlyLogReceivesNothing) {
    fixture::TempFolder folder;
    fixture::writeFile(folder.path(), kBillingLogName, "old\r\n");
    std::filesystem::permissions(folder.path() / kBillingLogName,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_NO_THROW(appendBillingLine(folder.path(), Cp932("new\r\n")));
    EXPECT_EQ(fixture::readFile(folder.path() / kBillingLogName), "old\r\n");
}

TEST(BillingLog, UnwritablePlaceIsAnError) {
    fixture::TempFolder folder;
    try {
        appendBillingLine(folder.path() / "missing", Cp932("line\r\n"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

}  // namespace
}  // namespace zv

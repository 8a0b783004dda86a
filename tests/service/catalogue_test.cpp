#include "service/catalogue.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"
#include "service_fixture.h"

namespace zv {
namespace {

TEST(TaxedPrice, ExtendedPrecisionWithHalvesToEven) {
    struct Case {
        int64_t price;
        int64_t taxed;
    };
    // Exact products: 10.5 and 30 × 1.05 fall a hair below their half (1.05 is held a hair low),
    // 150 × 1.05 rounds to exactly 157.5 and goes to the even 158, 210 to the even 220.
    const Case cases[] = {
        {0, 0},       {1, 1},       {10, 10},
        {30, 31},     {50, 52},     {70, 74},
        {90, 94},     {100, 105},   {110, 115},
        {130, 136},   {150, 158},   {170, 178},
        {190, 199},   {210, 220},   {230, 241},
        {250, 262},   {270, 284},   {290, 304},
        {300, 315},   {310, 326},   {330, 346},
        {350, 367},   {370, 388},   {390, 409},
        {410, 430},   {500, 525},   {630, 662},
        {650, 682},   {800, 840},   {1000, 1050},
        {1010, 1060}, {1030, 1082}, {1050, 1102},
        {1070, 1124}, {1090, 1144}, {1110, 1166},
        {1130, 1186}, {1150, 1208}, {2147483647, 2254857829},
    };
    for (const Case& c : cases) EXPECT_EQ(taxedPrice(c.price), c.taxed) << c.price;
}

TEST(CommaItem, GuestFirstMemberSecond) {
    struct Case {
        const char* list;
        std::string guest;
        std::string member;
    };
    const Case cases[] = {
        {"1000,800", "1000", "800"}, {"210", "210", "210"}, {"a,,b", "a", "b"},  {" a , b ", "a", "b"},
        {",,a,,,b,,", "", "a"},      {"", "", ""},          {"x,y,z", "x", "y"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commaItem(c.list, Membership::Guest), c.guest) << c.list;
        EXPECT_EQ(commaItem(c.list, Membership::Member), c.member) << c.list;
    }
}

const char* const kSettings =
    "[SITE_DATA_GUEST]\r\nURLB=dl.example/guest\r\n"
    "[SITE_DATA_MEMBER]\r\nURLB=dl.example/member\r\n"
    "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/g/ , /m/\r\nPRICE=1000,800\r\n"
    "FILE=hb0410.lzh\r\nFILE=hb0411.lzh \r\nFILE=../escape.lzh\r\nFILE=\r\n"
    "[SUNDBL_SYUTSUBA+KYOUSOUBA]\r\nPATHB=/s/\r\nPRICE=210\r\nFILE=hs0410.lzh\r\nFILE=hb0410.lzh\r\n";

TEST(CatalogueEntries, PricesKindsAndPathsPerMembership) {
    ServiceSettingsFile settings = ServiceSettingsFile::parse(kSettings);
    const std::string all = "出馬表+競走馬";
    const std::string sunday = "出馬表+競走馬(日曜重賞付)";
    std::vector<CatalogueEntry> guest = catalogueEntries(settings, Membership::Guest);
    ASSERT_EQ(guest.size(), 4u);
    EXPECT_EQ(guest[0].fileName, "hb0410.lzh");
    EXPECT_EQ(guest[0].kind, all);
    EXPECT_EQ(guest[0].price, "1050");
    EXPECT_EQ(guest[0].path, "https://dl.example/guest/g/");
    EXPECT_EQ(guest[1].fileName, "hb0411.lzh ");
    EXPECT_EQ(guest[2].fileName, "hs0410.lzh");
    EXPECT_EQ(guest[2].kind, sunday);
    EXPECT_EQ(guest[2].price, "220");
    EXPECT_EQ(guest[2].path, "https://dl.example/guest/s/");

    std::vector<CatalogueEntry> member = catalogueEntries(settings, Membership::Member);
    ASSERT_EQ(member.size(), 4u);
    EXPECT_EQ(member[0].price, "840");
    EXPECT_EQ(member[0].path, "https://dl.example/member/m/");
    EXPECT_EQ(member[3].price, "220");
}

TEST(CatalogueEntries, MissingPartsAndBadPrices) {
    ServiceSettingsFile bare = ServiceSettingsFile::parse("[SYUTSUBA+KYOUSOUBA_ALL]\nPRICE=150\nFILE=a.lzh\n");
    std::vector<CatalogueEntry> entries = catalogueEntries(bare, Membership::Guest);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "https://");
    EXPECT_EQ(entries[0].price, "158");

    EXPECT_TRUE(
        catalogueEntries(ServiceSettingsFile::parse("[SYUTSUBA+KYOUSOUBA_ALL]\nPRICE=x\n"), Membership::Guest).empty());
    try {
        catalogueEntries(ServiceSettingsFile::parse("[SYUTSUBA+KYOUSOUBA_ALL]\nPRICE=1,2x\nFILE=a.lzh\n"),
                         Membership::Member);
        FAIL() << "no conversion error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_EQ(e.text(), "2x");
    }
}

TEST(ListableEntries, HidesPresentFilesAndTheirHzCounterparts) {
    std::vector<CatalogueEntry> entries = {
        {"hb0410.lzh", "k1", "1", "p"}, {"hz0410.lzh", "k", "1", "p"},  {"hb0411.lzh", "k", "1", "p"},
        {"hb0412.lzh", "k", "1", "p"},  {"hb0411.lzh", "k2", "2", "q"}, {"HB0413.lzh", "k", "1", "p"},
    };
    std::vector<std::string> present = {"hz0410.lzh", "hb0412.lzh", "hz0413.lzh"};
    std::vector<CatalogueEntry> rows = listableEntries(entries, present);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fileName, "hb0411.lzh");
    EXPECT_EQ(rows[0].kind, "k");  // the first of the duplicates
    EXPECT_EQ(rows[1].fileName, "HB0413.lzh");
}

TEST(GatherFileNames, WalksSubFoldersAndSkipsFolderNames) {
    fixture::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "old" / "hb0409.lzh");
    fixture::writeFile(folder.path(), "hz0410.lzh", "x");
    fixture::writeFile(folder.path() / "old", "hb0408.lzh", "x");
    std::vector<std::string> names = gatherFileNames(folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"hb0408.lzh", "hz0410.lzh"}));
    EXPECT_TRUE(gatherFileNames(folder.path() / "missing").empty());
}

TEST(Membership, FromLoginText) {
    const std::string memberPage = sj("<html>このページにはフレームが使用されていますが、</html>\r\n");
    struct Case {
        std::string text;
        std::optional<Membership> who;
    };
    const Case cases[] = {
        {memberPage, Membership::Member},
        {"403\r\n", Membership::Guest},
        {"401\r\n", std::nullopt},
        {"-1\r\n", std::nullopt},
        {toUtf8(memberPage), std::nullopt},  // the page comes as CP932
        {"<p>error 4030</p>\r\n", Membership::Guest},
    };
    for (const Case& c : cases) EXPECT_EQ(membershipOf(Cp932View(c.text)), c.who) << c.text;
}

TEST(MemberLabel, UserIdComesBackFromTheLabel) {
    EXPECT_EQ(memberLabel(Cp932View("abc"), Membership::Member), "abcはBIGLOBEメンバーとして認証されています");
    EXPECT_EQ(memberLabel(Cp932View("abc"), Membership::Guest), "abcはBIGLOBEゲストとして認証されています");
    struct Case {
        std::string id;
        std::string back;
    };
    const Case cases[] = {
        {"user01", "user01"},
        {"", ""},
        {sj("ぱは"), "ぱ"},       // cut at the first は
        {"\x83\x82\xCD", "モﾍ"},  // 0x82 0xCD inside other characters is no は
    };
    for (const Case& c : cases) {
        EXPECT_EQ(userIdFromMemberLabel(memberLabel(Cp932View(c.id), Membership::Guest)), c.back);
    }
}

TEST(ArchiveUrl, EncodesTheFileName) {
    EXPECT_EQ(archiveUrl({"hb0410.lzh", "", "", "https://h/p/"}), "https://h/p/hb0410.lzh");
    EXPECT_EQ(archiveUrl({"a b#?.lzh ", "", "", "https://h/"}), "https://h/a%20b%23%3F.lzh%20");
}

}  // namespace
}  // namespace zv

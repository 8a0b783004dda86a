#include "service/credential_cipher.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"

namespace zv {
namespace {

std::string errorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.message();
    }
    return "no error";
}

TEST(CredentialCipher, StoredFormHasTheKnownLengthAndValue) {
    struct Case {
        std::string plain;
        size_t length;
        const char* stored;
    };
    const Case cases[] = {
        {"a", 24, "mvxMiM321VFkZcUWFturTw=="},
        {"secret", 24, "TzDOQbfuXZrsYcQWlKFH/w=="},
        {"abcdefghijklmnop", 44, "yUR0eYTuawEhZeY26HwqmovrXpqANaVbvTaeyWMjEOo="},
    };
    for (const Case& c : cases) {
        std::string stored = encipherPassword(c.plain);
        EXPECT_EQ(stored.size(), c.length) << c.plain;
        EXPECT_EQ(stored, c.stored) << c.plain;
        EXPECT_EQ(decipherPassword(stored), c.plain);
    }
    EXPECT_TRUE(encipherPassword("a").ends_with("=="));
}

TEST(CredentialCipher, RoundTripsEveryLengthAndShiftJisBytes) {
    std::vector<std::string> passwords = {sj("パスワード"), std::string("\x00\x01\xff", 3)};
    for (int n = 1; n <= 40; ++n)
        passwords.push_back(std::string(static_cast<size_t>(n), static_cast<char>('0' + n % 10)));
    for (const std::string& p : passwords) {
        std::string stored = encipherPassword(p);
        EXPECT_EQ(stored.size(), 4 * (((p.size() / 16 + 1) * 16 + 2) / 3)) << p.size();
        EXPECT_EQ(stored.find('\n'), std::string::npos);
        EXPECT_EQ(decipherPassword(stored), p);
    }
}

TEST(CredentialCipher, EmptyStaysEmpty) {
    EXPECT_EQ(encipherPassword(""), "");
    EXPECT_EQ(decipherPassword(""), "");
}

TEST(CredentialCipher, DamagedStoredValues) {
    struct Case {
        const char* stored;
        const char* why;
    };
    const Case emptyResults[] = {
        {"AeJ7bbhBkqRySeGA6pLOIA==", "last byte 0"},  {"E+F0QGyj4DzwI13K2XUamQ==", "last byte 17"},
        {"E5mopgt3TyZL/gNnt7PaQg==", "last byte 88"}, {"mvxMiM321VFkZcUWFturT3xhYmNk", "21 bytes, not whole blocks"},
        {"mvxMiM321VFkZcUWFturTw=!", "not Base64"},   {"mvxMiM321VFkZcUWFturTw", "Base64 without its padding"},
    };
    for (const Case& c : emptyResults) EXPECT_EQ(decipherPassword(c.stored), "") << c.why;
    // The other padding bytes are not examined.
    EXPECT_EQ(decipherPassword("vEraX66j5Qc5FkEtVUf66w=="), "abcdefghijklmn");
    for (const char* tooShort : {"QUJD", "AAAAAAAAAAAAAAAAAAAA"}) {
        EXPECT_EQ(errorText([&] { decipherPassword(tooShort); }), "Rijndael: Input not valid - too short") << tooShort;
    }
}

TEST(CredentialCipher, KeyRules) {
    Rijndael cipher;
    EXPECT_EQ(errorText([&] { cipher.encryptToBase64("x"); }), "Rijndael: Key not set");
    EXPECT_EQ(errorText([&] { cipher.setKey(""); }), "Rijndael: Key must be between 1 and 255 bytes");
    EXPECT_EQ(errorText([&] { cipher.setKey(std::string(256, 'k')); }),
              "Rijndael: Key must be between 1 and 255 bytes");
    cipher.setKey(std::string(255, 'k'));
    EXPECT_EQ(cipher.encryptToBase64("x").size(), 24u);
    // Every use wipes the key, also a failing one.
    EXPECT_EQ(errorText([&] { cipher.decryptFromBase64("x"); }), "Rijndael: Key not set");
    cipher.setKey("QTR_Lume");
    EXPECT_THROW(cipher.decryptFromBase64("QUJD"), Error);
    EXPECT_EQ(errorText([&] { cipher.encryptToBase64("x"); }), "Rijndael: Key not set");
}

TEST(CredentialCipher, KeyStringFoldsIntoThirtyTwoBytes) {
    // Byte 32 of a key string XORs into byte 0: "A" + 31 zero bytes + "A" is the all-zero key.
    std::string folded = "A" + std::string(31, '\0') + "A";
    Rijndael a, b;
    a.setKey(folded);
    b.setKey(std::string(1, '\0'));
    EXPECT_EQ(a.encryptToBase64("same"), b.encryptToBase64("same"));
}

}  // namespace
}  // namespace zv

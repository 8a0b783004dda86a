// The cipher of the stored service password: AES-256 in ECB mode over the password's CP932 bytes,
// padded with n bytes of value n (a whole block when the length is a multiple of 16), written as
// Base64 without line breaks. The 32-byte key is the key string XORed into zero bytes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zv {

class Rijndael {
public:
    Rijndael() = default;
    ~Rijndael();
    Rijndael(const Rijndael&) = delete;
    Rijndael& operator=(const Rijndael&) = delete;

    // Folds the key string (1 to 255 bytes) into the key; throws zv::Error otherwise.
    void setKey(std::string_view keyString);

    // Both wipe the key afterwards, also when they fail, so every use sets the key again.
    // Without a key they throw "Rijndael: Key not set".
    std::string encryptToBase64(std::string_view plain);
    // An empty text gives an empty result; fewer than 16 decoded bytes throw "Rijndael: Input not
    // valid - too short"; text that is not Base64 of whole blocks, or a last byte outside 1..16,
    // gives an empty result.
    std::string decryptFromBase64(std::string_view stored);

    void burn();

private:
    std::array<unsigned char, 32> key_{};
    bool keySet_ = false;
};

// The stored form of a password and back, with the program's fixed key string.
std::string encipherPassword(std::string_view plain);
std::string decipherPassword(std::string_view stored);

}  // namespace zv

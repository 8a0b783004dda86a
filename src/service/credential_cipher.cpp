#include "credential_cipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>
#include <optional>
#include <vector>

#include "data/error.h"

namespace zv {
namespace {

constexpr size_t kBlock = 16;
constexpr std::string_view kPasswordKey = "QTR_Lume";

struct CtxFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

// One pass of AES-256-ECB over whole blocks, without padding of its own.
std::string aesEcb(const std::array<unsigned char, 32>& key, std::string_view data, bool encrypt) {
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    if (!ctx || EVP_CipherInit_ex(ctx.get(), EVP_aes_256_ecb(), nullptr, key.data(), nullptr, encrypt ? 1 : 0) != 1) {
        throw Error(ErrorKind::Format, "Rijndael: cipher not available");
    }
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    std::string out(data.size(), '\0');
    int outLen = 0;
    int finalLen = 0;
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    if (EVP_CipherUpdate(ctx.get(), dst, &outLen, reinterpret_cast<const unsigned char*>(data.data()),
                         static_cast<int>(data.size())) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), dst + outLen, &finalLen) != 1) {
        throw Error(ErrorKind::Format, "Rijndael: cipher failed");
    }
    out.resize(static_cast<size_t>(outLen) + static_cast<size_t>(finalLen));
    return out;
}

std::string base64Encode(std::string_view bytes) {
    std::string out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                            reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    out.resize(static_cast<size_t>(n));
    return out;
}

// Standard Base64 with "=" padding; nothing when the text is not such Base64.
std::optional<std::string> base64Decode(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out(text.size() / 4 * 3, '\0');
    int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                            reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    if (n < 0) return std::nullopt;
    size_t padding = 0;
    while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=') ++padding;
    out.resize(static_cast<size_t>(n) - padding);
    return out;
}

void wipe(std::string& s) {
    if (!s.empty()) OPENSSL_cleanse(s.data(), s.size());
}

}  // namespace

Rijndael::~Rijndael() { burn(); }

void Rijndael::setKey(std::string_view keyString) {
    if (keyString.empty() || keyString.size() > 255) {
        throw Error(ErrorKind::Format, "Rijndael: Key must be between 1 and 255 bytes");
    }
    key_.fill(0);
    for (size_t i = 0; i < keyString.size(); ++i) key_[i % key_.size()] ^= static_cast<unsigned char>(keyString[i]);
    keySet_ = true;
}

void Rijndael::burn() {
    OPENSSL_cleanse(key_.data(), key_.size());
    keySet_ = false;
}

std::string Rijndael::encryptToBase64(std::string_view plain) {
    struct Burn {
        Rijndael& r;
        ~Burn() { r.burn(); }
    } burnAfter{*this};
    if (!keySet_) throw Error(ErrorKind::Format, "Rijndael: Key not set");
    if (plain.empty()) return {};
    std::string padded(plain);
    size_t pad = kBlock - plain.size() % kBlock;
    padded.append(pad, static_cast<char>(pad));
    std::string cipher = aesEcb(key_, padded, true);
    wipe(padded);
    return base64Encode(cipher);
}

std::string Rijndael::decryptFromBase64(std::string_view stored) {
    struct Burn {
        Rijndael& r;
        ~Burn() { r.burn(); }
    } burnAfter{*this};
    if (!keySet_) throw Error(ErrorKind::Format, "Rijndael: Key not set");
    if (stored.empty()) return {};
    std::optional<std::string> cipher = base64Decode(stored);
    if (cipher && cipher->size() < kBlock) throw Error(ErrorKind::Format, "Rijndael: Input not valid - too short");
    if (!cipher || cipher->size() % kBlock != 0) return {};
    std::string plain = aesEcb(key_, *cipher, false);
    auto last = static_cast<unsigned char>(plain.back());
    if (last < 1 || last > kBlock) {
        wipe(plain);
        return {};
    }
    plain.resize(plain.size() - last);
    return plain;
}

std::string encipherPassword(std::string_view plain) {
    Rijndael cipher;
    cipher.setKey(kPasswordKey);
    return cipher.encryptToBase64(plain);
}

std::string decipherPassword(std::string_view stored) {
    Rijndael cipher;
    cipher.setKey(kPasswordKey);
    return cipher.decryptFromBase64(stored);
}

}  // namespace zv

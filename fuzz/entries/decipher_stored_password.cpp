// The stored-password cipher on arbitrary stored values and plain texts.
#include <string>
#include <string_view>

#include "data/error.h"
#include "fuzz_entries.h"
#include "service/credential_cipher.h"

namespace zv::fuzz {

void decipherStoredPassword(Input input) {
    std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    try {
        std::string plain = decipherPassword(text);
        if (!plain.empty() && decipherPassword(encipherPassword(plain)) != plain) {
            throw InvariantBroken("a deciphered password does not survive a round trip");
        }
    } catch (const Error&) {
    }
    if (decipherPassword(encipherPassword(text)) != text) {
        throw InvariantBroken("a password does not survive a round trip");
    }
}

}  // namespace zv::fuzz

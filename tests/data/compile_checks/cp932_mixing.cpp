// Built only by the test data.cp932_and_utf8_do_not_mix: each ZV_MIX case hands UTF-8 text where
// CP932 bytes are wanted, or the other way round, and must not compile; without ZV_MIX the file
// shows the spelled-out conversions that do.
#include <string>

#include "data/cp932.h"

namespace {

void takeBytes(zv::Cp932View) {}
void takeText(const std::string&) {}

}  // namespace

int main() {
    std::string text = "馬";
    zv::Cp932 bytes(std::string("\x94\x6e"));
#if ZV_MIX == 1
    takeBytes(text);
#elif ZV_MIX == 2
    zv::Cp932 copy = text;
#elif ZV_MIX == 3
    takeText(bytes);
#elif ZV_MIX == 4
    return text == bytes ? 0 : 1;
#else
    takeBytes(zv::Cp932View(text));
    takeBytes(bytes.view());
    takeText(bytes.bytes());
#endif
    return 0;
}

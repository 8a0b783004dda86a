#include "mark_symbols.h"

#include <stdexcept>

#include "data/sjis.h"

namespace zv {

const std::string& markSymbol(int pick) {
    if (pick < 0 || pick >= kMarks) throw std::out_of_range("pick position");
    return ownMarkSymbol(pick);
}

const std::string& ownMarkSymbol(int mark) {
    static const auto symbols = [] {
        std::array<std::string, kOwnMarks> cp932;
        for (int i = 0; i < kOwnMarks; ++i) cp932[size_t(i)] = sj(kOwnMarkSymbolsUtf8[size_t(i)]);
        return cp932;
    }();
    return symbols.at(size_t(mark));
}

}  // namespace zv

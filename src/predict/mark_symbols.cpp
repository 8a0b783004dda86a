#include "mark_symbols.h"

#include "data/sjis.h"

namespace zv {

const std::string& markSymbol(int pick) {
    static const auto symbols = [] {
        std::array<std::string, kMarks> cp932;
        for (int i = 0; i < kMarks; ++i) cp932[size_t(i)] = sj(kMarkSymbolsUtf8[size_t(i)]);
        return cp932;
    }();
    return symbols.at(size_t(pick));
}

}  // namespace zv

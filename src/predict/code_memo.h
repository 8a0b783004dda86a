// A code table's answers for every two-byte code made of digits and blanks, looked up once (the
// tables never change); any other code is looked up each time. For lookups made per runner.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zv {

class TwoByteCodeMemo {
public:
    using Lookup = std::string (*)(std::string_view code);

    explicit TwoByteCodeMemo(Lookup lookup) : lookup_(lookup) {
        for (int a = 0; a < kChars; ++a)
            for (int b = 0; b < kChars; ++b) known_[a * kChars + b] = lookup(std::string{kCodeChars[a], kCodeChars[b]});
    }

    // Out is anything taking a string view by <<, such as TextBuilder.
    template <class Out>
    void appendTo(Out& out, std::string_view code) const {
        int slot = slotOf(code);
        if (slot < 0)
            out << std::string_view(lookup_(code));
        else
            out << std::string_view(known_[slot]);
    }

    // The memo's answer, or nothing for a code it does not hold.
    const std::string* find(std::string_view code) const {
        int slot = slotOf(code);
        return slot < 0 ? nullptr : &known_[slot];
    }

    std::string operator()(std::string_view code) const {
        int slot = slotOf(code);
        return slot < 0 ? lookup_(code) : known_[slot];
    }

private:
    static constexpr char kCodeChars[] = "0123456789 ";
    static constexpr int kChars = 11;

    static int slotOf(std::string_view code) {
        if (code.size() != 2) return -1;
        int a = charIndex(code[0]), b = charIndex(code[1]);
        return a < 0 || b < 0 ? -1 : a * kChars + b;
    }
    static int charIndex(char c) { return c == ' ' ? 10 : (c >= '0' && c <= '9' ? c - '0' : -1); }

    Lookup lookup_;
    std::array<std::string, size_t{kChars} * kChars> known_;
};

}  // namespace zv

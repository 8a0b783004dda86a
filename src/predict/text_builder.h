// Building a cell text from its pieces in a buffer on the stack, handed out as one std::string.
// A cell is a dozen small pieces; appending them to a std::string one at a time, with its growth
// checks and reallocations, costs more than the work that makes the pieces. PlainTextBuilder does
// the same with a std::string: the reference TextBuilder is tested against.
#pragma once

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace zv {

class TextBuilder {
public:
    TextBuilder& operator<<(std::string_view piece) {
        append(piece.data(), piece.size());
        return *this;
    }
    TextBuilder& operator<<(char c) {
        append(&c, 1);
        return *this;
    }
    // A whole number in decimal.
    TextBuilder& operator<<(long long n) {
        char digits[24];
        char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        append(digits, static_cast<size_t>(end - digits));
        return *this;
    }
    TextBuilder& operator<<(int n) { return *this << static_cast<long long>(n); }

    std::string str() const { return spilled_ ? spill_ : std::string(buffer_, size_); }
    void assignTo(std::string& text) const {
        if (spilled_)
            text = spill_;
        else
            text.assign(buffer_, size_);
    }
    size_t size() const { return spilled_ ? spill_.size() : size_; }

private:
    static constexpr size_t kCapacity = 240;

    void append(const char* bytes, size_t count) {
        if (count == 0) return;  // an empty view may carry no pointer, which memcpy must not get
        if (!spilled_ && count <= kCapacity - size_) [[likely]] {
            std::memcpy(buffer_ + size_, bytes, count);
            size_ += count;
        } else {
            spill(bytes, count);
        }
    }
    // Longer than any cell: go on in a std::string.
    [[gnu::noinline]] void spill(const char* bytes, size_t count) {
        if (!spilled_) spill_.assign(buffer_, size_);
        spilled_ = true;
        spill_.append(bytes, count);
    }

    char buffer_[kCapacity];
    size_t size_ = 0;
    bool spilled_ = false;
    std::string spill_;
};

class PlainTextBuilder {
public:
    PlainTextBuilder& operator<<(std::string_view piece) {
        text_ += piece;
        return *this;
    }
    PlainTextBuilder& operator<<(char c) {
        text_ += c;
        return *this;
    }
    PlainTextBuilder& operator<<(long long n) {
        text_ += std::to_string(n);
        return *this;
    }
    PlainTextBuilder& operator<<(int n) { return *this << static_cast<long long>(n); }

    std::string str() const { return text_; }

private:
    std::string text_;
};

}  // namespace zv

// Bytes in CP932 (Shift_JIS as Windows writes it): what the record files hold and what the partner
// files, the billing log and the data service take. A type of its own, so that CP932 bytes and
// UTF-8 text cannot be mixed by accident: neither converts to the other without a call that says so.
#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <utility>

namespace zv {

// A view of CP932 bytes (a record line, a field of one).
class Cp932View {
public:
    constexpr Cp932View() = default;
    constexpr explicit Cp932View(std::string_view bytes) : bytes_(bytes) {}

    constexpr std::string_view bytes() const { return bytes_; }
    constexpr size_t size() const { return bytes_.size(); }
    constexpr bool empty() const { return bytes_.empty(); }

    friend constexpr bool operator==(Cp932View, Cp932View) = default;

private:
    std::string_view bytes_;
};

// CP932 bytes of its own.
class Cp932 {
public:
    Cp932() = default;
    explicit Cp932(std::string bytes) : bytes_(std::move(bytes)) {}
    explicit Cp932(Cp932View view) : bytes_(view.bytes()) {}

    const std::string& bytes() const { return bytes_; }
    std::string& bytes() { return bytes_; }
    Cp932View view() const { return Cp932View(bytes_); }
    size_t size() const { return bytes_.size(); }

    bool operator==(const Cp932&) const = default;

private:
    std::string bytes_;
};

}  // namespace zv

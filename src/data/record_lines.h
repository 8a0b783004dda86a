// The lines of one record file as views into bytes the container keeps alive. A loaded file is
// one buffer (read or mapped) cut into views, so loading a day copies nothing per line.
// Lines added one by one (tests, hand-built stores) are kept in buffers of their own. Copies of
// the container share the immutable buffers.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class RecordLines {
public:
    RecordLines() = default;
    RecordLines(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) push_back(line);
    }
    // Takes over buffer; every view in lines must point into it.
    RecordLines(std::shared_ptr<const char[]> buffer, std::vector<std::string_view> lines) : lines_(std::move(lines)) {
        buffers_.push_back(std::move(buffer));
    }

    size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](size_t i) const { return lines_[i]; }
    std::string_view at(size_t i) const { return lines_.at(i); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    void push_back(std::string line) { lines_.push_back(keep(std::move(line))); }
    // Puts line in place of line i.
    void replace(size_t i, std::string line) { lines_.at(i) = keep(std::move(line)); }
    void pop_back() { lines_.pop_back(); }

    bool operator==(const RecordLines& other) const { return lines_ == other.lines_; }

private:
    std::string_view keep(std::string line) {
        auto owned = std::make_shared<const std::string>(std::move(line));
        std::string_view view = *owned;
        buffers_.push_back(std::shared_ptr<const char[]>(owned, owned->data()));
        return view;
    }

    std::vector<std::shared_ptr<const char[]>> buffers_;
    std::vector<std::string_view> lines_;
};

}  // namespace zv

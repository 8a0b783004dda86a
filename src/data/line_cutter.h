// Cutting record file content into lines: a line is the bytes before the first CR or LF, reading
// goes on after the next LF (so CR LF and LF both end a line, and a CR skips to the next LF); a
// Ctrl+Z byte ends the input like the end of the file. A final line end gives no extra empty line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "line_break_scan.h"

namespace zv {

// Cuts bytes into lines while they arrive, so the loader scans each piece of a file right after
// reading it, while it is still in the cache. The lines are views into the bytes.
class LineCutter {
public:
    explicit LineCutter(const char* bytes) : bytes_(bytes) {}

    // The bytes before end have arrived: take(line) for every line that ends among them.
    template <class Take>
    void cut(size_t end, Take&& take);
    // No more bytes come after end: take(line) for a last line without a line end.
    template <class Take>
    void finish(size_t end, Take&& take);

private:
    enum class State { InLine, SkippingToLf, Ended };
    const char* bytes_;
    size_t scanned_ = 0;
    size_t lineStart_ = 0;
    State state_ = State::InLine;
};

// How the lines of a text end.
enum class LineEnds {
    RecordFile,  // as LineCutter cuts them (above)
    CrLfOrCr,    // CR LF, LF or a lone CR each end one line; Ctrl+Z is an ordinary byte
};

// Every line of content, without its line end. A final line end gives no extra empty line.
std::vector<std::string_view> splitLines(std::string_view content, LineEnds ends = LineEnds::RecordFile);

template <class Take>
void LineCutter::cut(size_t end, Take&& take) {
    const std::string_view arrived(bytes_, end);
    while (state_ != State::Ended) {
        size_t at = findLineBreak(arrived, scanned_);
        if (at == end) {
            scanned_ = end;
            return;
        }
        scanned_ = at + 1;
        const char byte = bytes_[at];
        if (state_ == State::InLine && (byte != kCtrlZ || at > lineStart_)) {
            take(std::string_view(bytes_ + lineStart_, at - lineStart_));
        }
        if (byte == kCtrlZ) {
            state_ = State::Ended;
        } else if (byte == '\n') {
            lineStart_ = at + 1;
            state_ = State::InLine;
        } else {
            state_ = State::SkippingToLf;
        }
    }
}

template <class Take>
void LineCutter::finish(size_t end, Take&& take) {
    cut(end, take);
    if (state_ == State::InLine && lineStart_ < end) take(std::string_view(bytes_ + lineStart_, end - lineStart_));
    state_ = State::Ended;
}

}  // namespace zv

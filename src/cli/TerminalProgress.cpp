#include "TerminalProgress.h"

#include <ostream>

namespace kartavel::cli {

TerminalProgress::TerminalProgress(std::ostream& err, bool enabled, std::string label)
    : err_(err), enabled_(enabled), label_(std::move(label)) {}

TerminalProgress::~TerminalProgress() {
    finish();
}

void TerminalProgress::begin(std::size_t total) {
    total_ = total;
    last_ = {};
}

bool TerminalProgress::step(std::size_t done) {
    if (!enabled_)
        return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ >= std::chrono::milliseconds(100) || (total_ && done == total_)) {
        last_ = now;
        draw(done);
    }
    return false;
}

void TerminalProgress::statement(std::string_view text) {
    label_ = std::string(text);
    if (enabled_)
        draw(0);
}

void TerminalProgress::draw(std::size_t done) {
    err_ << "\r\x1b[K" << label_ << ' ' << done;
    if (total_)
        err_ << '/' << total_;
    err_.flush();
    drawn_ = true;
}

void TerminalProgress::finish() {
    if (drawn_) {
        err_ << "\r\x1b[K";
        err_.flush();
        drawn_ = false;
    }
}

} // namespace kartavel::cli

#pragma once

#include "capture/Progress.h"

#include <chrono>
#include <iosfwd>
#include <string>

namespace kartavel::cli {

// A progress line on a terminal: "<label> 1234/5678", redrawn at most ten times a
// second. Where the messages do not go to a terminal it shows nothing.
class TerminalProgress : public capture::Progress {
public:
    TerminalProgress(std::ostream& err, bool enabled, std::string label);
    ~TerminalProgress() override;

    void begin(std::size_t total) override;
    bool step(std::size_t done) override;
    void statement(std::string_view text) override;

    // Clears the line, so that a message can follow on a clean one.
    void finish();

private:
    void draw(std::size_t done);

    std::ostream& err_;
    bool enabled_;
    std::string label_;
    std::size_t total_ = 0;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point last_{};
};

} // namespace kartavel::cli

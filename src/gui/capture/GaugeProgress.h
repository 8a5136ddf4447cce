#pragma once

#include "capture/Progress.h"

#include <chrono>
#include <functional>

namespace kartavel::gui {

class TILOProgress;

// What a long operation of a window (a scan, writing a content file, a search)
// reports to that window: pending events run at the first step and then at most
// every 30 ms or so, the gauge showing the step reached at each of them, and the
// window's stop flag is handed back after each step. The window stays painted and its stop and
// close commands are served, without an event-loop pass per item.
class GaugeProgress : public capture::Progress {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kEventInterval = std::chrono::milliseconds(30);

    // `gauge` may be nullptr. `stopRequested` is asked after every step;
    // `beforeEvents` runs just before each pass of pending events, for a window
    // that shows collected results then.
    GaugeProgress(TILOProgress* gauge, std::function<bool()> stopRequested,
                  std::function<void()> beforeEvents = {});

    // The gauge's Max becomes the step count and its Position 0.
    void begin(std::size_t total) override;
    // At each pass of pending events the gauge's Position becomes `done` (a value
    // above Max leaves it as it was).
    bool step(std::size_t done) override;
    // The gauge's Statement, painted at once.
    void statement(std::string_view text) override;

    // How many passes of pending events this progress has run.
    std::size_t passes() const { return passes_; }

private:
    TILOProgress* gauge_;
    std::function<bool()> stopRequested_;
    std::function<void()> beforeEvents_;
    Clock::time_point lastPass_{};
    Clock::time_point lastCheck_{};
    // The clock is read every stride_ steps.
    static constexpr std::size_t kMaxStride = 256;
    std::size_t stride_ = 1;
    std::size_t sinceCheck_ = 0;
    std::size_t passes_ = 0;
};

} // namespace kartavel::gui

#include "GaugeProgress.h"

#include "app/QtText.h"
#include "widgets/TILOProgress.h"

#include <QCoreApplication>

namespace kartavel::gui {

GaugeProgress::GaugeProgress(TILOProgress* gauge, std::function<bool()> stopRequested,
                             std::function<void()> beforeEvents)
    : gauge_(gauge), stopRequested_(std::move(stopRequested)),
      beforeEvents_(std::move(beforeEvents)) {}

void GaugeProgress::begin(std::size_t total) {
    stride_ = 1;
    sinceCheck_ = 0;
    if (!gauge_)
        return;
    gauge_->setMaximum(static_cast<double>(total));
    gauge_->setPosition(0);
}

bool GaugeProgress::step(std::size_t done) {
    if (++sinceCheck_ < stride_)
        return stopRequested_ && stopRequested_();
    sinceCheck_ = 0;
    // Reading the clock costs as much as a quick step: quick steps read it only
    // every so many, a few times a millisecond, slow ones (a folder of a scan)
    // every time. The stride follows the steps' pace within a few readings.
    const auto now = Clock::now();
    const auto sinceLast = now - lastCheck_;
    lastCheck_ = now;
    if (sinceLast < std::chrono::microseconds(500) && stride_ < kMaxStride)
        stride_ *= 2;
    else if (sinceLast > std::chrono::milliseconds(2) && stride_ > 1)
        stride_ /= 2;
    if (now - lastPass_ >= kEventInterval) {
        // The gauge moves with the passes: between them nothing else reaches the
        // screen either, and a wide gauge's painting per percent would cost more
        // than the work it shows.
        if (gauge_)
            gauge_->setPosition(static_cast<double>(done));
        if (beforeEvents_)
            beforeEvents_();
        QCoreApplication::processEvents();
        lastPass_ = Clock::now();
        ++passes_;
    }
    return stopRequested_ && stopRequested_();
}

void GaugeProgress::statement(std::string_view text) {
    if (!gauge_)
        return;
    gauge_->setStatement(qs(text));
    if (gauge_->isVisible())
        gauge_->repaint();
}

} // namespace kartavel::gui

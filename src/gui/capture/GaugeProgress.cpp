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
    if (!gauge_)
        return;
    gauge_->setMaximum(static_cast<double>(total));
    gauge_->setPosition(0);
}

bool GaugeProgress::step(std::size_t done) {
    if (gauge_)
        gauge_->setPosition(static_cast<double>(done));
    const auto now = Clock::now();
    if (now - lastPass_ >= kEventInterval) {
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

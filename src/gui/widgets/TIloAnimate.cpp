#include "TIloAnimate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <climits>

namespace kartavel::gui {

bool TWindowAlpha::supported() const {
    // The desktops whose window systems honour a top-level window's opacity. The
    // offscreen and minimal back ends ignore it, and Wayland offers none to clients.
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("xcb") || name == QLatin1String("windows") ||
           name == QLatin1String("cocoa");
}

void TWindowAlpha::setAlpha(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / 255.0);
}

TIloAnimate::TIloAnimate(QWidget* owner)
    : QObject(owner), owner_(owner), timer_(new QTimer(this)),
      windowAlpha_(std::make_unique<TWindowAlpha>()), clock_([] {
          return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now().time_since_epoch())
                                               .count());
      }) {
    timer_->setTimerType(Qt::PreciseTimer);
    if (owner && owner->isWindow())
        owner->installEventFilter(this);
}

TIloAnimate::~TIloAnimate() {
    timer_->stop();
    disconnect(tick_);
}

void TIloAnimate::setWindowAlpha(std::unique_ptr<TWindowAlpha> alpha) {
    windowAlpha_ = std::move(alpha);
}

void TIloAnimate::setClock(std::function<std::int64_t()> clock) {
    clock_ = std::move(clock);
}

bool TIloAnimate::canFade() const {
    return active_ && windowAlpha_->supported() && owner_ && owner_->isWindow() &&
           owner_->windowHandle() && owner_->isVisible();
}

bool TIloAnimate::Animated() const {
    return timer_->isActive();
}

void TIloAnimate::giveAlpha(int alpha) {
    if (owner_)
        windowAlpha_->setAlpha(*owner_, alpha);
}

void TIloAnimate::startTimer(unsigned interval, void (TIloAnimate::*tick)()) {
    timer_->stop();
    disconnect(tick_);
    timer_->setInterval(static_cast<int>(std::min<unsigned>(interval, INT_MAX)));
    tick_ = connect(timer_, &QTimer::timeout, this, tick);
}

// ---- the fades -------------------------------------------------------------------

void TIloAnimate::StartAnimasyon(bool wait, unsigned timeLimit) {
    if (startStep_ == 0) {
        // Shown at once and whole: the create hook may have left it transparent.
        giveAlpha(static_cast<int>(maxValue_));
        if (owner_)
            owner_->show();
        return;
    }
    startTimer(startInt_, &TIloAnimate::DoStart);
    alpha_ = 0;
    const unsigned run = ++run_;
    const std::int64_t started = clock_();
    timer_->start();
    if (wait)
        waitFor(run, started, timeLimit, &TIloAnimate::finishStart);
}

void TIloAnimate::EndAnimasyon(bool wait, unsigned timeLimit) {
    if (stopStep_ == 0)
        return;
    startTimer(stopInt_, &TIloAnimate::DoEnd);
    alpha_ = static_cast<int>(maxValue_);
    const unsigned run = ++run_;
    const std::int64_t started = clock_();
    timer_->start();
    if (wait)
        waitFor(run, started, timeLimit, &TIloAnimate::finishEnd);
}

void TIloAnimate::waitFor(unsigned run, std::int64_t started, unsigned timeLimit,
                          void (TIloAnimate::*finish)()) {
    QPointer<TIloAnimate> self(this);
    // Wakes the wait now and then, so that the limit is seen even while the fade's
    // own ticks are far apart.
    QTimer wake;
    wake.start(50);
    while (self && run_ == run && timer_->isActive()) {
        if (clock_() - started >= static_cast<std::int64_t>(timeLimit)) {
            (this->*finish)();
            return;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void TIloAnimate::finishStart() {
    alpha_ = 255;
    timer_->stop();
    DoStart();
}

void TIloAnimate::finishEnd() {
    if (!timer_->isActive())
        return;
    alpha_ = 0;
    timer_->stop();
    DoEnd();
}

void TIloAnimate::DoStart() {
    const auto max = static_cast<std::int64_t>(maxValue_);
    if (static_cast<std::int64_t>(startStep_) < max - alpha_)
        alpha_ += static_cast<int>(startStep_);
    else
        alpha_ = static_cast<int>(max);
    giveAlpha(alpha_);
    if (alpha_ >= max) {
        alpha_ = 0;
        timer_->stop();
        Q_EMIT afterStartAnim();
    }
}

void TIloAnimate::DoEnd() {
    if (static_cast<std::int64_t>(stopStep_) < alpha_)
        alpha_ -= static_cast<int>(stopStep_);
    else
        alpha_ = 0;
    giveAlpha(alpha_);
    if (alpha_ == 0) {
        timer_->stop();
        fadedOut_ = true;
        Q_EMIT afterEndAnim();
    }
}

// ---- the window hooks --------------------------------------------------------------

void TIloAnimate::FormCreate() {
    if (canFade())
        giveAlpha(0);
}

void TIloAnimate::FormActivate() {
    if (canFade() && firstActivation_) {
        firstActivation_ = false;
        StartAnimasyon(true, kTimeLimit);
    }
}

void TIloAnimate::FormClose(bool accepted) {
    if (accepted && canFade())
        EndAnimasyon(true, kTimeLimit);
}

bool TIloAnimate::eventFilter(QObject* watched, QEvent* event) {
    if (watched != owner_.data())
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (event->spontaneous())
            break;
        if (!created_) {
            created_ = true;
            FormCreate();
        } else if (fadedOut_ && canFade()) {
            // Shown again after fading out: it fades in only once, so it comes back
            // whole instead of staying invisible.
            fadedOut_ = false;
            giveAlpha(static_cast<int>(maxValue_));
        }
        break;
    case QEvent::WindowActivate:
        FormActivate();
        break;
    case QEvent::Close: {
        // The window's own close handling comes first; its answer decides the fade.
        QPointer<TIloAnimate> self(this);
        static_cast<QObject*>(owner_.data())->event(event);
        if (self)
            FormClose(event->isAccepted());
        return true;
    }
    default:
        break;
    }
    return false;
}

} // namespace kartavel::gui

#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace kartavel::gui {

// The window system's whole-window opacity, as the fade reaches it. The program
// uses the real one; tests put their own in its place.
class TWindowAlpha {
public:
    virtual ~TWindowAlpha() = default;
    // Whether top-level windows can be made see-through on this desktop.
    virtual bool supported() const;
    // Gives the window an alpha from 0 (transparent) to 255 (opaque).
    virtual void setAlpha(QWidget& window, int alpha);
};

// Fades the window it belongs to in when the window is first activated and out
// when it closes, by stepping the window's opacity on a timer. It hooks its
// window's creation (the first show), activation and close; the window's own
// handling of those still runs: after the hook for creation and activation, before
// it for the close, so a close the window refuses starts no fade. A dialog whose
// fade-out is to be seen accepts its close event itself: QDialog's own close
// handling hides the dialog at once.
//
// Nothing fades unless Active is set, the desktop offers per-window opacity and
// the window exists on screen; otherwise the hooks only pass the events on.
class TIloAnimate : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)
    Q_PROPERTY(uint StartInt READ startInt WRITE setStartInt)
    Q_PROPERTY(uint StartStep READ startStep WRITE setStartStep)
    Q_PROPERTY(uint StopInt READ stopInt WRITE setStopInt)
    Q_PROPERTY(uint StopStep READ stopStep WRITE setStopStep)
    Q_PROPERTY(uint MaxValue READ maxValue WRITE setMaxValue)

public:
    // A fade that has not finished after this long jumps to its end.
    static constexpr unsigned kTimeLimit = 10000;

    // `owner` is the window to fade; the component hooks it when it is a window.
    explicit TIloAnimate(QWidget* owner);
    ~TIloAnimate() override;

    bool active() const { return active_; }
    void setActive(bool on) { active_ = on; }
    // Timer interval of the fade-in, in milliseconds.
    unsigned startInt() const { return startInt_; }
    void setStartInt(unsigned ms) { startInt_ = ms; }
    // Alpha added per fade-in tick; 0 turns the fade-in off.
    unsigned startStep() const { return startStep_; }
    void setStartStep(unsigned step) { startStep_ = step; }
    unsigned stopInt() const { return stopInt_; }
    void setStopInt(unsigned ms) { stopInt_ = ms; }
    // Alpha taken away per fade-out tick; 0 turns the fade-out off.
    unsigned stopStep() const { return stopStep_; }
    void setStopStep(unsigned step) { stopStep_ = step; }
    // Alpha of the fully shown window; values above 255 are taken as 255.
    unsigned maxValue() const { return maxValue_; }
    void setMaxValue(unsigned value) { maxValue_ = value > 255 ? 255 : value; }

    // Fades the window in from alpha 0. With `wait`, returns once the fade has
    // finished, letting window events run meanwhile, or after `timeLimit`
    // milliseconds with the window fully shown. StartStep 0 shows the window at
    // once.
    void StartAnimasyon(bool wait, unsigned timeLimit);
    // Fades the window out to alpha 0, likewise. StopStep 0 does nothing.
    void EndAnimasyon(bool wait, unsigned timeLimit);
    // One fade-in and one fade-out tick.
    void DoStart();
    void DoEnd();
    // Whether a fade runs.
    bool Animated() const;

    // The window hooks; the event filter calls them with the window's events.
    void FormCreate();
    void FormActivate();
    // `accepted` is whether the window's own close handling let the close go on.
    void FormClose(bool accepted);

    // Whether a fade can be seen now: Active, a desktop with per-window opacity,
    // and the window on screen.
    bool canFade() const;

    // Replaces the window system's opacity (tests).
    void setWindowAlpha(std::unique_ptr<TWindowAlpha> alpha);
    // Replaces the millisecond clock the time limit is measured with (tests); the
    // default is the system's monotonic clock.
    void setClock(std::function<std::int64_t()> clock);
    QTimer* timer() const { return timer_; }

Q_SIGNALS:
    // A fade-in and a fade-out have finished.
    void afterStartAnim();
    void afterEndAnim();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveAlpha(int alpha);
    void startTimer(unsigned interval, void (TIloAnimate::*tick)());
    // Lets window events run until the fade started by run `run` ends, or the
    // time limit has passed since `started`; then `finish` ends it.
    void waitFor(unsigned run, std::int64_t started, unsigned timeLimit,
                 void (TIloAnimate::*finish)());
    void finishStart();
    void finishEnd();

    QPointer<QWidget> owner_;
    bool active_ = false;
    unsigned startInt_ = 5;
    unsigned startStep_ = 10;
    unsigned stopInt_ = 5;
    unsigned stopStep_ = 10;
    unsigned maxValue_ = 255;

    QTimer* timer_;
    QMetaObject::Connection tick_;
    int alpha_ = 0;
    bool firstActivation_ = true;
    bool created_ = false;
    bool fadedOut_ = false; // the last fade-out left the window transparent
    // Counts the fades begun, so that a wait ends when another fade takes over.
    unsigned run_ = 0;
    std::unique_ptr<TWindowAlpha> windowAlpha_;
    std::function<std::int64_t()> clock_;
};

} // namespace kartavel::gui

#pragma once

#include "app/ModalForms.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace kartavel::test {

// Drives the windows that ShowModalForm opens, one queued step per window, in order.
// A window of another kind than its step expects, one with no step left, or one its
// step left open, is recorded in `errors` and closed, so a test never hangs on it.
class ModalScript {
public:
    ModalScript() {
        gui::setModalDriver([this](QDialog* d) { run(d); });
    }
    ~ModalScript() { gui::setModalDriver({}); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    template <typename Window>
    ModalScript& then(std::function<void(Window*)> step) {
        steps_.push_back([step](QDialog* d) {
            auto* w = qobject_cast<Window*>(d);
            if (!w)
                return false;
            step(w);
            return true;
        });
        return *this;
    }

    bool done() const { return steps_.empty(); }

    QStringList seen;   // object names of the windows, in the order they opened
    QStringList errors; // windows that came unexpected

private:
    void run(QDialog* d) {
        seen << d->objectName();
        if (steps_.empty()) {
            errors << QStringLiteral("unexpected ") + d->objectName();
            d->reject();
            return;
        }
        auto step = std::move(steps_.front());
        steps_.pop_front();
        if (!step(d)) {
            errors << QStringLiteral("wrong window ") + d->objectName();
            d->reject();
        } else if (d->isVisible()) {
            // A step ends by closing its window; one that failed half-way does not.
            errors << QStringLiteral("left open ") + d->objectName();
            d->reject();
        }
    }

    std::deque<std::function<bool(QDialog*)>> steps_;
};

} // namespace kartavel::test

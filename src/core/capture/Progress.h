#pragma once

#include <cstddef>
#include <string_view>

namespace kartavel::capture {

// What a long operation (a scan, writing a content file, loading a tree, a
// search) tells the window that runs it. It is called once per item, so an
// implementation keeps each call cheap: the gui raises its gauge and lets pending
// events run only every few milliseconds. This base class is the silent one.
class Progress {
public:
    virtual ~Progress() = default;

    // The number of steps ahead (the gauge's Max), or 0 when it is not known.
    virtual void begin(std::size_t total) { (void)total; }

    // After each step, with the number done so far (the gauge's Position).
    // True asks the operation to stop; operations that cannot stop ignore it.
    virtual bool step(std::size_t done) {
        (void)done;
        return false;
    }

    // The text the gauge shows, when the operation changes it.
    virtual void statement(std::string_view text) { (void)text; }
};

// A progress that shows nothing and never stops.
inline Progress& noProgress() {
    static Progress silent;
    return silent;
}

} // namespace kartavel::capture

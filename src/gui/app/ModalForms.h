#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <utility>

namespace kartavel::gui {

// Called with each window that ShowModalForm is about to show modally, once its
// event loop runs. Tests set it to drive the window; the program leaves it empty.
using ModalDriver = std::function<void(QDialog*)>;
void setModalDriver(ModalDriver driver);
void runModalDriver(QDialog* dialog);

// Creates the window into its instance reference, shows it modally, destroys it and
// clears the reference: a window's reference is set exactly while it is open.
template <typename Window, typename... Args>
int ShowModalForm(Window*& instance, Args&&... args) {
    auto* window = new Window(std::forward<Args>(args)...);
    instance = window;
    runModalDriver(window);
    const int result = window->exec();
    instance = nullptr;
    delete window;
    return result;
}

} // namespace kartavel::gui

#include "ModalForms.h"

#include <QTimer>

namespace kartavel::gui {

namespace {
ModalDriver gDriver;
}

void setModalDriver(ModalDriver driver) {
    gDriver = std::move(driver);
}

void runModalDriver(QDialog* dialog) {
    if (!gDriver)
        return;
    QPointer<QDialog> guard(dialog);
    auto driver = gDriver;
    QTimer::singleShot(0, dialog, [guard, driver] {
        if (guard)
            driver(guard);
    });
}

} // namespace kartavel::gui

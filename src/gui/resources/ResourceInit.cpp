#include "resources/ResourceInit.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initKartavelResources() {
    Q_INIT_RESOURCE(resources);
}

namespace kartavel::gui {

void initResources() {
    initKartavelResources();
}

} // namespace kartavel::gui

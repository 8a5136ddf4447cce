#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace kartavel::gui {

namespace {

DesktopShell gDesktop;
platform::Shell* gCurrent = &gDesktop;

} // namespace

bool DesktopShell::launch(std::string_view, const std::string& path) {
    // "OPEN" and "EXPLORE" meet here: on the desktop, opening a folder shows it in
    // the file manager, and opening a file starts its program.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

platform::Shell& shell() {
    return *gCurrent;
}

void setShell(platform::Shell* s) {
    gCurrent = s ? s : &gDesktop;
}

} // namespace kartavel::gui

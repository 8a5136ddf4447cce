#include "app/GuardedApplication.h"
#include "app/StartOptions.h"
#include "app/TAnaF.h"
#include "app/TK_YardimF.h"
#include "app/TSplashF.h"
#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "resources/ResourceInit.h"
#include "store/ProgramIdentity.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

using namespace kartavel;

namespace {

// Help and version are answered before the application starts, so they work without
// a desktop too. False when the program is to run.
bool answeredAtOnce(const gui::StartOptions& options) {
    if (options.help)
        std::fputs(qPrintable(gui::startUsage()), stdout);
    else if (options.version)
        std::printf("%s\n", identity::kMainTitle.data());
    return options.help || options.version;
}

} // namespace

int main(int argc, char** argv) {
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    if (answeredAtOnce(gui::parseStartOptions(words)))
        return 0;

    gui::GuardedApplication app(argc, argv);
    // The menu entry and the window belong together on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral(KARTAVEL_APP_ID));
    gui::initResources();

    // Qt has taken its own options (-platform, ...) out of the arguments by now.
    const gui::StartOptions options = gui::parseStartOptions(QApplication::arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fputs(qPrintable(options.error + QStringLiteral("\n\n") + gui::startUsage()), stderr);
        return 2;
    }
    if (answeredAtOnce(options))
        return 0;
    if (options.dataFolder)
        platform::setDataFolder(*options.dataFolder);

    // One program per data folder: a second copy would overwrite what the first
    // one adds to the register.
    platform::DataFolderLock lock;
    if (!gui::takeDataFolderLock(lock))
        return 1;

    auto* splash = new gui::TSplashF(QString::fromUtf8(identity::kProduct.data()),
                                     QString::fromUtf8(identity::kVersion.data()));
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    gui::TAnaF mainWindow;
    // A folder the user chose is named in the title, so two programs on two
    // folders can be told apart.
    mainWindow.titleShowsDataFolder = options.dataFolder.has_value();
    splash->step();
    gui::TK_YardimF help(&mainWindow);
    help.hide();
    splash->step();

    QThread::msleep(1500);
    splash->hide();
    delete splash;

    mainWindow.show();
    const int result = QApplication::exec();
    return mainWindow.loginFailed() ? 3 : result;
}

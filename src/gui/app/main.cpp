#include "app/TAnaF.h"
#include "app/TK_YardimF.h"
#include "app/TSplashF.h"
#include "platform/DataFolderLock.h"
#include "resources/ResourceInit.h"
#include "store/ProgramIdentity.h"

#include <QApplication>
#include <QThread>

using namespace kartavel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kartavel"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(identity::kApplicationTitle.data()));
    gui::initResources();

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
    splash->step();
    gui::TK_YardimF help(&mainWindow);
    help.hide();
    splash->step();

    QThread::msleep(1500);
    splash->hide();
    delete splash;

    mainWindow.show();
    return QApplication::exec();
}

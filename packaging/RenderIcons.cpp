// Draws the program icon as PNG files for the desktop's icon theme, the same way the
// program draws it for its window frame (the hand-made small picture at 16 pixels).
//   render_icons FOLDER NAME SIZE...   writes FOLDER/SIZExSIZE/apps/NAME.png
#include "app/ImageLists.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: render_icons FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        const QPixmap icon = kartavel::gui::picture(QStringLiteral("program"), QSize(size, size));
        if (size <= 0 || icon.isNull() || !QDir().mkpath(folder) ||
            !icon.save(folder + QLatin1Char('/') + args[2] + QStringLiteral(".png"))) {
            std::fprintf(stderr, "render_icons: cannot write the %s pixel icon\n",
                         qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}

#include "ImageLists.h"

#include "resources/ResourceInit.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace kartavel::gui {

namespace {

QImage render(const QString& path, QSize size) {
    QSvgRenderer svg(path);
    if (!svg.isValid())
        return {};
    if (size.isEmpty())
        size = svg.defaultSize();
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p);
    return img;
}

QString iconPath(int number, int size) {
    const QString nn = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    const QString small = QStringLiteral(":/icons16/%1.svg").arg(nn);
    if (size <= 16 && QFile::exists(small))
        return small;
    return QStringLiteral(":/icons/%1.svg").arg(nn);
}

} // namespace

TImageList* makeImageList(int size, QObject* parent) {
    initResources();
    auto* list = new TImageList(QSize(size, size), parent);
    for (int i = 0; i < kIconCount; ++i)
        list->add(render(iconPath(i, size), QSize(size, size)));
    return list;
}

QIcon numberedIcon(int number) {
    static QHash<int, QIcon> cache;
    if (auto it = cache.constFind(number); it != cache.cend())
        return *it;
    initResources();
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(render(iconPath(number, size), QSize(size, size))));
    cache.insert(number, icon);
    return icon;
}

QPixmap picture(const QString& name, QSize size) {
    initResources();
    const QString small = QStringLiteral(":/pictures16/%1.svg").arg(name);
    const bool useSmall = !size.isEmpty() && size.width() <= 16 && QFile::exists(small);
    return QPixmap::fromImage(
        render(useSmall ? small : QStringLiteral(":/pictures/%1.svg").arg(name), size));
}

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(picture(QStringLiteral("program"), QSize(16, 16)));
    for (int s : {32, 48, 256})
        icon.addPixmap(picture(QStringLiteral("program"), QSize(s, s)));
    return icon;
}

} // namespace kartavel::gui

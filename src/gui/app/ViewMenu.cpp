#include "ViewMenu.h"

#include "ImageLists.h"
#include "TListView.h"

#include <QActionGroup>
#include <QMenu>

namespace kartavel::gui {

QAction* addMenuItem(QMenu* menu, const char* objectName, const char* caption, int icon) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(objectName));
    if (icon >= 0)
        a->setIcon(numberedIcon(icon));
    return a;
}

QActionGroup* addViewMenu(QMenu* menu) {
    QMenu* view = menu->addMenu(numberedIcon(25), QStringLiteral("Görünüm"));
    view->menuAction()->setObjectName(QStringLiteral("Grnm1"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (auto [name, caption] : {std::pair{"BuyukSimge1", "Büyük Simge"},
                                 {"KucukSimge1", "Küçük Simge"},
                                 {"Liste1", "Liste"},
                                 {"Ayrntlar1", "Ayrıntılar"}}) {
        QAction* a = addMenuItem(view, name, caption, -1);
        a->setCheckable(true);
        group->addAction(a);
    }
    return group;
}

void applyViewMode(TListView* list, const QActionGroup* items) {
    using V = TListView::ViewStyle;
    const V order[] = {V::Icon, V::SmallIcon, V::List, V::Report};
    const auto actions = items->actions();
    for (qsizetype i = 0; i < actions.size() && i < 4; ++i) {
        if (actions[i]->isChecked()) {
            list->setViewStyle(order[i]);
            return;
        }
    }
}

} // namespace kartavel::gui

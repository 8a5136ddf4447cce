#pragma once

class QAction;
class QActionGroup;
class QMenu;

namespace kartavel::gui {

class TListView;

// A pop-up menu item with its object name, caption and icon of the program's image
// lists (none for -1).
QAction* addMenuItem(QMenu* menu, const char* objectName, const char* caption, int icon);

// The "Görünüm" sub-menu of a list's pop-up menu: the radio items "Büyük Simge",
// "Küçük Simge", "Liste" and "Ayrıntılar" (BuyukSimge1, KucukSimge1, Liste1,
// Ayrntlar1), of which at most one is ticked.
QActionGroup* addViewMenu(QMenu* menu);

// Sets the list's view from the first ticked item of the group, in that order;
// with none ticked the view stays as it is.
void applyViewMode(TListView* list, const QActionGroup* items);

} // namespace kartavel::gui

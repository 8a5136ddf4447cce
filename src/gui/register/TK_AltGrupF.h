#pragma once

#include "GroupWindowParts.h"

#include <string>

class QToolButton;

namespace kartavel::gui {

// The sub-group window: the sub-groups of one group, the group window's current one,
// kept in "ALTGRUB.DB" beside those of every other group.
class TK_AltGrupF : public GroupWindowBase {
    Q_OBJECT
public:
    TK_AltGrupF(std::string group, QWidget* parent = nullptr);
    ~TK_AltGrupF() override;

    reg::SubGroupList subGroups; // AltGrubu_Rx1, AltGrubu_Rx and their rules

    void FormShow() override;
    void ToolButton1Click(); // "Kapat"

    QToolButton* ToolButton1() const { return ToolButton1_; }
    QLabel* Label5() const { return Label5_; }

private:
    QToolButton* ToolButton1_ = nullptr;
    QLabel* Label5_ = nullptr;
};

// The sub-group window's instance reference: set exactly while it is open.
extern TK_AltGrupF* K_AltGrupF;

} // namespace kartavel::gui

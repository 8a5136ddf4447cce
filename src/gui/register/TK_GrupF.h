#pragma once

#include "GroupWindowParts.h"

class QToolButton;

namespace kartavel::gui {

// The group window: the groups of "GRUB.DB" in a grid, edited in place or in the two
// fields, with the record navigator. "Alt Grup Ekle" opens the sub-groups of the
// current group.
class TK_GrupF : public GroupWindowBase {
    Q_OBJECT
public:
    explicit TK_GrupF(QWidget* parent = nullptr);
    ~TK_GrupF() override;

    reg::GroupList groups; // Grubu_Rx and its rules

    void FormShow() override;
    void ToolButton1Click();     // "Alt Grup Ekle"
    void ToolButtonKapatClick(); // "Kapat"

    QToolButton* ToolButton1() const { return ToolButton1_; }
    QToolButton* ToolButtonKapat() const { return ToolButtonKapat_; }

private:
    QToolButton* ToolButton1_ = nullptr;
    QToolButton* ToolButtonKapat_ = nullptr;
};

// The group window's instance reference: set exactly while it is open.
extern TK_GrupF* K_GrupF;

} // namespace kartavel::gui

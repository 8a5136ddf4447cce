#include "TK_GrupF.h"

#include "TK_AltGrupF.h"
#include "app/FormAyar.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/WindowParts.h"
#include "store/CatalogueSchemas.h"
#include "widgets/TBanner.h"

#include <QLabel>
#include <QToolBar>
#include <QToolButton>

namespace kartavel::gui {

TK_GrupF* K_GrupF = nullptr;

TK_GrupF::TK_GrupF(QWidget* parent)
    : GroupWindowBase("K_GrupF", QStringLiteral("Grup Kaydet"), parent), groups(dialogue()) {
    ToolButton1_ = toolButton(toolBar(), "ToolButton1", "Alt Grup Ekle", 10, "Alt Grup Ekle");
    toolBar()->addSeparator();
    ToolButtonKapat_ = toolButton(toolBar(), "ToolButtonKapat", "Kapat", 4, "Kapat (Esc)");
    connect(ToolButton1_, &QToolButton::clicked, this, &TK_GrupF::ToolButton1Click);
    connect(ToolButtonKapat_, &QToolButton::clicked, this, &TK_GrupF::ToolButtonKapatClick);
    namespace cols = store::columns;
    buildBody(groups.Grubu_Rx, cols::GRUBU,
              {{std::string(cols::GRUBU), QStringLiteral("GRUBU"), 164},
               {std::string(cols::ACIKLAMA), QStringLiteral("ACIKLAMA"), 200}},
              nullptr);
    closeAction(this, "Kapat", [this] { ToolButtonKapatClick(); });
    ImageB2()->installEventFilter(this); // a click runs the opening again
    setFixedSize(420, 440);
    centreOnParent();
}

TK_GrupF::~TK_GrupF() {
    releaseControls();
}

void TK_GrupF::FormShow() {
    FormAyar(this, nullptr, 13);
    guarded([this] { groups.load(); });
}

void TK_GrupF::ToolButton1Click() {
    if (const auto refusal = groups.subGroupsRefusal()) {
        ShowInfo(qs(*refusal));
        return;
    }
    ShowModalForm(K_AltGrupF, groups.Grubu_Rx.asString(store::columns::GRUBU), this);
}

void TK_GrupF::ToolButtonKapatClick() {
    close();
}

} // namespace kartavel::gui

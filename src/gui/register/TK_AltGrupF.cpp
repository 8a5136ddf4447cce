#include "TK_AltGrupF.h"

#include "app/FormAyar.h"
#include "app/QtText.h"
#include "app/WindowParts.h"
#include "store/CatalogueSchemas.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

namespace kartavel::gui {

TK_AltGrupF* K_AltGrupF = nullptr;

TK_AltGrupF::TK_AltGrupF(std::string group, QWidget* parent)
    : GroupWindowBase("K_AltGrupF", QStringLiteral("Alt Grup Kaydet"), parent),
      subGroups(std::move(group), dialogue()) {
    ToolButton1_ = toolButton(toolBar(), "ToolButton1", "Kapat", 4, "Kapat (Esc)");
    connect(ToolButton1_, &QToolButton::clicked, this, &TK_AltGrupF::ToolButton1Click);

    auto* groupLine = new QWidget(this);
    auto* row = new QHBoxLayout(groupLine);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label4 = new QLabel(QStringLiteral("Ana Grup"), groupLine);
    label4->setObjectName(QStringLiteral("Label4"));
    Label5_ = new QLabel(groupLine);
    Label5_->setObjectName(QStringLiteral("Label5"));
    QFont bold = Label5_->font();
    bold.setBold(true);
    Label5_->setFont(bold);
    row->addWidget(label4);
    row->addWidget(Label5_, 1);

    namespace cols = store::columns;
    buildBody(subGroups.AltGrubu_Rx, cols::ALTGRUP,
              {{std::string(cols::ALTGRUP), QStringLiteral("Alt Grup"), 164},
               {std::string(cols::ACIKLAMA), QStringLiteral("Acıklama"), 200}},
              groupLine);
    closeAction(this, "Kapat", [this] { ToolButton1Click(); });
    // DsPrior: PageUp moves the focused field's table to its previous row.
    auto* prior = new QAction(this);
    prior->setObjectName(QStringLiteral("DsPrior"));
    prior->setShortcut(Qt::Key_PageUp);
    prior->setShortcutContext(Qt::WindowShortcut);
    connect(prior, &QAction::triggered, this, [this] {
        guarded([this] {
            try {
                subGroups.AltGrubu_Rx.prior();
            } catch (const store::Abort&) {
                // The open row was refused and stays.
            }
        });
    });
    addAction(prior);
    setFixedSize(420, 460);
    centreOnParent();
}

TK_AltGrupF::~TK_AltGrupF() {
    releaseControls();
}

void TK_AltGrupF::FormShow() {
    FormAyar(this, nullptr, 0);
    Label5_->setText(qs(subGroups.group()));
    guarded([this] { subGroups.load(); });
}

void TK_AltGrupF::ToolButton1Click() {
    close();
}

} // namespace kartavel::gui

#include "TK_EmanetF.h"

#include "app/CodePageValidator.h"
#include "app/DateFields.h"
#include "app/FormAyar.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/TAnaF.h"
#include "app/WindowParts.h"
#include "capture/ArchiveName.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "register/Lending.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "widgets/TBanner.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace kartavel::gui {

TK_EmanetF* K_EmanetF = nullptr;

bool TK_EmanetF::runCommand(TAnaF& main, int mode, std::string archiveName, int icon,
                            QWidget* parent) {
    const auto refusal = mode == 1 ? reg::lendRefusal(icon) : reg::takeBackRefusal(icon);
    if (refusal) {
        ShowInfo(qs(*refusal));
        return false;
    }
    main.LendMode = mode;
    if (mode == 0)
        reg::findLending(main.catalogue.Emenet_Rx, archiveName);
    ShowModalForm(K_EmanetF, main, archiveName, parent);
    main.catalogue.reloadLending();
    main.relistCurrentLevel();
    return true;
}

TK_EmanetF::TK_EmanetF(TAnaF& main, std::string archiveName, QWidget* parent)
    : QDialog(parent), Emenet_Rx(store::schemas::Emenet_Rx()), main_(main),
      archiveName_(std::move(archiveName)) {
    setObjectName(QStringLiteral("K_EmanetF"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 10);
    column->setSpacing(8);
    banner_ = new TBanner(QStringLiteral("Emanet Ver"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);

    GroupBox1_ = new QGroupBox(QStringLiteral("Emanet Bilgileri"), this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1_);
    int row = 0;
    auto add = [&](const char* label, QWidget* field, QWidget* buddy, Qt::Alignment align = {}) {
        auto* l = new QLabel(QString::fromUtf8(label), GroupBox1_);
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row++, 1, align);
        return l;
    };
    Label7_ = new QLabel(GroupBox1_);
    Label7_->setObjectName(QStringLiteral("Label7"));
    QFont bold = Label7_->font();
    bold.setBold(true);
    Label7_->setFont(bold);
    add("Emanet Verilecek Arşiv", Label7_, nullptr)->setObjectName(QStringLiteral("Label6"));

    EditEmanetAdi_ = new QLineEdit(GroupBox1_);
    EditEmanetAdi_->setObjectName(QStringLiteral("EditEmanetAdi"));
    EditEmanetAdi_->setMaxLength(60);
    EditEmanetAdi_->setValidator(new CodePageValidator({}, EditEmanetAdi_));
    add("Emanet Verilenin Adı Soyadı", EditEmanetAdi_, EditEmanetAdi_);

    VerilmeTarihi_ = new TDateEdit(GroupBox1_);
    VerilmeTarihi_->setObjectName(QStringLiteral("VerilmeTarihi"));
    TeslimTarihi_ = new TDateEdit(GroupBox1_);
    TeslimTarihi_->setObjectName(QStringLiteral("TeslimTarihi"));
    for (auto [label, field] :
         {std::pair{"Verilme Tarihi", VerilmeTarihi_}, {"Teslim Tarihi", TeslimTarihi_}}) {
        field->setFixedWidth(130);
        add(label, field, field->lineEdit(), Qt::AlignLeft);
    }

    EditAciklama_ = new QLineEdit(GroupBox1_);
    EditAciklama_->setObjectName(QStringLiteral("EditAciklama"));
    EditAciklama_->setMaxLength(100);
    // EditAciklamaKeyPress: the characters a description never takes are dropped as
    // they are typed (or pasted).
    EditAciklama_->setValidator(
        new CodePageValidator(qs(capture::kForbiddenNameCharacters), EditAciklama_));
    add("Acıklama", EditAciklama_, EditAciklama_);
    grid->setColumnStretch(1, 1);

    auto* box = new QHBoxLayout;
    box->setContentsMargins(10, 0, 10, 0);
    box->addWidget(GroupBox1_);
    column->addLayout(box, 1);

    IloWinButton1_ =
        commandButton(this, "IloWinButton1", QStringLiteral("Emanet Ver"), 6, {120, 30});
    IloWinButton2_ = commandButton(this, "IloWinButton2", QStringLiteral("Kapat"), 4, {100, 30});
    column->addLayout(buttonRow({IloWinButton1_, IloWinButton2_}));

    setTabOrder(EditEmanetAdi_, VerilmeTarihi_);
    setTabOrder(VerilmeTarihi_, TeslimTarihi_);
    setTabOrder(TeslimTarihi_, EditAciklama_);
    setTabOrder(EditAciklama_, IloWinButton1_);
    setTabOrder(IloWinButton1_, IloWinButton2_);
    closeAction(this, "Kapat", [this] { IloWinButton2Click(); });
    connect(IloWinButton1_, &TIloWinButton::clicked, this, &TK_EmanetF::IloWinButton1Click);
    connect(IloWinButton2_, &TIloWinButton::clicked, this, &TK_EmanetF::IloWinButton2Click);

    setFixedSize(430, 290);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

TK_EmanetF::~TK_EmanetF() = default;

void TK_EmanetF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TK_EmanetF::FormShow() {
    FormAyar(this, nullptr, 18);
    Label7_->setText(qs(archiveName_));
    mode_ = main_.LendMode;
    const auto lendingFile = store::Catalogue::lendingPath();
    Emenet_Rx.close();
    Emenet_Rx.open();
    if (platform::fileExists(lendingFile))
        store::RxMemoryLoadFromFile(Emenet_Rx, lendingFile);
    if (mode_ == 1) {
        IloWinButton1_->setCaption(QStringLiteral("Emanet Ver"));
    } else {
        IloWinButton1_->setCaption(QStringLiteral("Teslim Al"));
        // The fields only inform: what is changed in them is not stored.
        if (const auto record = reg::findLending(main_.catalogue.Emenet_Rx, archiveName_)) {
            EditEmanetAdi_->setText(qs(record->person));
            EditAciklama_->setText(qs(record->note));
            setSerialDay(VerilmeTarihi_, record->given);
            setSerialDay(TeslimTarihi_, record->due);
        }
        reg::findLending(Emenet_Rx, archiveName_);
    }
    EditEmanetAdi_->setFocus();
}

void TK_EmanetF::IloWinButton1Click() {
    try {
        if (mode_ == 1) {
            if (refuseUnfinishedDate({VerilmeTarihi_, TeslimTarihi_}))
                return;
            const reg::LendInput in{EditEmanetAdi_->text().toStdString(), serialDay(VerilmeTarihi_),
                                    serialDay(TeslimTarihi_), EditAciklama_->text().toStdString()};
            if (const auto refusal = reg::checkLend(in, archiveName_)) {
                ShowInfo(qs(*refusal));
                return;
            }
            reg::lendArchive(Emenet_Rx, archiveName_, in);
        } else if (!reg::takeBackArchive(Emenet_Rx, archiveName_)) {
            ShowInfo(qs(reg::kNotLent));
            return;
        }
    } catch (const platform::WriteError& e) {
        // Nothing was stored; the window stays as it is.
        ShowError(QString::fromStdString(e.what()));
        return;
    }
    accept();
}

void TK_EmanetF::IloWinButton2Click() {
    reject();
}

} // namespace kartavel::gui

#include "TK_YeniArsivF.h"

#include "GaugeProgress.h"
#include "app/CodePageValidator.h"
#include "app/FormAyar.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/WindowParts.h"
#include "capture/ArchiveName.h"
#include "platform/FileSystem.h"
#include "platform/Volume.h"
#include "register/TK_GrupF.h"
#include "store/Catalogue.h"
#include "store/SerialDate.h"
#include "widgets/TBanner.h"
#include "widgets/TDateEdit.h"
#include "widgets/TDirectoryEdit.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kartavel::gui {

TK_YeniArsivF* K_YeniArsivF = nullptr;

namespace {

constexpr int kNameLength = 40;
constexpr int kCodeLength = 50;

} // namespace

TK_YeniArsivF::TK_YeniArsivF(store::Catalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
    setObjectName(QStringLiteral("K_YeniArsivF"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    banner_ = new TBanner(QStringLiteral("Yeni Arşiv Kayıt"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);
    buildFields();

    IloWinButton1_ = commandButton(this, "IloWinButton1", QStringLiteral("Kaydet"), 6, {100, 30});
    IloWinButton2_ = commandButton(this, "IloWinButton2", QStringLiteral("Kapat"), 4, {100, 30});
    column->addLayout(buttonRow({IloWinButton1_, IloWinButton2_}));

    StatusBar1_ = new QStatusBar(this);
    StatusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1_->setSizeGripEnabled(false);
    StatusBar1_->setFixedHeight(24);
    column->addWidget(StatusBar1_);
    ILOProgress1_ = new TILOProgress(StatusBar1_);
    ILOProgress1_->setObjectName(QStringLiteral("ILOProgress1"));
    ILOProgress1_->setStatement(QStringLiteral("Lütfen Bekleyiniz."));
    ILOProgress1_->setShowText(true);
    ILOProgress1_->hide();

    Kapat_ = closeAction(this, "Kapat", [this] { IloWinButton2Click(); });
    connect(IloWinButton1_, &TIloWinButton::clicked, this, &TK_YeniArsivF::IloWinButton1Click);
    connect(IloWinButton2_, &TIloWinButton::clicked, this, &TK_YeniArsivF::IloWinButton2Click);
    connect(IloWinButton3_, &TIloWinButton::clicked, this, &TK_YeniArsivF::IloWinButton3Click);
    connect(IloWinButton4_, &TIloWinButton::clicked, this, &TK_YeniArsivF::IloWinButton4Click);
    connect(ComboGRUP_, &QComboBox::activated, this, &TK_YeniArsivF::ComboGRUPSelect);
    ComboGRUP_->installEventFilter(this);
    ComboALT_GRUP_->installEventFilter(this);
    resize(470, sizeHint().height());
}

void TK_YeniArsivF::buildFields() {
    GroupBox1_ = new QGroupBox(QStringLiteral(" Arşiv Bilgileri "), this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1_);
    int row = 0;
    auto add = [&](const char* label, QWidget* field, QWidget* side = nullptr) {
        auto* l = new QLabel(QString::fromUtf8(label), GroupBox1_);
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1, 1, side ? 1 : 2);
        if (side)
            grid->addWidget(side, row, 2);
        ++row;
    };

    DirectoryEdit1_ = new TDirectoryEdit(GroupBox1_);
    DirectoryEdit1_->setObjectName(QStringLiteral("DirectoryEdit1"));
    add("Arşive Alınacak Yol", DirectoryEdit1_);

    EditOKOD_ = new QLineEdit(GroupBox1_);
    EditOKOD_->setObjectName(QStringLiteral("EditOKOD"));
    EditOKOD_->setMaxLength(kCodeLength);
    EditOKOD_->setValidator(new CodePageValidator({}, EditOKOD_));
    add("Özel Kodu", EditOKOD_);

    RxDateEdit1_ = new TDateEdit(GroupBox1_);
    RxDateEdit1_->setObjectName(QStringLiteral("RxDateEdit1"));
    RxDateEdit1_->setFixedWidth(130);
    grid->addWidget(new QLabel(QStringLiteral("Kayıt Tarihi"), GroupBox1_), row, 0);
    grid->addWidget(RxDateEdit1_, row++, 1, Qt::AlignLeft);

    EditADI_ = new QLineEdit(GroupBox1_);
    EditADI_->setObjectName(QStringLiteral("EditADI"));
    EditADI_->setMaxLength(kNameLength);
    nameFilter_ = new CodePageValidator(qs(capture::kForbiddenNameCharacters), EditADI_);
    EditADI_->setValidator(nameFilter_);
    IloWinButton3_ = commandButton(GroupBox1_, "IloWinButton3", QStringLiteral("?"), -1, {24, 22});
    IloWinButton3_->setToolTip(QStringLiteral("Partition/Cd ismini al"));
    add("Arşiv Adı", EditADI_, IloWinButton3_);

    ComboGRUP_ = choiceField(GroupBox1_, "ComboGRUP");
    // The group window opens from here once it is part of the program; until then
    // the button stays out of sight.
    IloWinButton4_ = commandButton(GroupBox1_, "IloWinButton4", QStringLiteral("*"), -1, {24, 22});
    IloWinButton4_->setToolTip(QStringLiteral("Grup Ekle"));
    add("Grubu", ComboGRUP_, IloWinButton4_);

    ComboALT_GRUP_ = choiceField(GroupBox1_, "ComboALT_GRUP");
    add("Alt Grubu", ComboALT_GRUP_);

    radioBox_ = new QGroupBox(GroupBox1_);
    radioBox_->setObjectName(QStringLiteral("RadioGroup1"));
    auto* radios = new QHBoxLayout(radioBox_);
    RadioGroup1_ = new QButtonGroup(this);
    int index = 0;
    for (const char* kind : {"Dvd", "Cd", "Klasör"}) {
        auto* r = new QRadioButton(QString::fromUtf8(kind), radioBox_);
        r->setObjectName(QStringLiteral("RadioGroup1_%1").arg(index));
        RadioGroup1_->addButton(r, index++);
        radios->addWidget(r);
    }
    RadioGroup1_->button(0)->setChecked(true);
    grid->addWidget(radioBox_, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* box = new QHBoxLayout;
    box->setContentsMargins(10, 0, 10, 0);
    box->addWidget(GroupBox1_);
    static_cast<QBoxLayout*>(layout())->addLayout(box, 1);
}

void TK_YeniArsivF::showEvent(QShowEvent* event) {
    // Once, when the window opens: a window restored from the task bar keeps its
    // date and its focus.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TK_YeniArsivF::FormShow() {
    FormAyar(this, nullptr, 0);
    try {
        fillChoices(ComboGRUP_, reg::groupChoices());
    } catch (const platform::ReadError& e) {
        ShowError(QString::fromStdString(e.what()));
    }
    RxDateEdit1_->setDate(QDate::currentDate());
    DirectoryEdit1_->setInitialFolder(GetCDROMDRIVE(QDir::homePath()));
    DirectoryEdit1_->setFocus();
}

bool TK_YeniArsivF::eventFilter(QObject* watched, QEvent* event) {
    // The lists are filled again each time they get the focus, so that groups
    // added meanwhile appear; not when the focus only comes back from the list's
    // own pop-up.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == ComboGRUP_)
            ComboGRUPEnter();
        else if (watched == ComboALT_GRUP_)
            ComboALT_GRUPEnter();
    }
    return QDialog::eventFilter(watched, event);
}

void TK_YeniArsivF::ComboGRUPEnter() {
    try {
        fillChoices(ComboGRUP_, reg::groupChoices());
    } catch (const platform::ReadError& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

void TK_YeniArsivF::ComboGRUPSelect() {
    ComboALT_GRUP_->setEditText(QString());
}

void TK_YeniArsivF::ComboALT_GRUPEnter() {
    const QString group = ComboGRUP_->currentText();
    try {
        fillChoices(ComboALT_GRUP_, reg::subGroupChoices(group.toStdString()));
    } catch (const platform::ReadError& e) {
        ShowError(QString::fromStdString(e.what()));
    }
    if (group.isEmpty())
        ComboALT_GRUP_->setEditText(QString());
}

reg::NewArchiveInput TK_YeniArsivF::input() const {
    reg::NewArchiveInput in;
    in.path = DirectoryEdit1_->text().toStdString();
    if (const auto d = RxDateEdit1_->date())
        in.date = store::serialFromCivil({d->year(), d->month(), d->day()});
    in.code = EditOKOD_->text().toStdString();
    in.name = EditADI_->text().toStdString();
    in.group = ComboGRUP_->currentText().toStdString();
    in.subGroup = ComboALT_GRUP_->currentText().toStdString();
    in.mediaKind = std::max(0, RadioGroup1_->checkedId());
    return in;
}

void TK_YeniArsivF::IloWinButton1Click() {
    if (registering_)
        return;
    reg::NewArchiveInput in = input();
    if (const auto refusal = reg::checkNewArchive(catalogue_.KayitOrj_T, in)) {
        ShowInfo(qs(*refusal));
        return;
    }
    in.path = reg::registrationFolder(in.path);

    ILOProgress1_->setGeometry(2, 2, StatusBar1_->width() - 4, StatusBar1_->height() - 4);
    ILOProgress1_->setMaximum(0);
    ILOProgress1_->setPosition(0);
    ILOProgress1_->raise();
    setRegistering(true);
    GaugeProgress scan(ILOProgress1_, [this] { return closeRequested_; });
    GaugeProgress write(ILOProgress1_, {}); // a content file is written whole or not at all
    reg::NewArchiveResult result;
    QString error;
    try {
        result = reg::registerNewArchive(catalogue_, in, scan, write);
    } catch (const platform::WriteError& e) {
        error = QString::fromStdString(e.what());
    } catch (const platform::ReadError& e) {
        error = QString::fromStdString(e.what());
    }
    setRegistering(false);

    if (!error.isEmpty())
        ShowError(error);
    else if (!result.message.empty())
        ShowInfo(qs(result.message));
    if (closeRequested_)
        QDialog::reject();
}

void TK_YeniArsivF::setRegistering(bool on) {
    registering_ = on;
    // The control that started it (usually "Kaydet") has the focus again after.
    if (on)
        focusBefore_ = focusWidget();
    // The window itself stays enabled while it registers, so that its close box
    // and Esc can still ask the scan to stop; everything that edits or starts
    // something is disabled.
    for (QWidget* w : {static_cast<QWidget*>(GroupBox1_), static_cast<QWidget*>(IloWinButton1_),
                       static_cast<QWidget*>(IloWinButton2_)})
        w->setEnabled(!on);
    Kapat_->setEnabled(!on);
    ILOProgress1_->setVisible(on);
    if (!on && focusBefore_)
        focusBefore_->setFocus();
}

void TK_YeniArsivF::IloWinButton2Click() {
    close();
}

void TK_YeniArsivF::reject() {
    if (!deferClose())
        QDialog::reject();
}

bool TK_YeniArsivF::deferClose() {
    if (!registering_)
        return false;
    closeRequested_ = true;
    return true;
}

void TK_YeniArsivF::IloWinButton4Click() {
    // The group list offers new groups the next time it gets the focus.
    ShowModalForm(K_GrupF, this);
}

void TK_YeniArsivF::IloWinButton3Click() {
    const QString path = DirectoryEdit1_->text();
    if (path.isEmpty())
        return;
    const QString label = qs(platform::volumeLabel(reg::registrationFolder(path.toStdString())));
    // A label that cannot be read leaves the name as it was.
    const QString name = nameFilter_->filtered(label).left(kNameLength);
    if (!name.isEmpty())
        EditADI_->setText(name);
}

QString TK_YeniArsivF::GetCDROMDRIVE(const QString& current) {
    const auto roots = platform::cdromDriveRoots();
    return roots.empty() ? current : qs(roots.back());
}

} // namespace kartavel::gui

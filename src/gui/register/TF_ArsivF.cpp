#include "TF_ArsivF.h"

#include "RegisterListModel.h"
#include "TK_EmanetF.h"
#include "app/CodePageValidator.h"
#include "app/DateFields.h"
#include "app/FormAyar.h"
#include "app/ImageLists.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/TAnaF.h"
#include "app/TListView.h"
#include "app/ViewMenu.h"
#include "app/WindowParts.h"
#include "capture/TK_GoruntuleF.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/NewArchive.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "widgets/TBanner.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kartavel::gui {

TF_ArsivF* F_ArsivF = nullptr;

namespace {

// A group or sub-group field of the filter panel.
QComboBox* groupField(QWidget* parent, const char* objectName) {
    QComboBox* combo = choiceField(parent, objectName);
    combo->lineEdit()->setMaxLength(30);
    combo->setMinimumWidth(200);
    return combo;
}

// A frame of radio buttons, one choice per id in order.
QButtonGroup* radioGroup(QWidget* owner, QGroupBox* box, const char* objectName,
                         std::initializer_list<const char*> choices) {
    box->setObjectName(QString::fromLatin1(objectName));
    auto* column = new QVBoxLayout(box);
    column->setSpacing(2);
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (const char* c : choices) {
        auto* r = new QRadioButton(QString::fromUtf8(c), box);
        r->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(objectName)).arg(id));
        group->addButton(r, id++);
        column->addWidget(r);
    }
    column->addStretch(1);
    return group;
}

} // namespace

std::filesystem::path TF_ArsivF::settingsFile() {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return platform::DataFolder() /
           platform::pathFromUtf8((program + QStringLiteral(".INI")).toStdString());
}

TF_ArsivF::TF_ArsivF(TAnaF& main, QWidget* parent)
    : QDialog(parent), KayitOrj_T(store::schemas::KayitOrj_T()), Kayit_T(store::schemas::Kayit_T()),
      main_(main) {
    setObjectName(QStringLiteral("F_ArsivF"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setFont(main.font());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    banner_ = new TBanner(QStringLiteral("Arşiv Arama"), QStringLiteral("Label1"), this);
    // This window's banner has no header picture: FormAyar finds none to fill.
    banner_->imageTop()->hide();
    banner_->imageTop()->setObjectName(QString());
    column->addWidget(banner_);
    buildToolBar();
    buildFilterPanel();
    buildList();
    buildStatusBar();
    buildActions();

    storage_ = std::make_unique<FormStorage>(settingsFile(), QStringLiteral("TF_ArsivF"));
    keepSettings();

    // FormCreate: the window opens maximised.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

TF_ArsivF::~TF_ArsivF() = default;

void TF_ArsivF::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setIconSize(QSize(32, 32));
    ToolButtonKartAc_ = toolButton(bar, "ToolButtonKartAc", "Arşivi Ac", 2, "Arşivi Aç (F8)");
    ToolButton1_ = toolButton(bar, "ToolButton1", "Konumunu Aç", 12, "Konumunu Aç");
    bar->addSeparator();
    ToolButtonKapat_ = toolButton(bar, "ToolButtonKapat", "Kapat", 4, "Kapat (Esc)");
    connect(ToolButtonKartAc_, &QToolButton::clicked, this, &TF_ArsivF::ToolButton1Click);
    connect(ToolButton1_, &QToolButton::clicked, this, &TF_ArsivF::ListView1DblClick);
    connect(ToolButtonKapat_, &QToolButton::clicked, this, &TF_ArsivF::ToolButtonKapatClick);
    layout()->addWidget(bar);
}

void TF_ArsivF::buildFilterPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 6, 8, 6);

    auto* fields = new QGridLayout;
    auto field = [&](int line, const char* label, QWidget* w) {
        auto* l = new QLabel(QString::fromUtf8(label), panel);
        l->setBuddy(w);
        fields->addWidget(l, line, 0);
        fields->addWidget(w, line, 1);
    };
    EditARADI_ = new QLineEdit(panel);
    EditARADI_->setObjectName(QStringLiteral("EditARADI"));
    EditARADI_->setMaxLength(40);
    EditARADI_->setValidator(new CodePageValidator({}, EditARADI_));
    EditARADI_->setMinimumWidth(200);
    field(0, "Arşiv Adı", EditARADI_);
    EditOKOD_ = new QLineEdit(panel);
    EditOKOD_->setObjectName(QStringLiteral("EditOKOD"));
    EditOKOD_->setMaxLength(50);
    EditOKOD_->setValidator(new CodePageValidator({}, EditOKOD_));
    field(1, "Özel Kodu", EditOKOD_);
    DBComboBox1_ = groupField(panel, "DBComboBox1");
    field(2, "Grubu", DBComboBox1_);
    DBComboBox2_ = groupField(panel, "DBComboBox2");
    DBComboBox2_->installEventFilter(this);
    field(3, "Alt Grubu", DBComboBox2_);
    row->addLayout(fields);

    auto* dates = new QGroupBox(QStringLiteral(" Tarih Aralığı "), panel);
    dates->setObjectName(QStringLiteral("GroupBox1"));
    auto* dateGrid = new QGridLayout(dates);
    DateEdit1_ = new TDateEdit(dates);
    DateEdit1_->setObjectName(QStringLiteral("DateEdit1"));
    DateEdit2_ = new TDateEdit(dates);
    DateEdit2_->setObjectName(QStringLiteral("DateEdit2"));
    for (auto [line, label, edit] :
         {std::tuple{0, "Başlangıç", DateEdit1_}, {1, "Bitiş", DateEdit2_}}) {
        auto* l = new QLabel(QString::fromUtf8(label), dates);
        l->setBuddy(edit->lineEdit());
        edit->setFixedWidth(130);
        dateGrid->addWidget(l, line, 0);
        dateGrid->addWidget(edit, line, 1);
    }
    dateGrid->setRowStretch(2, 1);
    row->addWidget(dates);

    auto* media = new QGroupBox(panel);
    RadioGroup1_ = radioGroup(this, media, "RadioGroup1", {"Dvd", "Cd", "Klasör", "Hepsi"});
    RadioGroup1_->button(3)->setChecked(true);
    row->addWidget(media);
    auto* lending = new QGroupBox(panel);
    RadioGroup2_ = radioGroup(this, lending, "RadioGroup2",
                              {"Emanete Verilen", "Emanete Verilmeyen", "Hepsi"});
    RadioGroup2_->button(2)->setChecked(true);
    row->addWidget(lending);

    auto* sortColumn = new QVBoxLayout;
    auto* sort = new QGroupBox(QStringLiteral(" Sıralama "), panel);
    RadioSIRA_ = radioGroup(this, sort, "RadioSIRA", {"Tarihi", "Arşiv Adı", "Özel Kodu"});
    RadioSIRA_->button(0)->setChecked(true);
    sortColumn->addWidget(sort, 1);
    CheckSIRA_ = new QCheckBox(QStringLiteral("Sıralamayı Ters Çevir"), panel);
    CheckSIRA_->setObjectName(QStringLiteral("CheckSIRA"));
    sortColumn->addWidget(CheckSIRA_);
    row->addLayout(sortColumn);

    auto* buttons = new QVBoxLayout;
    IQGrap1_ = commandButton(panel, "IQGrap1", QStringLiteral("Filtrele"), 5, {100, 30});
    IQGrap1_->setToolTip(QStringLiteral("Filtrele (F2)"));
    IQGrap2_ = commandButton(panel, "IQGrap2", QStringLiteral("Hepsi"), 11, {100, 30});
    IQGrap2_->setToolTip(QStringLiteral("Kayıtları göster (F3)"));
    IQGrap3_ = commandButton(panel, "IQGrap3", QString(), 15, {100, 30});
    IQGrap3_->setToolTip(QStringLiteral("Temizle (Alt+T)"));
    for (auto* b : {IQGrap1_, IQGrap2_, IQGrap3_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    row->addLayout(buttons);
    row->addStretch(1);
    connect(IQGrap1_, &TIloWinButton::clicked, this, &TF_ArsivF::IQGrap1Click);
    connect(IQGrap2_, &TIloWinButton::clicked, this, &TF_ArsivF::IQGrap2Click);
    connect(IQGrap3_, &TIloWinButton::clicked, this, &TF_ArsivF::IQGrap3Click);
    layout()->addWidget(panel);
}

void TF_ArsivF::buildList() {
    model_ = new RegisterListModel(this);
    ListView1_ = new TListView(this);
    ListView1_->setObjectName(QStringLiteral("ListView1"));
    ListView1_->setModel(model_);
    ListView1_->setColumnWidths({200, 200, 100, 150, 150});
    static_cast<QBoxLayout*>(layout())->addWidget(ListView1_, 1);
    connect(ListView1_, &TListView::itemActivated, this, [this] { ListView1DblClick(); });

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    viewGroup_ = addViewMenu(PopupMenu1_);
    connect(viewGroup_, &QActionGroup::triggered, this, &TF_ArsivF::BuyukSimge1Click);
    connect(addMenuItem(PopupMenu1_, "EmanetVer1", "Emanet Ver", 20), &QAction::triggered, this,
            &TF_ArsivF::EmanetVer1Click);
    connect(addMenuItem(PopupMenu1_, "TeslimAl1", "Teslim Al", 21), &QAction::triggered, this,
            &TF_ArsivF::TeslimAl1Click);
    connect(ListView1_, &TListView::contextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1Popup();
        PopupMenu1_->exec(at);
    });
}

void TF_ArsivF::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    countPanel_ = addCountPanels(bar, QStringLiteral(" Listelenen Kayıt Sayısı"), 150);
    layout()->addWidget(bar);
}

void TF_ArsivF::buildActions() {
    closeAction(this, "Kapat", [this] { ToolButtonKapatClick(); });
    auto action = [this](const char* name, const char* caption, QKeySequence key, auto handler) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, handler);
        addAction(a);
    };
    action("Filtrele", "Filtrele", QKeySequence(Qt::Key_F2), &TF_ArsivF::IQGrap1Click);
    action("Hepsi", "Hepsi", QKeySequence(Qt::Key_F3), &TF_ArsivF::IQGrap2Click);
    action("Temizlee", "Temizle", QKeySequence(Qt::ALT | Qt::Key_T), &TF_ArsivF::IQGrap3Click);
    action("KartAc", "Arşivi Aç", QKeySequence(Qt::Key_F8), &TF_ArsivF::ToolButton1Click);
}

void TF_ArsivF::keepSettings() {
    for (QAction* a : viewGroup_->actions())
        storage_->addCheckedItem(a);
    auto text = [this](const char* key, QLineEdit* edit) {
        storage_->addValue(
            QString::fromLatin1(key), [edit] { return edit->text(); },
            [edit](const QString& v) { edit->setText(v); });
    };
    text("EditARADI_Text", EditARADI_);
    text("EditOKOD_Text", EditOKOD_);
    text("DBComboBox1_Text", DBComboBox1_->lineEdit());
    text("DBComboBox2_Text", DBComboBox2_->lineEdit());
    text("DateEdit1_Text", DateEdit1_->lineEdit());
    text("DateEdit2_Text", DateEdit2_->lineEdit());
    auto index = [this](const char* key, QButtonGroup* group) {
        storage_->addValue(
            QString::fromLatin1(key), [group] { return QString::number(group->checkedId()); },
            [group](const QString& v) {
                bool ok = false;
                if (QAbstractButton* b = group->button(v.toInt(&ok)); ok && b)
                    b->setChecked(true);
            });
    };
    index("RadioGroup2_ItemIndex", RadioGroup2_);
    index("RadioGroup1_ItemIndex", RadioGroup1_);
}

QAction* TF_ArsivF::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

const reg::RegisterRow* TF_ArsivF::selectedRow() const {
    return model_->row(ListView1_->selectedRow());
}

// ---- opening and closing ----------------------------------------------------------

void TF_ArsivF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The remembered settings come back before the opening steps.
    storage_->restore();
    FormShow();
}

void TF_ArsivF::FormShow() {
    FormAyar(this, nullptr, 13);
    KayitOrj_T.close();
    KayitOrj_T.open();
    if (platform::fileExists(store::Catalogue::registerPath()))
        store::RxMemoryLoadFromFile(KayitOrj_T, store::Catalogue::registerPath());
    main_.catalogue.reloadLending();
    fillChoices(DBComboBox1_, reg::groupChoices());
    EditARADI_->setFocus();
    BuyukSimge1Click(nullptr);
    IQGrap1Click();
}

void TF_ArsivF::done(int result) {
    if (!settingsKept_) {
        settingsKept_ = true;
        try {
            storage_->save();
        } catch (const platform::WriteError& e) {
            ShowError(QString::fromStdString(e.what()));
        }
    }
    QDialog::done(result);
}

void TF_ArsivF::ToolButtonKapatClick() {
    close();
}

// ---- the filter --------------------------------------------------------------------

reg::FilterCriteria TF_ArsivF::criteria() const {
    reg::FilterCriteria c;
    c.name = EditARADI_->text().toStdString();
    c.code = EditOKOD_->text().toStdString();
    c.from = serialDay(DateEdit1_);
    c.to = serialDay(DateEdit2_);
    c.group = DBComboBox1_->currentText().toStdString();
    c.subGroup = DBComboBox2_->currentText().toStdString();
    c.media = static_cast<reg::MediaChoice>(RadioGroup1_->checkedId());
    c.lending = static_cast<reg::LendChoice>(RadioGroup2_->checkedId());
    c.sort = static_cast<reg::SortKey>(RadioSIRA_->checkedId());
    c.reverse = CheckSIRA_->isChecked();
    return c;
}

void TF_ArsivF::setCriteria(const reg::FilterCriteria& c) {
    EditARADI_->setText(qs(c.name));
    EditOKOD_->setText(qs(c.code));
    setSerialDay(DateEdit1_, c.from);
    setSerialDay(DateEdit2_, c.to);
    DBComboBox1_->setEditText(qs(c.group));
    DBComboBox2_->setEditText(qs(c.subGroup));
    RadioGroup1_->button(static_cast<int>(c.media))->setChecked(true);
    RadioGroup2_->button(static_cast<int>(c.lending))->setChecked(true);
    RadioSIRA_->button(static_cast<int>(c.sort))->setChecked(true);
    CheckSIRA_->setChecked(c.reverse);
}

void TF_ArsivF::Filtreleme() {
    reg::Filtreleme(KayitOrj_T, main_.catalogue.Emenet_Rx, criteria(), Kayit_T);
}

void TF_ArsivF::ListViewAyarla() {
    ListView1_->setUpdatesEnabled(false);
    model_->setRows(reg::registerRows(Kayit_T, main_.catalogue.Emenet_Rx));
    ListView1_->setUpdatesEnabled(true);
    countPanel_->setText(QString::number(model_->rowCount()));
}

void TF_ArsivF::IQGrap1Click() {
    // A date half typed is no empty one: the list would show what was not asked for.
    if (refuseUnfinishedDate({DateEdit1_, DateEdit2_}))
        return;
    Filtreleme();
    ListViewAyarla();
}

void TF_ArsivF::IQGrap2Click() {
    IQGrap3Click();
    IQGrap1Click();
}

void TF_ArsivF::IQGrap3Click() {
    reg::FilterCriteria c = criteria();
    reg::clearCriteria(c);
    setCriteria(c);
}

void TF_ArsivF::DBComboBox2Enter() {
    fillChoices(DBComboBox2_, reg::subGroupChoices(DBComboBox1_->currentText().toStdString()));
}

bool TF_ArsivF::eventFilter(QObject* watched, QEvent* event) {
    // Not when the focus only comes back from the list's own pop-up.
    if (watched == DBComboBox2_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        DBComboBox2Enter();
    return QDialog::eventFilter(watched, event);
}

// ---- the list ------------------------------------------------------------------------

void TF_ArsivF::BuyukSimge1Click(QAction* sender) {
    if (sender)
        sender->setChecked(true);
    applyViewMode(ListView1_, viewGroup_);
}

void TF_ArsivF::PopupMenu1Popup() {
    const auto state = reg::registerMenuState(selectedRow());
    menuItem(QStringLiteral("EmanetVer1"))->setEnabled(state.lend);
    menuItem(QStringLiteral("TeslimAl1"))->setEnabled(state.takeBack);
}

void TF_ArsivF::ToolButton1Click() {
    const reg::RegisterRow* row = selectedRow();
    if (!row)
        return;
    TK_GoruntuleF::open(reg::viewArchive(row->caption), qs(reg::viewerLocation(*row)), this);
}

void TF_ArsivF::ListView1DblClick() {
    const reg::RegisterRow* row = selectedRow();
    if (!row)
        return;
    auto place = reg::locateArchive(KayitOrj_T, *row, main_.catalogue, main_.browsing);
    main_.showPlace(std::move(place.listing), place.selectedRow);
    close();
}

void TF_ArsivF::EmanetVer1Click() {
    if (const reg::RegisterRow* row = selectedRow())
        if (TK_EmanetF::runCommand(main_, 1, row->caption, row->icon, this))
            IQGrap1Click();
}

void TF_ArsivF::TeslimAl1Click() {
    if (const reg::RegisterRow* row = selectedRow())
        if (TK_EmanetF::runCommand(main_, 0, row->caption, row->icon, this))
            IQGrap1Click();
}

} // namespace kartavel::gui

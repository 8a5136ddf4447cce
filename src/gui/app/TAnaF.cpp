#include "TAnaF.h"

#include "FormAyar.h"
#include "ImageLists.h"
#include "MainListModel.h"
#include "ModalForms.h"
#include "Prompter.h"
#include "TListView.h"
#include "ViewMenu.h"
#include "WindowParts.h"
#include "access/Password.h"
#include "access/TK_PasswordF.h"
#include "access/TK_SifreDegF.h"
#include "browse/Navigation.h"
#include "capture/TK_ArsivBilgiF.h"
#include "capture/TK_FindF.h"
#include "capture/TK_GoruntuleF.h"
#include "capture/TK_YeniArsivF.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/TF_ArsivF.h"
#include "register/TK_ArsivDuzenleF.h"
#include "register/TK_EmanetF.h"
#include "register/TK_GrupF.h"
#include "store/CatalogueSchemas.h"
#include "store/ProgramIdentity.h"
#include "widgets/TBanner.h"
#include "widgets/TILOAbout.h"
#include "widgets/TIloWinButton.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kartavel::gui {

TAnaF* AnaF = nullptr;
QDialog* K_ArsivDuzenleF = nullptr;

bool takeDataFolderLock(platform::DataFolderLock& lock) {
    const auto folder = platform::DataFolder();
    if (lock.tryLock(folder))
        return true;
    if (lock.heldElsewhere())
        ShowInfo(QStringLiteral("Kartavel bu veri klasörüyle zaten çalışıyor. Açık olan pencereyi "
                                "kullanınız..."));
    else
        ShowInfo(QStringLiteral("Veri klasörü açılamıyor: %1\nKlasöre yazılabildiğini "
                                "denetleyiniz...")
                     .arg(QString::fromStdString(platform::utf8FromPath(folder))));
    return false;
}

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString dataFolderText() {
    return QString::fromStdString(platform::utf8FromPath(platform::DataFolder()));
}

// The command bar, left to right: button number, caption, hint, icon.
struct CommandButton {
    int number;
    const char* caption;
    const char* hint;
    int icon;
};
constexpr CommandButton kCommandBar[] = {
    {9, "Yukarı", "", 16},
    {1, "Yeni Arşiv", "Yeni Arşiv Oluşturma", 0},
    {6, "Arşiv Arama", "", 23},
    {8, "Düzenle", "", 10},
    {10, "Grup Kaydı", "", 13},
    {4, "Sil", "", 1},
    {2, "Görüntüle", "Görüntüle", 2},
    {5, "İçerik Ara", "Tüm Arşivlerde İçerik Ara", 3},
    {11, "Şifre Değiştir", "", 22},
    {7, "Hakkında", "", 8},
    {3, "Kapat", "", 4},
};

// The about box as the main window declares it: the tall picture and the team.
TILOAbout* makeAboutBox(QObject* parent) {
    auto* about = new TILOAbout(parent);
    about->setObjectName(QStringLiteral("ILOAbout1"));
    about->setPicture(picture(QStringLiteral("about"), QSize(146, 441)));
    about->setTeam({qs(identity::kApplicationTitle)});
    return about;
}

} // namespace

TAnaF::TAnaF(QWidget* parent) : QMainWindow(parent), IloStorage1(access::makeIloStorage1()) {
    AnaF = this;
    setObjectName(QStringLiteral("AnaF"));
    setWindowTitle(qs(identity::kApplicationTitle));
    setWindowIcon(programIcon());
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);

    ImageList1 = makeImageList(32, this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    ImageList2 = makeImageList(16, this);
    ImageList2->setObjectName(QStringLiteral("ImageList2"));
    ILOAbout1 = makeAboutBox(this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    buildBanner(central);
    buildCommandBar(central);

    auto* location = new QWidget(central);
    location->setFixedHeight(20);
    auto* locationRow = new QHBoxLayout(location);
    locationRow->setContentsMargins(8, 0, 8, 0);
    label8_ = new QLabel(QStringLiteral("..."), location);
    label8_->setObjectName(QStringLiteral("Label8"));
    label8_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    locationRow->addWidget(label8_);
    column->addWidget(location);

    model_ = new MainListModel(&numberedIcon, this);
    listView_ = new TListView(central);
    listView_->setObjectName(QStringLiteral("ListView1"));
    listView_->setModel(model_);
    listView_->setColumnWidths({300, 250, 100});
    column->addWidget(listView_, 1);
    connect(listView_, &TListView::itemClicked, this, &TAnaF::ListView1Click);
    connect(listView_, &TListView::selectionChanged, this, [this](int row) {
        // The commands follow the selection also when the keyboard moves it.
        if (row >= 0)
            ListView1Click(row);
        else
            UpdateArchiveButtons();
    });
    connect(listView_, &TListView::itemActivated, this, &TAnaF::ListView1DblClick);
    connect(listView_, &TListView::backspacePressed, this, &TAnaF::IloWinButton9Click);
    connect(listView_, &TListView::contextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1Popup();
        popupMenu_->exec(at);
    });

    buildStatusBar();
    buildMenu();
    // Nothing is selected yet, whether or not the first listing comes.
    UpdateArchiveButtons();

    keepEscForPopups();
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    // Maximised; the size also holds on a desktop whose window manager ignores it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    storage_ =
        std::make_unique<FormStorage>(platform::DataFolder() / "AnaF.ini", QStringLiteral("TAnaF"));
    for (const char* name : {"BuyukSimge1", "KucukSimge1", "Liste1", "Ayrntlar1"})
        storage_->addCheckedItem(menuItem(QString::fromLatin1(name)));
    loginDue = true;
    catalogue.KayitOrj_T.afterPost = [this](store::RecordTable&) {
        if (K_ArsivDuzenleF)
            guarded([&] {
                try {
                    reg::afterEditPost(catalogue);
                } catch (const reg::EditRefused& refusal) {
                    ShowInfo(QString::fromStdString(refusal.what()));
                }
            });
    };

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &TAnaF::Timer1Timer);
    timer_->start();
}

TAnaF::~TAnaF() {
    if (!stateSaved_) {
        try {
            storage_->save();
        } catch (const std::exception&) {
            // The program is ending; a view mode that was not stored is no loss.
        }
    }
    if (AnaF == this)
        AnaF = nullptr;
}

void TAnaF::buildBanner(QWidget* central) {
    banner_ = new TBanner(QStringLiteral(" TAVRIS KARTAVEL"), QStringLiteral("Label1"), central);
    banner_->imageTop()->setObjectName(QStringLiteral("ImagePRG"));
    banner_->imageB1()->setPixmap(picture(QStringLiteral("banner")));
    banner_->imageB2()->setPixmap(picture(QStringLiteral("banner_end")));
    static_cast<QBoxLayout*>(central->layout())->addWidget(banner_);
}

void TAnaF::buildCommandBar(QWidget* central) {
    auto* bar = new QWidget(central);
    bar->setObjectName(QStringLiteral("CommandBar"));
    bar->setFixedHeight(62);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(0);
    buttons_.resize(11);
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(12);
    captionFont.setBold(true);
    for (const auto& c : kCommandBar) {
        auto* b = new TIloWinButton(bar);
        b->setObjectName(QStringLiteral("IloWinButton%1").arg(c.number));
        b->setFixedSize(85, 60);
        b->setFont(captionFont);
        b->setCaption(QString::fromUtf8(c.caption));
        b->setToolTip(QString::fromUtf8(c.hint));
        b->setImages(ImageList1);
        b->setImageIndex(c.icon);
        b->setGlphyAlign(TIloWinButton::poTop);
        row->addWidget(b);
        buttons_[c.number - 1] = b;
    }
    row->addStretch(1);
    static_cast<QBoxLayout*>(central->layout())->addWidget(bar);
    // The window starts at the top level, where "Yukarı" has nowhere to go.
    button(9)->setEnabled(false);

    connect(button(1), &TIloWinButton::clicked, this, &TAnaF::IloWinButton1Click);
    connect(button(2), &TIloWinButton::clicked, this, &TAnaF::IloWinButton2Click);
    connect(button(5), &TIloWinButton::clicked, this, &TAnaF::IloWinButton5Click);
    connect(button(3), &TIloWinButton::clicked, this, &QWidget::close);
    connect(button(4), &TIloWinButton::clicked, this, &TAnaF::IloWinButton4Click);
    connect(button(8), &TIloWinButton::clicked, this, &TAnaF::IloWinButton8Click);
    connect(button(9), &TIloWinButton::clicked, this, &TAnaF::IloWinButton9Click);
    connect(button(7), &TIloWinButton::clicked, this, &TAnaF::IloWinButton7Click);
    connect(button(11), &TIloWinButton::clicked, this, &TAnaF::IloWinButton11Click);
    connect(button(6), &TIloWinButton::clicked, this, &TAnaF::IloWinButton6Click);
    connect(button(10), &TIloWinButton::clicked, this, &TAnaF::IloWinButton10Click);
}

void TAnaF::buildMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(addMenuItem(popupMenu_, "IlkSayfayaGit1", "İlk Sayfaya Git", 17), &QAction::triggered,
            this, &TAnaF::IlkSayfayaGit1Click);
    popupMenu_->addSeparator();
    connect(addMenuItem(popupMenu_, "EmanetVer1", "Emanet Ver", 20), &QAction::triggered, this,
            &TAnaF::EmanetVer1Click);
    connect(addMenuItem(popupMenu_, "TeslimAl1", "Teslim Al", 21), &QAction::triggered, this,
            &TAnaF::TeslimAl1Click);
    viewGroup_ = addViewMenu(popupMenu_);
    connect(viewGroup_, &QActionGroup::triggered, this, &TAnaF::BuyukSimge1Click);
    popupMenu_->addSeparator();
    connect(addMenuItem(popupMenu_, "ArsivBilgileri1", "Arşiv Bilgileri", -1), &QAction::triggered,
            this, [this] {
                TK_ArsivBilgiF::open(catalogue.KayitOrj_T, reg::viewCurrentArchive(catalogue),
                                     this);
            });
}

void TAnaF::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    countPanel_ = addCountPanels(bar, QStringLiteral("Kayıt Sayısı"), 100);
    // One more panel names the open data folder; it takes the rest of the bar.
    folderPanel_ =
        addStatusPanel(bar, QStringLiteral("Veri klasörü: ") + dataFolderText(), 0, Qt::AlignLeft);
    folderPanel_->setObjectName(QStringLiteral("FolderPanel"));
    folderPanel_->setToolTip(dataFolderText());
}

TIloWinButton* TAnaF::button(int number) const {
    return buttons_.value(number - 1);
}

QAction* TAnaF::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

QPixmap TAnaF::bannerPicture() const {
    return banner_->imageB1()->pixmap();
}
QPixmap TAnaF::bannerEndPicture() const {
    return banner_->imageB2()->pixmap();
}
QPixmap TAnaF::programPicture() const {
    return banner_->imageTop()->pixmap();
}

template <typename F>
void TAnaF::guarded(F&& action) {
    guardFileWork(action);
}

// ---- show, timer, close -------------------------------------------------------

void TAnaF::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    storage_->restore();
    FormShow();
}

void TAnaF::FormShow() {
    if (titleShowsDataFolder)
        setWindowTitle(qs(identity::kMainTitle) + QStringLiteral(" - ") + dataFolderText());
    else
        setWindowTitle(qs(identity::kMainTitle));
    loggedIn = false;
    bool opened = false;
    guarded([&] {
        catalogue.open();
        opened = true;
    });
    if (!opened)
        return;
    browsing.level = 0;
    banner_->imageTop()->setPixmap(picture(QStringLiteral("program"), QSize(32, 32)));
    applyViewMode();
    ListViewAyarla(1, QString());
}

void TAnaF::Timer1Timer() {
    // The program is used only past a login. When the stored values cannot be read
    // (the password windows read them as they are made) no login can come: the
    // error is shown and the program ends, as the CLI refuses to start.
    QString failure;
    try {
        if (!access::storedValuesFileExists()) {
            timer_->stop();
            ShowModalForm(K_SifreDegF, this); // the first password
        }
        if (loginDue) {
            timer_->stop();
            ShowModalForm(K_PasswordF, this);
        }
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failure = qs(platform::kUnexpectedError);
    }
    loginDue = false;
    if (failure.isEmpty())
        return;
    timer_->stop();
    loginFailed_ = true;
    loggedIn = false;
    ShowError(failure);
    close();
}

void TAnaF::saveWindowState() {
    stateSaved_ = true;
    guarded([&] { storage_->save(); });
}

void TAnaF::closeEvent(QCloseEvent* event) {
    saveWindowState();
    if (loggedIn && !AskQuestion(QStringLiteral("Programdan çıkmak istiyormusunuz ?"))) {
        event->ignore();
        return;
    }
    event->accept();
}

// ---- the list ----------------------------------------------------------------------

void TAnaF::showListing(browse::Listing listing) {
    if (listing.upEnabled)
        button(9)->setEnabled(*listing.upEnabled);
    countPanel_->setText(QString::number(listing.items.size()));
    model_->setListing(std::move(listing));
    listView_->clearSelection();
    UpdateArchiveButtons();
}

void TAnaF::ListViewAyarla(int mode, const QString& name) {
    showListing(browse::ListViewAyarla(catalogue, browsing, mode, name.toStdString()));
}

const browse::ListItem* TAnaF::selectedItem() const {
    return model_->item(listView_->selectedRow());
}

void TAnaF::UpdateArchiveButtons() {
    const bool on = browse::archiveCommandsEnabled(selectedItem());
    for (int n : {8, 4, 2})
        button(n)->setEnabled(on);
}

void TAnaF::showLocation() {
    label8_->setText(QString::fromStdString(browsing.locationText));
}

void TAnaF::ListView1Click(int row) {
    if (const browse::ListItem* item = model_->item(row))
        browse::selectItem(catalogue, *item);
    UpdateArchiveButtons();
}

void TAnaF::ListView1DblClick(int row) {
    const browse::ListItem* item = model_->item(row);
    if (!item)
        return;
    const browse::ListItem clicked = *item;
    auto result = browse::doubleClick(catalogue, browsing, clicked);
    if (result.listing) {
        showLocation();
        showListing(std::move(*result.listing));
    }
    if (result.view)
        IloWinButton2Click();
}

void TAnaF::IloWinButton9Click() {
    if (auto listing = browse::up(catalogue, browsing)) {
        showLocation();
        showListing(std::move(*listing));
    }
}

void TAnaF::IlkSayfayaGit1Click() {
    auto listing = browse::firstPage(catalogue, browsing);
    showLocation();
    showListing(std::move(listing));
}

void TAnaF::PopupMenu1Popup() {
    const auto state = browse::popupMenuState(browsing, selectedItem());
    menuItem(QStringLiteral("IlkSayfayaGit1"))->setEnabled(state.firstPage);
    menuItem(QStringLiteral("EmanetVer1"))->setEnabled(state.lend);
    menuItem(QStringLiteral("TeslimAl1"))->setEnabled(state.takeBack);
    menuItem(QStringLiteral("ArsivBilgileri1"))
        ->setEnabled(browse::archiveCommandsEnabled(selectedItem()));
}

void TAnaF::BuyukSimge1Click(QAction*) {
    applyViewMode();
}

void TAnaF::applyViewMode() {
    gui::applyViewMode(listView_, viewGroup_);
}

// ---- commands -----------------------------------------------------------------------

void TAnaF::IloWinButton2Click() {
    TK_GoruntuleF::open(reg::viewCurrentArchive(catalogue), label8_->text(), this);
}

void TAnaF::IloWinButton1Click() {
    ShowModalForm(K_YeniArsivF, catalogue, this);
    guarded([&] { catalogue.reloadRegister(); });
    ListViewAyarla(1, QString());
}

void TAnaF::IloWinButton5Click() {
    SearchScope = 1;
    ShowModalForm(K_FindF, 1, nullptr, this);
}

void TAnaF::IloWinButton11Click() {
    ShowModalForm(K_SifreDegF, this);
    // After a change the login is due, and the next tick shows the login window.
    timer_->start();
}

void TAnaF::IloWinButton4Click() {
    const browse::ListItem* item = selectedItem();
    if (!item || !browse::isArchiveIcon(item->icon))
        return;
    if (catalogue.KayitOrj_T.isEmpty()) {
        ShowInfo(QStringLiteral("Listelenmiş kayıt bulunamadı..."));
    } else {
        if (!AskQuestion(QStringLiteral("Bu Arşivi Silmek istediğinizden eminmisiniz?")))
            return;
        bool deleted = false;
        guarded([&] {
            reg::deleteCurrentArchive(catalogue);
            deleted = true;
        });
        if (!deleted)
            return;
    }
    showListing(browse::relistAfterDelete(catalogue, browsing));
}

void TAnaF::IloWinButton8Click() {
    const browse::ListItem* item = selectedItem();
    if (!item || !browse::isArchiveIcon(item->icon))
        return;
    auto& t = catalogue.KayitOrj_T;
    if (t.isEmpty()) {
        ShowInfo(QStringLiteral("Listelenmiş kayıt bulunamadı..."));
        return;
    }
    guarded(
        [&] { t.locate(store::columns::ARSIV_ADI, t.asString(store::columns::ARSIV_ADI), true); });
    TK_ArsivDuzenleF* window = nullptr; // K_ArsivDuzenleF follows the window itself
    ShowModalForm(window, *this, this);
    ListViewAyarla(1, QString());
}

void TAnaF::IloWinButton10Click() {
    ShowModalForm(K_GrupF, this);
}

void TAnaF::IloWinButton7Click() {
    ILOAbout1->setCaption(windowTitle());
    ILOAbout1->setTopPicture(bannerPicture());
    ILOAbout1->setProgramName(qs(identity::kAboutName));
    ILOAbout1->Execute();
}

// ---- the register window and lending -------------------------------------------------

void TAnaF::IloWinButton6Click() {
    ShowModalForm(F_ArsivF, *this, this);
}

void TAnaF::relistCurrentLevel() {
    showListing(browse::relistCurrentLevel(catalogue, browsing));
}

void TAnaF::showPlace(browse::Listing listing, int selectedRow) {
    showLocation();
    showListing(std::move(listing));
    if (selectedRow >= 0)
        listView_->selectRow(selectedRow);
}

void TAnaF::EmanetVer1Click() {
    if (const browse::ListItem* item = selectedItem())
        TK_EmanetF::runCommand(*this, 1, item->caption, item->icon, this);
}

void TAnaF::TeslimAl1Click() {
    if (const browse::ListItem* item = selectedItem())
        TK_EmanetF::runCommand(*this, 0, item->caption, item->icon, this);
}

} // namespace kartavel::gui

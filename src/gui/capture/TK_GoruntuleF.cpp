#include "TK_GoruntuleF.h"

#include "ArchiveTreeModel.h"
#include "NodeListModel.h"
#include "TK_ArsivBilgiF.h"
#include "TK_FindF.h"
#include "app/DesktopShell.h"
#include "app/FormAyar.h"
#include "app/ImageLists.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/TAnaF.h"
#include "app/TListView.h"
#include "app/ViewMenu.h"
#include "app/WindowParts.h"
#include "capture/ArchiveName.h"
#include "platform/PathForm.h"
#include "widgets/KeyEvents.h"
#include "widgets/TBanner.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

namespace kartavel::gui {

TK_GoruntuleF* K_GoruntuleF = nullptr;

namespace {

// The node pictures in image order (root, folder, file), and at 3 the picture of
// "Geri".
QList<QIcon> nodeImages(int size) {
    QList<QIcon> images;
    for (const char* name : {"node_root", "node_folder", "node_file", "node_back"})
        images.append(QIcon(picture(QString::fromLatin1(name), QSize(size, size))));
    return images;
}

QWidget* whiteStrip(QWidget* parent) {
    auto* strip = new QWidget(parent);
    strip->setAutoFillBackground(true);
    QPalette p = strip->palette();
    p.setColor(QPalette::Window, Qt::white);
    strip->setPalette(p);
    return strip;
}

// The hourglass while an archive loads.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

constexpr const char* kCountText = "Liste Sayısı :  ";

} // namespace

std::optional<capture::ArchiveLoad> TK_GoruntuleF::load(const reg::ViewTarget& target) {
    if (!target.file) {
        ShowInfo(qs(target.message));
        return std::nullopt;
    }
    capture::ArchiveLoad load;
    {
        WaitCursor wait;
        load = capture::loadArchive(*target.file);
    }
    if (!load.load.ok()) {
        ShowError(qs(load.load.error));
        return std::nullopt;
    }
    return load;
}

void TK_GoruntuleF::open(const reg::ViewTarget& target, const QString& location, QWidget* parent) {
    if (auto loaded = load(target))
        ShowModalForm(K_GoruntuleF, std::move(loaded->load.tree), location, parent,
                      std::move(loaded->details), target.archiveName);
}

TK_GoruntuleF::TK_GoruntuleF(capture::ArchiveTree tree, const QString& location, QWidget* parent,
                             std::optional<capture::ArchiveDetails> details,
                             std::string archiveName)
    : QDialog(parent), tree_(std::move(tree)), details_(std::move(details)),
      archiveName_(std::move(archiveName)) {
    setObjectName(QStringLiteral("K_GoruntuleF"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    banner_ = new TBanner(QStringLiteral("Arşiv Görüntüleme"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);
    buildCommandBar();
    buildPanes();
    buildMenu();
    Label2_->setText(location);
    closeAction(this, "Kapat", [this] { IloWinButton3Click(); });

    // Opens maximised; the size also holds where the window manager ignores it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

TK_GoruntuleF::~TK_GoruntuleF() = default;

void TK_GoruntuleF::buildCommandBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("CommandBar"));
    bar->setFixedHeight(62);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(0);
    const QSize size(85, 60);
    geri_ = commandButton(bar, "IloWinButton12", QStringLiteral("Geri"), -1, size,
                          TIloWinButton::poTop);
    geri_->setGlpyh(picture(QStringLiteral("node_back"), QSize(32, 32)));
    ac_ = commandButton(bar, "IloWinButton2", QStringLiteral("Arşivden Aç"), 12, size,
                        TIloWinButton::poTop);
    ac_->setToolTip(QStringLiteral("Seçili nesnenin arşivdeki konumu aç"));
    ara_ = commandButton(bar, "IloWinButton5", QStringLiteral("İçerik Ara"), 3, size,
                         TIloWinButton::poTop);
    kapat_ =
        commandButton(bar, "IloWinButton7", QStringLiteral("Kapat"), 4, size, TIloWinButton::poTop);
    for (auto* b : {geri_, ac_, ara_, kapat_})
        row->addWidget(b);
    row->addStretch(1);
    layout()->addWidget(bar);

    connect(geri_, &TIloWinButton::clicked, this, &TK_GoruntuleF::IloWinButton1Click);
    connect(ac_, &TIloWinButton::clicked, this, &TK_GoruntuleF::IloWinButton2Click);
    connect(ara_, &TIloWinButton::clicked, this, &TK_GoruntuleF::IloWinButton4Click);
    connect(kapat_, &TIloWinButton::clicked, this, &TK_GoruntuleF::IloWinButton3Click);
}

void TK_GoruntuleF::buildPanes() {
    QFont bold = font();
    bold.setBold(true);

    QWidget* location = whiteStrip(this);
    location->setObjectName(QStringLiteral("LocationStrip"));
    location->setFixedHeight(24);
    auto* locationRow = new QHBoxLayout(location);
    locationRow->setContentsMargins(8, 2, 8, 2);
    Label2_ = new QLabel(QStringLiteral("LabelKONUM"), location);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(bold);
    Label2_->setStyleSheet(QStringLiteral("color: red;"));
    LabelKONUM_ = new QLabel(QStringLiteral("..."), location);
    LabelKONUM_->setObjectName(QStringLiteral("LabelKONUM"));
    LabelKONUM_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ILOProgress1_ = new TILOProgress(location);
    ILOProgress1_->setObjectName(QStringLiteral("ILOProgress1"));
    ILOProgress1_->setStatement(QStringLiteral("Oluşturuluyor..."));
    ILOProgress1_->setFixedSize(220, 20);
    ILOProgress1_->hide();
    locationRow->addWidget(Label2_);
    locationRow->addSpacing(16);
    locationRow->addWidget(LabelKONUM_, 1);
    locationRow->addWidget(ILOProgress1_);
    layout()->addWidget(location);

    auto* split = new QSplitter(Qt::Horizontal, this);
    TreeView1_ = new QTreeView(split);
    TreeView1_->setObjectName(QStringLiteral("TreeView1"));
    TreeView1_->setHeaderHidden(true);
    TreeView1_->setIndentation(19);
    TreeView1_->setUniformRowHeights(true);
    TreeView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    TListView::keepSelectionVisible(TreeView1_);
    treeModel_ = new ArchiveTreeModel(tree_, nodeImages(16), this);
    TreeView1_->setModel(treeModel_);
    TreeView1_->installEventFilter(this);
    connect(TreeView1_, &QTreeView::clicked, this, &TK_GoruntuleF::TreeView1Click);
    connect(TreeView1_, &QTreeView::doubleClicked, this, &TK_GoruntuleF::TreeView1DblClick);

    auto* right = new QWidget(split);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->setSpacing(0);
    listModel_ = new NodeListModel(tree_, nodeImages(32), details(), this);
    ListViewDISK_ = new TListView(right);
    ListViewDISK_->setObjectName(QStringLiteral("ListViewDISK"));
    ListViewDISK_->setModel(listModel_);
    ListViewDISK_->setViewStyle(TListView::ViewStyle::Icon);
    // The report view sorts by the column whose header is clicked, and a second
    // click reverses it; until then the list keeps the tree's order.
    QTableView* report = ListViewDISK_->reportView();
    report->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    report->setSortingEnabled(true);
    ListViewDISK_->setColumnWidths({260, 90, 150, 70});
    connect(ListViewDISK_, &TListView::itemActivated, this, &TK_GoruntuleF::ListViewDISKDblClick);
    connect(ListViewDISK_, &TListView::backspacePressed, this, [this] {
        if (geri_->isEnabled())
            IloWinButton1Click();
    });
    rightColumn->addWidget(ListViewDISK_, 1);
    QWidget* count = whiteStrip(right);
    count->setFixedHeight(20);
    auto* countRow = new QHBoxLayout(count);
    countRow->setContentsMargins(8, 0, 8, 0);
    LabelSAYI_ = new QLabel(QStringLiteral(".."), count);
    LabelSAYI_->setObjectName(QStringLiteral("LabelSAYI"));
    LabelSAYI_->setFont(bold);
    countRow->addWidget(LabelSAYI_);
    countRow->addSpacing(24);
    LabelAYRINTI_ = new QLabel(count);
    LabelAYRINTI_->setObjectName(QStringLiteral("LabelAYRINTI"));
    countRow->addWidget(LabelAYRINTI_, 1);
    rightColumn->addWidget(count);

    split->addWidget(TreeView1_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({280, 1000});
    layout()->addWidget(split);
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(split, 1);
}

void TK_GoruntuleF::buildMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(addMenuItem(popupMenu_, "ArsivBilgileri1", "Arşiv Bilgileri", -1), &QAction::triggered,
            this, &TK_GoruntuleF::ArsivBilgileri1Click);
    viewGroup_ = addViewMenu(popupMenu_);
    viewGroup_->actions().constFirst()->setChecked(true); // the large icons it opens with
    connect(viewGroup_, &QActionGroup::triggered, this, &TK_GoruntuleF::BuyukSimge1Click);
    connect(ListViewDISK_, &TListView::contextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->exec(at); });
}

void TK_GoruntuleF::BuyukSimge1Click() {
    applyViewMode(ListViewDISK_, viewGroup_);
}

void TK_GoruntuleF::ArsivBilgileri1Click() {
    ShowModalForm(K_ArsivBilgiF,
                  reg::archiveInformation(AnaF ? &AnaF->catalogue.KayitOrj_T : nullptr,
                                          archiveName_, tree_, details()),
                  this);
}

void TK_GoruntuleF::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TK_GoruntuleF::FormShow() {
    FormAyar(this, nullptr, 2);
    geri_->setEnabled(false);
    if (!details_)
        LabelAYRINTI_->setText(qs(capture::kNoDetails));
    // The root's folders are in sight; nothing is listed until the user picks one.
    if (!tree_.empty())
        TreeView1_->expand(treeModel_->indexOf(0));
    TreeView1_->setFocus();
}

const std::vector<std::size_t>& TK_GoruntuleF::ListNodes() const {
    return listModel_->nodes();
}

int TK_GoruntuleF::image(std::size_t node) const {
    return ArchiveTreeModel::nodeImage(tree_, node);
}

std::optional<std::size_t> TK_GoruntuleF::selectedNode() const {
    const auto selected = TreeView1_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return treeModel_->nodeOf(selected.constFirst());
}

void TK_GoruntuleF::selectNode(std::size_t node) {
    const QModelIndex index = treeModel_->indexOf(node);
    TreeView1_->setCurrentIndex(index);
    TreeView1_->scrollTo(index);
}

void TK_GoruntuleF::listFolder(std::size_t folder) {
    LabelKONUM_->setText(qs(tree_.TracePath(folder)));
    listModel_->setNodes({});
    const auto children = tree_.children(static_cast<std::int32_t>(folder));
    std::vector<std::size_t> nodes;
    if (!children.empty()) {
        ILOProgress1_->setMaximum(static_cast<double>(children.size() - 1));
        ILOProgress1_->setPosition(0);
        ILOProgress1_->show();
        nodes.reserve(children.size());
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        nodes.push_back(children[i]);
        if (i > 0)
            ILOProgress1_->setPosition(static_cast<double>(i));
    }
    ILOProgress1_->hide();
    listModel_->setNodes(std::move(nodes));
    showCount();
}

void TK_GoruntuleF::showCount() {
    LabelSAYI_->setText(QString::fromUtf8(kCountText) + QString::number(listModel_->rowCount()));
    LabelAYRINTI_->setText(qs(capture::listingText(tree_, details(), ListNodes())));
}

void TK_GoruntuleF::Listeleme(int from) {
    std::optional<std::size_t> chosen;
    if (from == 1) {
        const int row = ListViewDISK_->selectedRow();
        if (row >= 0 && static_cast<std::size_t>(row) < ListNodes().size())
            chosen = ListNodes()[static_cast<std::size_t>(row)];
    } else {
        chosen = selectedNode();
    }
    if (!chosen)
        return;
    if (image(*chosen) == ArchiveTreeModel::kFileImage) {
        openFile(*chosen);
        return;
    }
    if (from == 1)
        selectNode(*chosen);
    listFolder(*chosen);
    geri_->setEnabled(true);
}

void TK_GoruntuleF::openFile(std::size_t node) {
    // The node's own path: a file reached through another folder's listing still
    // opens where it lies.
    if (!shell().execute("OPEN", tree_.TracePath(node)))
        ShowInfo(QStringLiteral("Program Çalıştırılamadı..."));
}

void TK_GoruntuleF::TreeView1Click() {
    const auto node = selectedNode();
    if (node && image(*node) != ArchiveTreeModel::kFileImage)
        Listeleme(2);
}

void TK_GoruntuleF::TreeView1DblClick() {
    const auto node = selectedNode();
    if (node && image(*node) == ArchiveTreeModel::kFileImage)
        Listeleme(2);
}

void TK_GoruntuleF::ListViewDISKDblClick() {
    Listeleme(1);
}

bool TK_GoruntuleF::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a tree node does what the mouse does: a folder is listed, a file
    // opened.
    if (watched == TreeView1_ && isEnterKey(event)) {
        Listeleme(2);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TK_GoruntuleF::IloWinButton1Click() {
    const auto selected = selectedNode();
    if (!selected)
        return;
    const auto parent = tree_.parent(*selected);
    if (parent != capture::ArchiveTree::kNone) {
        const auto p = static_cast<std::size_t>(parent);
        selectNode(p);
        listFolder(p);
        return;
    }
    // At the top: the archive's own entry, from which a double-click lists it again.
    listModel_->setNodes({*selected});
    LabelKONUM_->setText(qs(tree_.name(*selected)));
    showCount();
    geri_->setEnabled(false);
}

void TK_GoruntuleF::IloWinButton2Click() {
    const auto node = selectedNode();
    if (!node)
        return;
    std::string path = tree_.TracePath(*node);
    if (image(*node) == ArchiveTreeModel::kFileImage)
        path = std::string(platform::folderPart(path));
    if (!shell().execute("OPEN", path))
        ShowInfo(QStringLiteral("Seçili Klasör açılamadı..."));
}

void TK_GoruntuleF::IloWinButton4Click() {
    if (AnaF)
        AnaF->SearchScope = 2;
    ShowModalForm(K_FindF, 2, &tree_, this, details());
}

void TK_GoruntuleF::IloWinButton3Click() {
    close();
}

} // namespace kartavel::gui

#include "TK_FindF.h"

#include "GaugeProgress.h"
#include "SearchResultModel.h"
#include "app/DesktopShell.h"
#include "app/FormAyar.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/TAnaF.h"
#include "app/TK_YardimF.h"
#include "app/WindowParts.h"
#include "platform/PathForm.h"
#include "widgets/KeyEvents.h"
#include "widgets/TBanner.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace kartavel::gui {

TK_FindF* K_FindF = nullptr;

namespace {

// The search help's instance reference while "?" shows it.
TK_YardimF* searchHelp = nullptr;

} // namespace

TK_FindF::TK_FindF(int searchScope, const capture::ArchiveTree* activeArchive, QWidget* parent,
                   const capture::ArchiveDetails* activeDetails)
    : QDialog(parent), scope_(searchScope), activeArchive_(activeArchive) {
    setObjectName(QStringLiteral("K_FindF"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    banner_ = new TBanner(QStringLiteral("İçerik Ara"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);
    buildSearchPanel();
    ListView1_ = buildResultList("ListView1", {137, 350, 80, 130});
    ListView2_ = buildResultList("ListView2", {105, 125, 250, 80, 130});
    results_->setActiveDetails(activeDetails);
    buildStatusBar();
    closeAction(this, "kapat", [this] { IloWinButton2Click(); });
    resize(760, 560);
}

void TK_FindF::buildSearchPanel() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget(tabs_);
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* grid = new QGridLayout(page);

    grid->addWidget(new QLabel(QStringLiteral("Aranan Konum "), page), 0, 0);
    Label4_ = new QLabel(QStringLiteral("..."), page);
    Label4_->setObjectName(QStringLiteral("Label4"));
    grid->addWidget(Label4_, 0, 1, 1, 2);

    auto* label2 = new QLabel(QStringLiteral("Aranacak Kelime"), page);
    EditKLM_ = new QLineEdit(page);
    EditKLM_->setObjectName(QStringLiteral("EditKLM"));
    label2->setBuddy(EditKLM_);
    IloWinButton4_ = commandButton(page, "IloWinButton4", QStringLiteral("?"), -1, {24, 22});
    IloWinButton4_->setToolTip(QStringLiteral("Arama Yardım"));
    grid->addWidget(label2, 1, 0);
    grid->addWidget(EditKLM_, 1, 1);
    grid->addWidget(IloWinButton4_, 1, 2);

    CheckBY_ = new QCheckBox(QStringLiteral("Büyük Küçük Harf Ayır"), page);
    CheckBY_->setObjectName(QStringLiteral("CheckBY"));
    CheckTAM_ = new QCheckBox(QStringLiteral("Tam Kelime Ara"), page);
    CheckTAM_->setObjectName(QStringLiteral("CheckTAM"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(CheckBY_);
    checks->addWidget(CheckTAM_);
    checks->addStretch(1);
    grid->addLayout(checks, 2, 1, 1, 2);

    IloWinButton1_ = commandButton(page, "IloWinButton1", QStringLiteral("Ara"), 3, {100, 30});
    IloWinButton3_ = commandButton(page, "IloWinButton3", QStringLiteral("Durdur"), 7, {100, 30});
    IloWinButton2_ = commandButton(page, "IloWinButton2", QStringLiteral("Kapat"), 4, {100, 30});
    auto* buttons = new QHBoxLayout;
    for (auto* b : {IloWinButton1_, IloWinButton3_, IloWinButton2_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 1, 1, 2);

    ILOProgressMAS_ = new TILOProgress(page);
    ILOProgressMAS_->setObjectName(QStringLiteral("ILOProgressMAS"));
    ILOProgressDT_ = new TILOProgress(page);
    ILOProgressDT_->setObjectName(QStringLiteral("ILOProgressDT"));
    for (auto* g : {ILOProgressMAS_, ILOProgressDT_}) {
        g->setStatement(QStringLiteral("Aranıyor"));
        g->setFixedHeight(20);
        // The gauges keep their room while hidden, so the panel does not jump.
        QSizePolicy keep = g->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        g->setSizePolicy(keep);
        g->hide();
    }
    grid->addWidget(ILOProgressMAS_, 4, 0, 1, 3);
    grid->addWidget(ILOProgressDT_, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    tabs_->addTab(page, QStringLiteral("Arama"));
    layout()->addWidget(tabs_);

    connect(IloWinButton1_, &TIloWinButton::clicked, this, &TK_FindF::IloWinButton1Click);
    connect(IloWinButton2_, &TIloWinButton::clicked, this, &TK_FindF::IloWinButton2Click);
    connect(IloWinButton3_, &TIloWinButton::clicked, this, &TK_FindF::IloWinButton3Click);
    connect(IloWinButton4_, &TIloWinButton::clicked, this, &TK_FindF::IloWinButton4Click);
    for (QWidget* w : {static_cast<QWidget*>(EditKLM_), static_cast<QWidget*>(CheckBY_),
                       static_cast<QWidget*>(CheckTAM_)})
        w->installEventFilter(this);
}

QTreeView* TK_FindF::buildResultList(const char* objectName, const QList<int>& widths) {
    auto* list = new QTreeView(this);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(true);
    list->installEventFilter(this);
    const bool visible = (widths.size() == 5) == (scope_ == 1);
    if (visible) {
        results_ = new SearchResultModel(scope_ == 1, this);
        list->setModel(results_);
        for (int i = 0; i < widths.size(); ++i)
            list->setColumnWidth(i, widths[i]);
        connect(list, &QTreeView::doubleClicked, this,
                scope_ == 1 ? &TK_FindF::ListView2DblClick : &TK_FindF::ListView1DblClick);
    }
    list->setVisible(visible);
    layout()->addWidget(list);
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(list, 1);
    return list;
}

void TK_FindF::buildStatusBar() {
    StatusSAYI_ = new QStatusBar(this);
    StatusSAYI_->setObjectName(QStringLiteral("StatusSAYI"));
    countPanel_ = addCountPanels(StatusSAYI_, QStringLiteral("Bulunan Kayıt Sayısı"), 130);
    layout()->addWidget(StatusSAYI_);
}

QLabel* TK_FindF::Label1() const {
    return banner_->heading();
}

void TK_FindF::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TK_FindF::FormShow() {
    FormAyar(this, nullptr, 3);
    if (scope_ == 1 && AnaF)
        Label4_->setText(AnaF->Label8()->text());
    banner_->heading()->setText(scope_ == 1 ? QStringLiteral("Tüm Arşivlerde Ara")
                                            : QStringLiteral("Aktif Arşivde Ara"));
    tabs_->setCurrentIndex(0);
    EditKLM_->setFocus();
    StopRequest = 0;
}

bool TK_FindF::eventFilter(QObject* watched, QEvent* event) {
    if (!isEnterKey(event))
        return QDialog::eventFilter(watched, event);
    if (watched == ListView1_ || watched == ListView2_) {
        // Enter on a result opens it as a double-click does.
        explore(static_cast<QTreeView*>(watched));
        return true;
    }
    IloWinButton1Click();
    return true;
}

void TK_FindF::IloWinButton1Click() {
    // One search at a time: the rows, the stop flag and the gauges belong to it.
    if (searching_)
        return;
    const std::string text = EditKLM_->text().toStdString();
    if (text.empty()) {
        ShowInfo(qs(capture::kEmptySearchText));
        EditKLM_->setFocus();
        return;
    }
    StopRequest = 0;
    countPanel_->setText(QStringLiteral("0"));
    results_->clear();
    LastMatchIndex = -1;
    searching_ = true;
    IloWinButton1_->setEnabled(false);
    const capture::SearchResult result = run(text, CheckTAM_->isChecked(), CheckBY_->isChecked());
    publish();
    results_->loadDetails();
    searching_ = false;
    IloWinButton1_->setEnabled(true);

    ShowInfo(qs(result.message));
    if (!result.loadErrors.empty()) {
        QStringList lines;
        for (const auto& [archive, error] : result.loadErrors)
            lines << qs(archive) + QStringLiteral(": ") + qs(error);
        ShowError(lines.join(QLatin1Char('\n')));
    }
    countPanel_->setText(QString::number(results_->rowCount()));
    if (StopRequest == 2)
        QDialog::reject();
}

capture::SearchResult TK_FindF::run(const std::string& text, bool wholeName, bool caseSensitive) {
    const auto stop = [this] { return StopRequest != 0; };
    const auto show = [this] { publish(); };
    const auto found = [this](const capture::SearchRow& row) {
        LastMatchIndex = static_cast<std::int64_t>(row.node);
        results_->add(row);
    };
    GaugeProgress nodes(ILOProgressDT_, stop, show);
    ILOProgressDT_->show();
    capture::SearchResult result;
    if (scope_ == 2) {
        static const capture::ArchiveTree none;
        result = capture::searchActiveArchive(activeArchive_ ? *activeArchive_ : none, text,
                                              wholeName, caseSensitive, nodes, found);
    } else if (AnaF) {
        GaugeProgress archives(ILOProgressMAS_, stop, show);
        ILOProgressMAS_->show();
        const auto& at = AnaF->browsing;
        result = capture::searchAllArchives(AnaF->catalogue.KayitOrj_T,
                                            {at.level, at.currentGroup, at.currentSubGroup}, text,
                                            wholeName, caseSensitive, archives, nodes, found);
    }
    ILOProgressMAS_->hide();
    ILOProgressDT_->hide();
    if (result.message.empty())
        result.message = capture::searchFinishMessage(StopRequest != 0, !result.rows.empty());
    return result;
}

void TK_FindF::publish() {
    results_->publish();
    countPanel_->setText(QString::number(results_->rowCount()));
}

void TK_FindF::IloWinButton3Click() {
    StopRequest = 1;
}

void TK_FindF::IloWinButton2Click() {
    StopRequest = 2;
    // A running search ends after its current node, says so, and then the window
    // goes.
    if (!searching_)
        QDialog::reject();
}

void TK_FindF::reject() {
    IloWinButton2Click();
}

void TK_FindF::IloWinButton4Click() {
    ShowModalForm(searchHelp, this);
}

void TK_FindF::ListView1DblClick() {
    explore(ListView1_);
}

void TK_FindF::ListView2DblClick() {
    explore(ListView2_);
}

void TK_FindF::explore(QTreeView* list) {
    const auto selected =
        list->selectionModel() ? list->selectionModel()->selectedRows() : QModelIndexList();
    if (selected.isEmpty())
        return;
    const std::string folder(platform::folderPart(results_->path(selected.constFirst().row())));
    if (!shell().execute("EXPLORE", folder))
        ShowInfo(QStringLiteral("Seçili klasör açılamadı..."));
}

} // namespace kartavel::gui

#include "TListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kartavel::gui {

TListView::TListView(QWidget* parent)
    : QWidget(parent), stack_(new QStackedWidget(this)), icons_(new QListView(stack_)),
      report_(new QTableView(stack_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    stack_->addWidget(icons_);
    stack_->addWidget(report_);

    for (QAbstractItemView* v :
         {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(report_)})
        prepare(v);

    icons_->setResizeMode(QListView::Adjust);
    icons_->setMovement(QListView::Static);
    icons_->setWrapping(true);
    icons_->setLayoutMode(QListView::Batched);

    report_->setShowGrid(true);
    report_->setWordWrap(false);
    report_->setSortingEnabled(false);
    report_->verticalHeader()->hide();
    report_->verticalHeader()->setDefaultSectionSize(report_->fontMetrics().height() + 4);
    report_->horizontalHeader()->setHighlightSections(false);
    report_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    report_->setIconSize(QSize(16, 16));
    stack_->setCurrentWidget(report_);
}

void TListView::prepare(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->installEventFilter(this);
    keepSelectionVisible(view);
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            Q_EMIT itemClicked(i.row());
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            Q_EMIT itemActivated(i.row());
    });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& p) {
        Q_EMIT contextMenuRequested(view->viewport()->mapToGlobal(p));
    });
}

void TListView::keepSelectionVisible(QAbstractItemView* view) {
    QPalette p = view->palette();
    p.setBrush(QPalette::Inactive, QPalette::Highlight,
               p.brush(QPalette::Active, QPalette::Highlight));
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText,
               p.brush(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(p);
}

void TListView::setModel(QAbstractItemModel* model) {
    icons_->setModel(model);
    report_->setModel(model);
    delete selection_;
    selection_ = new QItemSelectionModel(model, this);
    icons_->setSelectionModel(selection_);
    report_->setSelectionModel(selection_);
    connect(selection_, &QItemSelectionModel::selectionChanged, this,
            [this] { Q_EMIT selectionChanged(selectedRow()); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        // A new listing leaves no item selected.
        selection_->clear();
    });
}

void TListView::setViewStyle(ViewStyle style) {
    style_ = style;
    switch (style) {
    case ViewStyle::Icon:
        icons_->setViewMode(QListView::IconMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setIconSize(QSize(32, 32));
        icons_->setGridSize(QSize(96, 72));
        icons_->setWordWrap(true);
        icons_->setSpacing(0);
        stack_->setCurrentWidget(icons_);
        break;
    case ViewStyle::SmallIcon:
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setWrapping(true);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(160, 20));
        icons_->setWordWrap(false);
        stack_->setCurrentWidget(icons_);
        break;
    case ViewStyle::List:
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::TopToBottom);
        icons_->setWrapping(true);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(200, 20));
        icons_->setWordWrap(false);
        stack_->setCurrentWidget(icons_);
        break;
    case ViewStyle::Report:
        stack_->setCurrentWidget(report_);
        break;
    }
}

void TListView::setColumnWidths(const QList<int>& widths) {
    for (int i = 0; i < widths.size(); ++i)
        report_->setColumnWidth(i, widths[i]);
}

QAbstractItemView* TListView::currentView() const {
    return stack_->currentWidget() == report_ ? static_cast<QAbstractItemView*>(report_)
                                              : static_cast<QAbstractItemView*>(icons_);
}

int TListView::selectedRow() const {
    if (!selection_)
        return -1;
    const auto rows = selection_->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TListView::selectRow(int row) {
    if (!selection_)
        return;
    const QModelIndex i = selection_->model()->index(row, 0);
    selection_->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    currentView()->scrollTo(i);
}

void TListView::clearSelection() {
    if (selection_)
        selection_->clear();
}

bool TListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == icons_ || watched == report_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const int row = selectedRow();
            if (row >= 0)
                Q_EMIT itemActivated(row);
            return true;
        }
        if (key->key() == Qt::Key_Backspace) {
            Q_EMIT backspacePressed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kartavel::gui

#include "TK_ArsivBilgiF.h"

#include "TK_GoruntuleF.h"
#include "app/FormAyar.h"
#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/WindowParts.h"
#include "capture/ArchiveDetails.h"
#include "widgets/TBanner.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractTableModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace kartavel::gui {

TK_ArsivBilgiF* K_ArsivBilgiF = nullptr;

namespace {

// The largest files: "Boyut" and "Konum", over the information's own rows.
class LargestFilesModel : public QAbstractTableModel {
public:
    LargestFilesModel(const std::vector<reg::LargeFile>& files, QObject* parent)
        : QAbstractTableModel(parent), files_(files) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(files_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const auto& f = files_[static_cast<std::size_t>(index.row())];
        if (index.column() == 0) {
            if (role == Qt::DisplayRole)
                return qs(capture::sizeText(f.bytes));
            if (role == Qt::ToolTipRole)
                return qs(capture::groupedBytes(f.bytes) + " bayt");
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        } else if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return qs(f.path);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? QStringLiteral("Boyut") : QStringLiteral("Konum");
    }

private:
    const std::vector<reg::LargeFile>& files_;
};

// A frame of label and value lines; each value is selectable and named after its label.
QGroupBox* factsBox(const QString& title, const std::vector<reg::InfoLine>& lines,
                    QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* form = new QFormLayout(box);
    QFont bold = box->font();
    bold.setBold(true);
    for (const auto& line : lines) {
        auto* label = new QLabel(qs(line.label) + QStringLiteral(" :"), box);
        label->setFont(bold);
        auto* value = new QLabel(qs(line.value), box);
        value->setObjectName(QStringLiteral("Value_") + qs(line.label));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, value);
    }
    return box;
}

} // namespace

void TK_ArsivBilgiF::open(const store::RecordTable& KayitOrj_T, const reg::ViewTarget& target,
                          QWidget* parent) {
    const auto loaded = TK_GoruntuleF::load(target);
    if (!loaded)
        return;
    ShowModalForm(K_ArsivBilgiF,
                  reg::archiveInformation(&KayitOrj_T, target.archiveName, loaded->load.tree,
                                          loaded->details ? &*loaded->details : nullptr),
                  parent);
}

TK_ArsivBilgiF::TK_ArsivBilgiF(reg::ArchiveInformation info, QWidget* parent)
    : QDialog(parent), info_(std::move(info)) {
    setObjectName(QStringLiteral("K_ArsivBilgiF"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 10);
    column->setSpacing(8);
    banner_ = new TBanner(QStringLiteral("Arşiv Bilgileri"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 0, 10, 0);
    auto* facts = new QHBoxLayout();
    facts->addWidget(factsBox(QStringLiteral(" Kayıt "), info_.record, this), 1);
    facts->addWidget(factsBox(QStringLiteral(" Tarama ve Ortam "), info_.scan, this), 1);
    body->addLayout(facts);

    noDetails_ = new QLabel(qs(capture::kNoDetails), this);
    noDetails_->setObjectName(QStringLiteral("LabelAYRINTI"));
    noDetails_->setStyleSheet(QStringLiteral("color: red;"));
    noDetails_->setVisible(!info_.details);
    body->addWidget(noDetails_);

    auto* largestBox = new QGroupBox(QStringLiteral(" En Büyük On Dosya "), this);
    auto* largestColumn = new QVBoxLayout(largestBox);
    largest_ = new QTableView(largestBox);
    largest_->setObjectName(QStringLiteral("ListViewBUYUK"));
    largest_->setModel(new LargestFilesModel(info_.largest, this));
    largest_->verticalHeader()->hide();
    largest_->setSelectionBehavior(QAbstractItemView::SelectRows);
    largest_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    largest_->setWordWrap(false);
    largest_->setColumnWidth(0, 90);
    largest_->horizontalHeader()->setStretchLastSection(true);
    largest_->verticalHeader()->setDefaultSectionSize(largest_->fontMetrics().height() + 4);
    largestColumn->addWidget(largest_);
    body->addWidget(largestBox, 1);
    column->addLayout(body, 1);

    kapat_ = commandButton(this, "IloWinButton1", QStringLiteral("Kapat"), 4, QSize(100, 36));
    connect(kapat_, &TIloWinButton::clicked, this, &QDialog::close);
    column->addLayout(buttonRow({kapat_}));
    closeAction(this, "Kapat", [this] { close(); });
    resize(900, 640);
}

void TK_ArsivBilgiF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormAyar(this, nullptr, 2);
}

QString TK_ArsivBilgiF::valueOf(const QString& label) const {
    const auto* value = findChild<QLabel*>(QStringLiteral("Value_") + label);
    return value ? value->text() : QString();
}

} // namespace kartavel::gui

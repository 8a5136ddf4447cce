#include "GroupWindowParts.h"

#include "app/CodePageValidator.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/WindowParts.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "widgets/TBanner.h"
#include "widgets/TDBEdit.h"
#include "widgets/TDBNavigator.h"
#include "widgets/TILORXDBGrid.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace kartavel::gui {

GroupWindowBase::GroupWindowBase(const char* objectName, const QString& heading, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    banner_ = new TBanner(heading, QStringLiteral("Label3"), this);
    column_->addWidget(banner_);
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setIconSize(QSize(32, 32));
    column_->addWidget(toolBar_);
}

GroupWindowBase::~GroupWindowBase() = default;

void GroupWindowBase::releaseControls() {
    table_ = nullptr;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QLabel* GroupWindowBase::ImageB2() const {
    return banner_->imageB2();
}

reg::Dialogue GroupWindowBase::dialogue() {
    return {[](std::string_view m) { ShowInfo(qs(m)); },
            [](std::string_view q) { return AskQuestion(qs(q)); }};
}

void GroupWindowBase::guarded(const std::function<void()>& change) {
    guardFileWork(change);
}

void GroupWindowBase::buildBody(store::RecordTable& table, std::string_view nameField,
                                std::vector<TColumn> columns, QWidget* above) {
    table_ = &table;
    auto* body = new QWidget(this);
    auto* rows = new QVBoxLayout(body);
    rows->setContentsMargins(8, 6, 8, 8);
    rows->setSpacing(6);
    if (above)
        rows->addWidget(above);

    auto* fields = new QGridLayout;
    DBEdit1_ = new TDBEdit(table, nameField, body);
    DBEdit1_->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit2_ = new TDBEdit(table, store::columns::ACIKLAMA, body);
    DBEdit2_->setObjectName(QStringLiteral("DBEdit2"));
    int line = 0;
    for (auto [label, edit] : {std::pair{"Grup Adi", DBEdit1_}, {"Aciklama", DBEdit2_}}) {
        edit->setValidator(new CodePageValidator({}, edit));
        auto* l = new QLabel(QString::fromUtf8(label), body);
        l->setBuddy(edit);
        fields->addWidget(l, line, 0);
        fields->addWidget(edit, line++, 1);
    }
    rows->addLayout(fields);

    navigator_ = new TDBNavigator(table, body);
    navigator_->setObjectName(QStringLiteral("BiDiDBNavigator1"));
    navigator_->guard = &GroupWindowBase::guarded;
    navigator_->onRefresh = [this] { FormShow(); };
    rows->addWidget(navigator_, 0, Qt::AlignLeft);

    grid_ = new TILORXDBGrid(table, std::move(columns), body);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->guard = &GroupWindowBase::guarded;
    grid_->setStyleSheet(QStringLiteral("QTableView { background-color: #D2E9FF; }"));
    rows->addWidget(grid_, 1);
    column_->addWidget(body, 1);
    setTabOrder(DBEdit1_, DBEdit2_);
    setTabOrder(DBEdit2_, grid_);
}

void GroupWindowBase::centreOnParent() {
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area = over ? over->geometry() : QRect();
    if (area.isEmpty())
        if (const QScreen* s = QGuiApplication::primaryScreen())
            area = s->availableGeometry();
    move(area.center() - rect().center());
}

void GroupWindowBase::done(int result) {
    if (table_)
        table_->cancel();
    QDialog::done(result);
}

bool GroupWindowBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == banner_->imageB2() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        FormShow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void GroupWindowBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

} // namespace kartavel::gui

#include "TDBNavigator.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace kartavel::gui {

namespace {

struct ButtonLook {
    const char* name;
    const char* hint;
    QStyle::StandardPixmap icon;
};
constexpr ButtonLook kButtons[] = {
    {"Insert", "Yeni kayit ekle", QStyle::SP_FileDialogNewFolder},
    {"Delete", "Kaydi sil", QStyle::SP_DialogDiscardButton},
    {"Edit", "Kayitta duzeltme yap", QStyle::SP_FileDialogDetailedView},
    {"Post", "Kaydet", QStyle::SP_DialogApplyButton},
    {"Cancel", "Degisiklikleri iptal et", QStyle::SP_DialogCancelButton},
    {"Refresh", "Kaydi yenile", QStyle::SP_BrowserReload},
};

} // namespace

TDBNavigator::TDBNavigator(store::RecordTable& table, QWidget* parent)
    : QWidget(parent), table_(table) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("nb") + QLatin1StringView(kButtons[i].name));
        b->setToolTip(QString::fromUtf8(kButtons[i].hint));
        b->setIcon(style()->standardIcon(kButtons[i].icon));
        b->setAutoRaise(false);
        b->setFixedSize(30, 25);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        buttons_[i] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { BtnClick(static_cast<Button>(i)); });
    }
    observer_ = table_.addObserver([this] { updateButtons(); });
    updateButtons();
}

TDBNavigator::~TDBNavigator() {
    table_.removeObserver(observer_);
}

void TDBNavigator::BtnClick(Button b) {
    auto command = [this, b] {
        try {
            switch (b) {
            case nbInsert:
                table_.append();
                break;
            case nbDelete:
                if (!table_.isEmpty() || table_.editing())
                    table_.remove();
                break;
            case nbEdit:
                if (!table_.isEmpty())
                    table_.edit();
                break;
            case nbPost:
                if (table_.editing())
                    table_.post();
                break;
            case nbCancel:
                table_.cancel();
                break;
            case nbRefresh:
                if (onRefresh)
                    onRefresh();
                break;
            }
        } catch (const store::Abort&) {
            // The hook has told the user why, if it had anything to say.
        }
        updateButtons();
    };
    if (guard)
        guard(command);
    else
        command();
}

void TDBNavigator::updateButtons() {
    const bool open = table_.active();
    const bool editing = table_.editing();
    const bool hasRecord = open && !table_.isEmpty();
    button(nbInsert)->setEnabled(open);
    button(nbDelete)->setEnabled(hasRecord || editing);
    button(nbEdit)->setEnabled(hasRecord && !editing);
    button(nbPost)->setEnabled(editing);
    button(nbCancel)->setEnabled(editing);
    button(nbRefresh)->setEnabled(open && static_cast<bool>(onRefresh));
}

} // namespace kartavel::gui

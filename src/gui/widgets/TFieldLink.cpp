#include "TFieldLink.h"

namespace kartavel::gui {

TFieldLink::TFieldLink(store::RecordTable& table, std::string_view field, QObject* control,
                       std::function<void()> show)
    : QObject(control), table_(table), field_(table.requireField(field)), show_(std::move(show)) {
    observer_ = table_.addObserver([this] {
        if (!writing_)
            refresh();
    });
}

TFieldLink::~TFieldLink() {
    table_.removeObserver(observer_);
}

std::string TFieldLink::text() const {
    return table_.active() ? table_.asString(field_) : std::string();
}

std::optional<std::int32_t> TFieldLink::date() const {
    return table_.active() ? table_.asDate(field_) : std::nullopt;
}

void TFieldLink::startEdit() {
    if (table_.editing())
        return;
    if (table_.isEmpty())
        table_.append();
    else
        table_.edit();
}

void TFieldLink::setText(std::string_view text) {
    if (!table_.active())
        return;
    writing_ = true;
    startEdit();
    table_.setString(field_, text);
    writing_ = false;
}

void TFieldLink::setDate(std::optional<std::int32_t> day) {
    if (!table_.active())
        return;
    writing_ = true;
    startEdit();
    table_.setDate(field_, day);
    writing_ = false;
}

void TFieldLink::refresh() {
    if (show_)
        show_();
}

} // namespace kartavel::gui

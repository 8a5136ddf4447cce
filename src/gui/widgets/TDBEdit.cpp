#include "TDBEdit.h"

namespace kartavel::gui {

TDBEdit::TDBEdit(store::RecordTable& table, std::string_view field, QWidget* parent)
    : QLineEdit(parent) {
    link_ = new TFieldLink(table, field, this, [this] {
        const QString shown = QString::fromStdString(link_->text());
        if (shown != text())
            setText(shown);
    });
    if (link_->fieldDef().type == store::FieldType::String)
        setMaxLength(link_->fieldDef().size);
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& t) { link_->setText(t.toStdString()); });
    link_->refresh();
}

} // namespace kartavel::gui

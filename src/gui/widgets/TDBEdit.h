#pragma once

#include "TFieldLink.h"

#include <QLineEdit>

namespace kartavel::gui {

// A text field bound to a text column: it shows the current record's value, holds
// no more characters than the column, and typing puts the record into editing.
class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    TDBEdit(store::RecordTable& table, std::string_view field, QWidget* parent = nullptr);
    TFieldLink* link() const { return link_; }

private:
    TFieldLink* link_;
};

} // namespace kartavel::gui

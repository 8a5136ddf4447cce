#pragma once

#include "store/RecordTable.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kartavel::gui {

// What binds a data-aware control to a column of a record table: the control shows
// the current record's value whenever the table changes, and a change the user
// makes puts the record into editing (a new record on an empty table) and writes
// the edit buffer. The link lives as long as its control, which must not outlive
// the table.
class TFieldLink : public QObject {
    Q_OBJECT
public:
    // `show` puts the current value into the control.
    TFieldLink(store::RecordTable& table, std::string_view field, QObject* control,
               std::function<void()> show);
    ~TFieldLink() override;

    store::RecordTable& table() const { return table_; }
    int field() const { return field_; }
    const store::FieldDef& fieldDef() const {
        return table_.fields().at(static_cast<std::size_t>(field_));
    }

    std::string text() const;
    std::optional<std::int32_t> date() const;
    void setText(std::string_view text);
    void setDate(std::optional<std::int32_t> day);
    // The control shows the current value again.
    void refresh();

private:
    void startEdit();

    store::RecordTable& table_;
    int field_;
    std::function<void()> show_;
    int observer_ = 0;
    bool writing_ = false; // the control's own change: not shown back to it
};

} // namespace kartavel::gui

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The in-memory record table that every window keeps its catalogue data in: typed
// columns, records in a sequence, a current record, edit states and hooks.
namespace kartavel::store {

enum class FieldType { Date, String, Integer, Boolean, Float, Currency, Time, DateTime };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 20; // characters, text columns only

    static FieldDef text(std::string name, int size = 20) {
        return {std::move(name), FieldType::String, size};
    }
    static FieldDef date(std::string name) { return {std::move(name), FieldType::Date, 0}; }
    static FieldDef integer(std::string name) { return {std::move(name), FieldType::Integer, 0}; }
};

struct TableSchema {
    std::string name;
    std::vector<FieldDef> fields;
};

// A cell: null, text (never empty), a 32-bit integer or a date's day number,
// a real (floats, currency, times, date-times), or a boolean.
using Value = std::variant<std::monostate, std::string, std::int32_t, double, bool>;

struct Record {
    std::uint64_t id = 0; // identity for bookmarks
    std::vector<Value> cells;
};

// A stored record's cells, read without moving a table: the text ("" for null or a
// cell that holds no text) and the date (its day number; nothing for null).
std::string_view cellText(const Record& record, int field);
std::optional<std::int32_t> cellDate(const Record& record, int field);

// Thrown by a before-hook to abandon a post or a delete without a message.
struct Abort {};

class RecordTable {
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Hook = std::function<void(RecordTable&)>;
    using Bookmark = std::uint64_t;

    explicit RecordTable(TableSchema schema);

    const std::string& name() const { return schema_.name; }
    const std::vector<FieldDef>& fields() const { return schema_.fields; }

    // Life cycle.
    void open();  // an inactive table becomes an empty open one
    void close(); // discards every record
    void empty(); // discards every record of an open table
    bool active() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    bool editing() const { return state_ == State::Edit || state_ == State::Insert; }

    // Set while the table's file could not be read: the table does not hold what
    // the file holds, so it is never written over it (see TableFile.h).
    bool fileUnread() const { return fileUnread_; }
    void setFileUnread(bool unread) { fileUnread_ = unread; }

    // Navigation over the records that pass the filter.
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const;
    int recNo() const; // 1-based position of the current record, 0 when there is none
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark b);

    // Changes. append() adds at the end, insert() before the current record; both
    // run the after-insert hook before any value is set. post() runs the before-
    // and after-post hooks; a before-hook may throw Abort, which leaves the table
    // in its edit state. remove() deletes the current record.
    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void remove();
    // Deletes, in one pass and without the delete hooks, every stored record (filter
    // ignored) for which `drop` holds; an open edit is posted first. The current
    // record stays when it is kept, else the first record becomes current. Returns
    // how many went.
    std::size_t removeRecords(const std::function<bool(const Record&)>& drop);

    // While disabled, bound views are not told about changes.
    void disableControls() { ++controlsDisabled_; }
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }
    // Called after every change of data or position while controls are enabled.
    int addObserver(std::function<void()> observer);
    void removeObserver(int id);

    // Columns, found by name without regard to letter case; -1 when there is none.
    int fieldIndex(std::string_view name) const;
    int requireField(std::string_view name) const; // throws std::out_of_range
    FieldType fieldType(int field) const {
        return schema_.fields.at(static_cast<std::size_t>(field)).type;
    }

    // Reading the current record (the edit buffer while editing).
    bool isNull(int field) const;
    const Value& value(int field) const;
    std::string asString(int field) const; // the value text; "" for null
    std::int32_t asInteger(int field) const;
    std::optional<std::int32_t> asDate(int field) const;
    bool asBoolean(int field) const;
    double asFloat(int field) const;
    std::string asString(std::string_view name) const { return asString(requireField(name)); }

    // Writing the edit buffer; outside edit or insert this throws std::logic_error.
    // Text longer than the column keeps its first `size` characters; empty text is
    // null.
    void setNull(int field);
    void setString(int field, std::string_view text);
    void setInteger(int field, std::int32_t v);
    void setDate(int field, std::optional<std::int32_t> serialDay);
    void setBoolean(int field, bool v);
    void setFloat(int field, double v);
    void setValue(int field, Value v);
    void setString(std::string_view name, std::string_view text) {
        setString(requireField(name), text);
    }

    // Moves to the first record (in sequence order) whose column equals `text`,
    // exactly or without regard to letter case. The current record stays when
    // none matches.
    bool locate(std::string_view field, std::string_view text, bool ignoreCase);

    // Moving the current record (locate, gotoBookmark, a filter set or cleared)
    // posts an open edit first; a before-post hook that throws Abort stops the move.

    // Restricts the table to the records whose column equals `text` exactly.
    void setFilter(std::string_view field, std::string_view text);
    void clearFilter();
    bool filtered() const { return filterField_ >= 0; }

    // During the after-post hook: the values the record held before the post
    // (nothing for a new record).
    const std::optional<Record>& previousValues() const { return previous_; }
    // During the after-post hook of an edit: puts those values back, for a hook whose
    // save failed, so the record in memory stays what the stored files still hold.
    void restorePreviousValues();

    // True when the stored record at that index of records() passes the filter.
    bool passesFilter(std::size_t index) const { return visible(index); }

    // Direct read access to every stored record in sequence order, filter ignored.
    const std::vector<Record>& records() const { return rows_; }

    Hook afterInsert, beforePost, afterPost, beforeDelete, afterDelete;

private:
    bool visible(std::size_t row) const;
    std::optional<std::size_t> firstVisibleFrom(std::size_t row) const;
    std::optional<std::size_t> lastVisibleBefore(std::size_t row) const;
    void requireActive() const;
    void requireEditing() const;
    void postOpenEdit();
    void startInsert(std::size_t position);
    Record& buffer();
    const Record* currentRecord() const;
    void setPosition(std::optional<std::size_t> row);
    void notify();

    TableSchema schema_;
    std::vector<Record> rows_;
    State state_ = State::Inactive;
    std::size_t cur_ = 0; // index into rows_ of the current record, when there is one
    bool eof_ = true;
    bool bof_ = true;
    std::uint64_t nextId_ = 1;

    Record editBuffer_;
    std::size_t insertAt_ = 0;
    std::optional<Record> previous_;

    int filterField_ = -1;
    std::string filterText_;

    int controlsDisabled_ = 0;
    std::vector<std::pair<int, std::function<void()>>> observers_;
    int nextObserverId_ = 1;
    bool fileUnread_ = false;
};

} // namespace kartavel::store

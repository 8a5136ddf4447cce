#include "RecordTable.h"

#include "FieldValue.h"
#include "platform/IniFile.h"
#include "text/CaseFold.h"
#include "text/Utf8.h"

#include <algorithm>

namespace kartavel::store {

namespace {

// A column's place in a record; a negative column becomes a place no record has.
std::size_t slot(int field) {
    return static_cast<std::size_t>(field);
}

} // namespace

RecordTable::RecordTable(TableSchema schema) : schema_(std::move(schema)) {}

// ---- life cycle -------------------------------------------------------------

void RecordTable::open() {
    if (state_ != State::Inactive)
        return;
    rows_.clear();
    state_ = State::Browse;
    setPosition(std::nullopt);
    notify();
}

void RecordTable::close() {
    rows_.clear();
    previous_.reset();
    state_ = State::Inactive;
    setPosition(std::nullopt);
    notify();
}

void RecordTable::empty() {
    requireActive();
    rows_.clear();
    state_ = State::Browse;
    setPosition(std::nullopt);
    notify();
}

// ---- navigation ---------------------------------------------------------------

bool RecordTable::visible(std::size_t row) const {
    if (filterField_ < 0)
        return true;
    const Value& v = rows_[row].cells[slot(filterField_)];
    if (filterText_.empty())
        return std::holds_alternative<std::monostate>(v);
    return valueText(schema_.fields[slot(filterField_)].type, v) == filterText_;
}

std::optional<std::size_t> RecordTable::firstVisibleFrom(std::size_t row) const {
    for (; row < rows_.size(); ++row)
        if (visible(row))
            return row;
    return std::nullopt;
}

std::optional<std::size_t> RecordTable::lastVisibleBefore(std::size_t row) const {
    while (row > 0)
        if (visible(--row))
            return row;
    return std::nullopt;
}

void RecordTable::setPosition(std::optional<std::size_t> row) {
    if (row) {
        cur_ = *row;
        eof_ = bof_ = false;
    } else {
        cur_ = 0;
        eof_ = bof_ = true;
    }
}

void RecordTable::first() {
    requireActive();
    if (editing())
        post();
    setPosition(firstVisibleFrom(0));
    notify();
}

void RecordTable::last() {
    requireActive();
    if (editing())
        post();
    setPosition(lastVisibleBefore(rows_.size()));
    notify();
}

void RecordTable::next() {
    requireActive();
    if (editing())
        post();
    if (rows_.empty() || (eof_ && bof_))
        return;
    if (const auto n = firstVisibleFrom(cur_ + 1)) {
        cur_ = *n;
        bof_ = false;
    } else {
        eof_ = true;
    }
    notify();
}

void RecordTable::prior() {
    requireActive();
    if (editing())
        post();
    if (rows_.empty() || (eof_ && bof_))
        return;
    if (const auto p = lastVisibleBefore(cur_)) {
        cur_ = *p;
        eof_ = false;
    } else {
        bof_ = true;
    }
    notify();
}

int RecordTable::recordCount() const {
    if (filterField_ < 0)
        return static_cast<int>(rows_.size());
    int n = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        n += visible(i) ? 1 : 0;
    return n;
}

int RecordTable::recNo() const {
    if (state_ == State::Inactive || (eof_ && bof_) || rows_.empty())
        return 0;
    if (filterField_ < 0)
        return static_cast<int>(cur_) + 1;
    int n = 0;
    for (std::size_t i = 0; i <= cur_; ++i)
        n += visible(i) ? 1 : 0;
    return n;
}

RecordTable::Bookmark RecordTable::bookmark() const {
    const Record* r = currentRecord();
    return r ? r->id : 0;
}

bool RecordTable::gotoBookmark(Bookmark b) {
    requireActive();
    postOpenEdit();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == b && visible(i)) {
            setPosition(i);
            notify();
            return true;
        }
    }
    return false;
}

// ---- changes --------------------------------------------------------------------

void RecordTable::startInsert(std::size_t position) {
    requireActive();
    if (editing())
        post();
    editBuffer_ = Record{nextId_++, std::vector<Value>(schema_.fields.size())};
    insertAt_ = position;
    state_ = State::Insert;
    if (afterInsert)
        afterInsert(*this);
    notify();
}

void RecordTable::append() {
    startInsert(rows_.size());
}

void RecordTable::insert() {
    const bool hasCurrent = !(eof_ && bof_) && cur_ < rows_.size();
    startInsert(hasCurrent ? cur_ : rows_.size());
}

void RecordTable::edit() {
    requireActive();
    if (editing())
        return;
    const Record* r = currentRecord();
    if (!r)
        throw std::logic_error("no current record to edit in " + schema_.name);
    editBuffer_ = *r;
    state_ = State::Edit;
    notify();
}

void RecordTable::restorePreviousValues() {
    if (previous_ && state_ == State::Browse && cur_ < rows_.size())
        rows_[cur_] = *previous_;
}

void RecordTable::post() {
    requireEditing();
    if (beforePost)
        beforePost(*this); // may throw Abort: the table stays in its edit state
    if (state_ == State::Insert) {
        const std::size_t at = std::min(insertAt_, rows_.size());
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(editBuffer_));
        previous_.reset();
        setPosition(at);
    } else {
        previous_ = std::move(rows_[cur_]);
        rows_[cur_] = std::move(editBuffer_);
    }
    editBuffer_ = {};
    state_ = State::Browse;
    if (afterPost) {
        try {
            afterPost(*this);
        } catch (...) {
            previous_.reset();
            notify();
            throw;
        }
    }
    previous_.reset();
    notify();
}

void RecordTable::cancel() {
    if (!editing())
        return;
    editBuffer_ = {};
    state_ = State::Browse;
    notify();
}

void RecordTable::remove() {
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    if (!currentRecord())
        throw std::logic_error("no current record to delete in " + schema_.name);
    if (beforeDelete)
        beforeDelete(*this); // may throw Abort
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(cur_));
    // The record after the deleted one becomes current, else the one before it.
    if (auto n = firstVisibleFrom(cur_))
        setPosition(n);
    else
        setPosition(lastVisibleBefore(cur_));
    if (afterDelete)
        afterDelete(*this);
    notify();
}

std::size_t RecordTable::removeRecords(const std::function<bool(const Record&)>& drop) {
    requireActive();
    postOpenEdit();
    const Bookmark current = bookmark();
    const std::size_t gone = std::erase_if(rows_, drop);
    if (gone == 0)
        return 0;
    setPosition(firstVisibleFrom(0));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == current && visible(i))
            setPosition(i);
    notify();
    return gone;
}

// ---- bound views ------------------------------------------------------------------

void RecordTable::enableControls() {
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0)
        notify();
}

int RecordTable::addObserver(std::function<void()> observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void RecordTable::removeObserver(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void RecordTable::notify() {
    if (controlsDisabled_ > 0)
        return;
    for (const auto& o : std::vector(observers_))
        o.second();
}

// ---- columns ------------------------------------------------------------------------

int RecordTable::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < schema_.fields.size(); ++i)
        if (platform::iniNamesEqual(schema_.fields[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int RecordTable::requireField(std::string_view name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw std::out_of_range("no column " + std::string(name) + " in " + schema_.name);
    return i;
}

const Record* RecordTable::currentRecord() const {
    if (state_ == State::Inactive || (eof_ && bof_) || cur_ >= rows_.size())
        return nullptr;
    return &rows_[cur_];
}

const Value& RecordTable::value(int field) const {
    static const Value kNull;
    if (editing())
        return editBuffer_.cells.at(slot(field));
    const Record* r = currentRecord();
    return r ? r->cells.at(slot(field)) : kNull;
}

bool RecordTable::isNull(int field) const {
    return std::holds_alternative<std::monostate>(value(field));
}

std::string RecordTable::asString(int field) const {
    return valueText(fieldType(field), value(field));
}

std::int32_t RecordTable::asInteger(int field) const {
    const Value& v = value(field);
    if (auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (auto* d = std::get_if<double>(&v))
        return wholeNumber(*d);
    if (auto* b = std::get_if<bool>(&v))
        return *b ? 1 : 0;
    if (auto* s = std::get_if<std::string>(&v))
        if (auto p = parseValueText(FieldDef::integer("x"), *s))
            return std::get<std::int32_t>(*p);
    return 0;
}

namespace {

std::optional<std::int32_t> dateOf(const Value& v) {
    if (auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (auto* d = std::get_if<double>(&v))
        return wholeNumber(*d);
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> RecordTable::asDate(int field) const {
    return dateOf(value(field));
}

std::string_view cellText(const Record& record, int field) {
    const auto* s = std::get_if<std::string>(&record.cells.at(static_cast<std::size_t>(field)));
    return s ? std::string_view(*s) : std::string_view{};
}

std::optional<std::int32_t> cellDate(const Record& record, int field) {
    return dateOf(record.cells.at(static_cast<std::size_t>(field)));
}

bool RecordTable::asBoolean(int field) const {
    const Value& v = value(field);
    if (auto* b = std::get_if<bool>(&v))
        return *b;
    if (auto* i = std::get_if<std::int32_t>(&v))
        return *i != 0;
    if (auto* d = std::get_if<double>(&v))
        return *d != 0;
    return false;
}

double RecordTable::asFloat(int field) const {
    const Value& v = value(field);
    if (auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (auto* d = std::get_if<double>(&v))
        return *d;
    if (auto* b = std::get_if<bool>(&v))
        return *b ? -1 : 0;
    if (auto* s = std::get_if<std::string>(&v))
        return parseDecimal(*s).value_or(0);
    return 0;
}

// ---- writing the edit buffer --------------------------------------------------------

Record& RecordTable::buffer() {
    requireEditing();
    return editBuffer_;
}

void RecordTable::setNull(int field) {
    buffer().cells.at(slot(field)) = Value{};
}

void RecordTable::setString(int field, std::string_view text) {
    const FieldDef& f = schema_.fields.at(slot(field));
    if (f.type != FieldType::String) {
        const auto v = parseValueText(f, text);
        if (!v)
            throw std::invalid_argument("'" + std::string(text) + "' is not a valid value for " +
                                        f.name);
        buffer().cells.at(slot(field)) = *v;
        return;
    }
    const std::string_view kept =
        text::leftCharacters(text, static_cast<std::size_t>(std::max(f.size, 0)));
    buffer().cells.at(slot(field)) = kept.empty() ? Value{} : Value{std::string(kept)};
}

void RecordTable::setInteger(int field, std::int32_t v) {
    setValue(field, Value{v});
}

void RecordTable::setDate(int field, std::optional<std::int32_t> serialDay) {
    setValue(field, serialDay ? Value{*serialDay} : Value{});
}

void RecordTable::setBoolean(int field, bool v) {
    setValue(field, Value{v});
}

void RecordTable::setFloat(int field, double v) {
    setValue(field, Value{v});
}

void RecordTable::setValue(int field, Value v) {
    const FieldDef& f = schema_.fields.at(slot(field));
    if (auto* s = std::get_if<std::string>(&v)) {
        if (f.type == FieldType::String &&
            s->size() <= static_cast<std::size_t>(std::max(f.size, 0))) {
            // Short enough in bytes, so short enough in characters: kept as it is.
            buffer().cells.at(slot(field)) = s->empty() ? Value{} : std::move(v);
            return;
        }
        setString(field, *s);
        return;
    }
    Value stored = v;
    switch (f.type) {
    case FieldType::Integer:
    case FieldType::Date:
        if (auto* d = std::get_if<double>(&v))
            stored = wholeNumber(*d);
        else if (auto* b = std::get_if<bool>(&v))
            stored = static_cast<std::int32_t>(*b ? 1 : 0);
        break;
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Time:
    case FieldType::DateTime:
        if (auto* i = std::get_if<std::int32_t>(&v))
            stored = static_cast<double>(*i);
        break;
    case FieldType::Boolean:
        if (auto* i = std::get_if<std::int32_t>(&v))
            stored = *i != 0;
        break;
    case FieldType::String:
        if (!std::holds_alternative<std::monostate>(v))
            stored = valueText(
                std::holds_alternative<bool>(v) ? FieldType::Boolean : FieldType::Integer, v);
        break;
    }
    buffer().cells.at(slot(field)) = std::move(stored);
}

// ---- locate and filter --------------------------------------------------------------

bool RecordTable::locate(std::string_view field, std::string_view text, bool ignoreCase) {
    requireActive();
    const int f = requireField(field);
    const FieldType type = fieldType(f);
    const std::string foldedText = ignoreCase ? text::foldCase(text) : std::string();
    // Posted before the search: posting a new record shifts the rows after it.
    postOpenEdit();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!visible(i))
            continue;
        const std::string v = valueText(type, rows_[i].cells[slot(f)]);
        const bool equal = ignoreCase ? text::foldCase(v) == foldedText : v == text;
        if (equal) {
            setPosition(i);
            notify();
            return true;
        }
    }
    return false;
}

void RecordTable::setFilter(std::string_view field, std::string_view text) {
    const int f = requireField(field);
    postOpenEdit();
    filterField_ = f;
    filterText_ = std::string(text);
    setPosition(firstVisibleFrom(0));
    notify();
}

void RecordTable::clearFilter() {
    postOpenEdit();
    filterField_ = -1;
    filterText_.clear();
    setPosition(firstVisibleFrom(0));
    notify();
}

void RecordTable::postOpenEdit() {
    // An open edit belongs to the current record: it is posted before the table
    // moves, so it is never written into another row. A refused post (Abort)
    // leaves the table where it was.
    if (editing())
        post();
}

void RecordTable::requireActive() const {
    if (state_ == State::Inactive)
        throw std::logic_error("table " + schema_.name + " is not open");
}

void RecordTable::requireEditing() const {
    if (!editing())
        throw std::logic_error("table " + schema_.name + " is not in edit or insert mode");
}

} // namespace kartavel::store

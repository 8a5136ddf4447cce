#include "TableFile.h"

#include "FieldValue.h"
#include "SerialDate.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "text/Cp1254.h"
#include "text/Utf8.h"

#include <cstring>

namespace kartavel::store {

namespace {

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool tableFileCanHold(std::string_view text) {
    return !hasLineBreak(text) && text::fitsCp1254(text);
}

std::optional<TableTextFault> tableTextFault(std::string_view text) {
    if (!tableFileCanHold(text))
        return TableTextFault::Character;
    // The blanks and quotes the reader drops are ASCII, the same byte in the code
    // page as in UTF-8, so the text can be tested as it is held.
    if (platform::iniTrimmed(text) != text)
        return TableTextFault::Blank;
    if (platform::iniUnquoted(text) != text)
        return TableTextFault::Quotes;
    return std::nullopt;
}

std::string tableFileBytes(RecordTable& table, const std::filesystem::path& path) {
    if (table.editing())
        table.post();
    // Every record, whatever filter the table shows it through.
    const auto& fields = table.fields();
    std::string out;
    int recNo = 0;
    for (const Record& record : table.records()) {
        out.append("[RecNo").append(std::to_string(++recNo)).append("]\r\n");
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out.append(fields[i].name).push_back('=');
            const Value& v = record.cells[i];
            if (const auto* text = std::get_if<std::string>(&v)) {
                if (hasLineBreak(*text) || !text::appendCp1254(out, *text))
                    throw platform::WriteError(path);
            } else {
                out.append(valueText(fields[i].type, v)); // digits, signs and points only
            }
            out.append("\r\n");
        }
    }
    return out;
}

void RxMemorySaveToFile(RecordTable& table, const std::filesystem::path& path) {
    if (table.fileUnread())
        throw platform::ReadError(path);
    const std::string bytes = tableFileBytes(table, path);
    if (bytes.empty()) {
        // A file that could not be read is never taken away either.
        std::string old;
        const auto status = platform::readRegularFile(path, old);
        if (status != platform::ReadStatus::Missing && status != platform::ReadStatus::Read)
            throw platform::WriteError(path);
        if (!platform::removeFile(path))
            throw platform::WriteError(path);
        return;
    }
    platform::replaceFileAtomically(path, bytes);
}

void deleteCurrentAndSave(RecordTable& table, const std::filesystem::path& path) {
    if (table.fileUnread())
        throw platform::ReadError(path);
    if (table.editing())
        table.post();
    RecordTable rest(TableSchema{table.name(), table.fields()});
    rest.open();
    const auto current = table.bookmark();
    for (const Record& r : table.records()) {
        if (r.id == current)
            continue;
        rest.append();
        for (std::size_t i = 0; i < r.cells.size(); ++i)
            rest.setValue(static_cast<int>(i), r.cells[i]);
        rest.post();
    }
    RxMemorySaveToFile(rest, path);
    table.remove();
}

void loadTableFromBytes(RecordTable& table, std::string_view bytes) {
    table.open();
    table.empty();
    table.disableControls();

    // A file saved by an editor as UTF-8 with a byte-order mark keeps its letters.
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const bool utf8 = bytes.substr(0, 3) == kBom && text::isValidUtf8(bytes.substr(3));
    if (bytes.substr(0, 3) == kBom)
        bytes.remove_prefix(3);

    const auto& fields = table.fields();
    // Files list the columns in the table's order, so the next column is tried first.
    std::size_t expected = 0;
    auto columnOf = [&](std::string_view name) {
        if (expected < fields.size() && platform::iniNamesEqual(fields[expected].name, name))
            return static_cast<int>(expected);
        return table.fieldIndex(name);
    };
    bool inRecord = false;
    auto finishRecord = [&] {
        if (!inRecord)
            return;
        inRecord = false;
        try {
            table.post();
        } catch (const Abort&) {
            table.cancel();
        }
    };
    try {
        platform::parseIni(
            bytes,
            [&](std::string_view) {
                finishRecord();
                table.append();
                inRecord = true;
                expected = 0;
            },
            [&](std::string_view name, std::string_view value) {
                const int f = columnOf(name);
                if (f < 0)
                    return;
                expected = static_cast<std::size_t>(f) + 1;
                if (value.empty())
                    return;
                const FieldDef& def = fields[static_cast<std::size_t>(f)];
                std::optional<Value> v;
                if (def.type == FieldType::String)
                    v = parseValueText(def, utf8 ? std::string(value) : text::decodeCp1254(value));
                else
                    v = parseValueText(def, value);
                if (v)
                    table.setValue(f, std::move(*v));
            });
        finishRecord();
    } catch (...) {
        table.cancel();
        table.enableControls();
        throw;
    }
    table.first();
    table.enableControls();
}

namespace {

// The file's bytes, or nothing when there is no file; the table is marked when the
// file is there but cannot be read.
std::optional<std::string> readTableFile(RecordTable& table, const std::filesystem::path& path) {
    try {
        return platform::readFileIfPresent(path);
    } catch (const platform::ReadError&) {
        table.setFileUnread(true);
        throw;
    }
}

} // namespace

void RxMemoryLoadFromFile(RecordTable& table, const std::filesystem::path& path) {
    const auto bytes = readTableFile(table, path);
    loadTableFromBytes(table, bytes ? std::string_view(*bytes) : std::string_view());
    table.setFileUnread(false);
}

void reloadTableFromFile(RecordTable& table, const std::filesystem::path& path) {
    const auto bytes = readTableFile(table, path);
    table.close();
    table.open();
    if (bytes)
        loadTableFromBytes(table, *bytes);
    table.setFileUnread(false);
}

namespace {

constexpr std::size_t kLegacyRecordSize = 74;
constexpr std::int32_t kLegacyDayOffset = 693594;

std::int32_t readLE32(const unsigned char* p) {
    const std::uint32_t u =
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

// Text of a slot: up to the first zero byte.
std::string slotText(const unsigned char* p, std::size_t slotSize) {
    const void* zero = std::memchr(p, 0, slotSize);
    const std::size_t len =
        zero ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - p) : slotSize;
    return text::decodeCp1254(std::string_view(reinterpret_cast<const char*>(p), len));
}

} // namespace

void LoadLegacyRegister(RecordTable& table, const std::filesystem::path& path) {
    const auto bytes = platform::readFileIfPresent(path);
    if (!bytes)
        throw platform::ReadError(path);
    table.close();
    table.open();
    table.disableControls();
    const int fTarih = table.requireField("TARIHI");
    const int fOzel = table.requireField("OZEL_KODU");
    const int fAdi = table.requireField("ARSIV_ADI");
    const int fKodu = table.requireField("KODU");
    const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
    const std::size_t whole = bytes->size() / kLegacyRecordSize;
    for (std::size_t r = 0; r < whole; ++r) {
        const unsigned char* rec = data + r * kLegacyRecordSize;
        table.append();
        if (rec[0] != 0) {
            const std::int64_t day =
                static_cast<std::int64_t>(readLE32(rec + 1)) - kLegacyDayOffset;
            if (day >= kMinSerialDay && day <= kMaxSerialDay)
                table.setDate(fTarih, static_cast<std::int32_t>(day));
        }
        if (rec[5] != 0)
            table.setString(fOzel, slotText(rec + 6, 21));
        if (rec[27] != 0)
            table.setString(fAdi, slotText(rec + 28, 41));
        if (rec[69] != 0)
            table.setInteger(fKodu, readLE32(rec + 70));
        table.post();
    }
    table.first();
    table.enableControls();
}

} // namespace kartavel::store

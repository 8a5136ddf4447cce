#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// The stored-values component: a short list of named text values kept in a small
// INI file, "[IloStored]" and one "name=value" line per value, in code page 1254
// with CR LF line ends. Values marked for it are scrambled, in memory and in the file.
namespace kartavel::access {

inline constexpr std::string_view kStoredSection = "IloStored";

// One named value. `Value` always holds the file form: for an item with `Encode`
// set, the scrambled text. The plain text of a scrambled value exists only as the
// result of ReadValue and the argument of WriteValue.
class TStoredValue {
public:
    std::string Name; // looked up without regard to letter case
    std::string Value;
    bool Encode = false;

    // Scrambles and unscrambles: each code page 1254 byte of the text becomes its
    // complement (b to 255 - b), with no key and no dependence on the position, so
    // applying it twice gives the text back. Nothing when the text holds a
    // character the code page cannot hold, since it has no byte to complement.
    static std::optional<std::string> EnDeCrypt(std::string_view source);
};

// The storage's items, in the order in which they were added. Items keep their
// place in memory as more are added.
class TStoredValues {
public:
    // Appends an item with empty Name and Value and Encode false.
    TStoredValue& Add();

    std::size_t Count() const { return items_.size(); }
    TStoredValue& operator[](std::size_t index) { return items_.at(index); }
    const TStoredValue& operator[](std::size_t index) const { return items_.at(index); }

    // The index of the first item whose Name equals `name` without regard to letter
    // case (Turkish letters included), or -1.
    int IndexOf(std::string_view name) const;
    TStoredValue* FindValue(std::string_view name);
    const TStoredValue* FindValue(std::string_view name) const;

private:
    std::deque<TStoredValue> items_;
};

// The component. It opens its file only while Active is set and FileName is not
// empty; opening reads the file's values (RestoreValues). The file opened last stays
// the one RestoreValues and SaveValues work on, also after Active is cleared.
class TIloStorage {
public:
    TIloStorage() = default; // Active, no file name, no items, nothing opened

    bool Active() const { return active_; }
    // A changed value is stored and the file is opened again.
    void setActive(bool active);

    const std::string& FileName() const { return fileName_; }
    // A changed name (compared exactly, letter case counting) is stored and the file
    // is opened again.
    void setFileName(std::string_view fileName);

    TStoredValues& StoredValues() { return values_; }
    const TStoredValues& StoredValues() const { return values_; }

    // Runs once the declared properties have been applied: opens the file.
    void Loaded() { ReopenFile(); }

    // Every item whose key stands in the file's "IloStored" section takes that
    // key's text, byte for byte; other items keep what they hold. A missing file,
    // section or key is no error, and neither is an unreadable file.
    void RestoreValues();

    // Writes every item's key into the "IloStored" section of the file, which is
    // replaced in one step: an existing key keeps its line, a new key goes to the end
    // of the section, a missing section to the end of the file, and every other line
    // stays as it was. Throws platform::WriteError ("Unable to write to <file>") when
    // the file cannot be written, or when an item's text does not fit the code page
    // or holds a NUL, CR or LF byte that would cut its line, or before any file has
    // been opened; the file is then left exactly as it was.
    void SaveValues() const;

    // The plain value of the named item: unscrambled when the item has Encode set;
    // empty when there is no such item.
    std::string ReadValue(std::string_view name) const;

    // Stores the value's text form in the named item, scrambled when the item has
    // Encode set. An unknown name adds an unscrambled item under that name. Only
    // SaveValues writes the file. False, with nothing changed, when the text holds a
    // character that code page 1254 cannot hold.
    bool WriteValue(std::string_view name, std::string_view value);

    // Whether a file has been opened (the last one stays open).
    bool isOpen() const { return openFile_.has_value(); }

private:
    void ReopenFile();

    bool active_ = true;
    std::string fileName_;
    std::optional<std::string> openFile_; // the file opened last
    TStoredValues values_;
};

} // namespace kartavel::access

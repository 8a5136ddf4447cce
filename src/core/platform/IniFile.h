#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The profile-string (INI) form shared by the table files, the settings files and
// the stored-values file. Text here is bytes: callers decode the code page.
//
// Line rules: lines end in CR LF (LF or CR alone is also read); a section header is a
// line holding a name between "[" and "]"; a key line is split at its first "=";
// blanks around names and values are ignored; a value in one matching pair of
// double or single quotes loses them; names compare without regard to letter case;
// blank lines are ignored.
namespace kartavel::platform {

// Reads `bytes` in one pass. `onSection` is called for each section header in
// file order; `onKey` for each key line after the first header (lines before any
// header, and lines that are neither, are skipped).
void parseIni(std::string_view bytes, const std::function<void(std::string_view)>& onSection,
              const std::function<void(std::string_view, std::string_view)>& onKey);

// ASCII letters compared without regard to case; other bytes exactly.
bool iniNamesEqual(std::string_view a, std::string_view b);

// The two steps by which a key's value is read from the text after its "=", in this
// order: blanks (blank, tab, CR, vertical tab, form feed, end-of-file mark) dropped at
// both ends, then one pair of matching enclosing quotes (' or ") dropped. A value
// that neither step changes, and that holds no line break, reads back as written.
std::string_view iniTrimmed(std::string_view value);
std::string_view iniUnquoted(std::string_view value);

// How key values are read. `Trimmed` follows the line rules above. `Raw` takes every
// byte after the first "=" as it stands, blanks and quotes included, so that a
// value written by setValue reads back unchanged (the stored-values file, whose
// scrambled values may begin or end with a blank or a quote).
enum class IniValues { Trimmed, Raw };

// A whole INI file held in memory, for the small files that are read, changed key by
// key and written back. Every line that setValue does not change (comments, blank
// lines, other keys and sections) is written back exactly as it was read.
class IniDocument {
public:
    struct Line {
        std::string name;  // empty for a kept line that is not a key
        std::string value; // the value, or the whole kept line
        bool isKey = true;
        std::string original; // the line as read; empty once setValue changed it
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        std::string original; // the header line as read; empty for a new section
    };

    static IniDocument parse(std::string_view bytes, IniValues values = IniValues::Trimmed);

    // The value of the first matching key of the first matching section.
    const std::string* value(std::string_view section, std::string_view key) const;

    // An existing key keeps its line and takes the value; a new key goes to the end
    // of its section; a new section goes to the end of the document.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The file form, every line ending in CR LF.
    std::string serialize() const;

    const std::vector<Section>& sections() const { return sections_; }

private:
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::vector<std::string> prologue_; // kept lines before the first section
    std::vector<Section> sections_;
};

} // namespace kartavel::platform

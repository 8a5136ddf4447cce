#include "IniFile.h"

#include <cstring>

namespace kartavel::platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

enum class LineKind { Blank, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::string_view value;
};

ParsedLine parseLine(std::string_view raw, IniValues values = IniValues::Trimmed) {
    const std::string_view line = iniTrimmed(raw);
    if (line.empty())
        return {};
    if (line.front() == '[') {
        const auto close = line.rfind(']');
        if (close != std::string_view::npos && close > 0)
            return {LineKind::Section, iniTrimmed(line.substr(1, close - 1)), {}};
    }
    const auto eq = raw.find('=');
    if (eq == std::string_view::npos)
        return {LineKind::Other, {}, {}};
    const std::string_view value = raw.substr(eq + 1);
    return {LineKind::Key, iniTrimmed(raw.substr(0, eq)),
            values == IniValues::Raw ? value : iniUnquoted(iniTrimmed(value))};
}

// Calls `f` with each line of `bytes`, without its line end. A line ends at CR LF,
// LF or a CR alone, as the files' home system reads them: a hand-edited file with a
// lone CR must not load a value that no save can write back.
template <typename F>
void forEachLine(std::string_view bytes, F&& f) {
    const std::size_t size = bytes.size();
    std::size_t p = 0;
    while (p < size) {
        std::size_t end = p;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        f(bytes.substr(p, end - p));
        p = end;
        if (p < size && bytes[p] == '\r')
            ++p;
        if (p < size && bytes[p] == '\n')
            ++p;
    }
}

} // namespace

std::string_view iniTrimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string_view iniUnquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

bool iniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

void parseIni(std::string_view bytes, const std::function<void(std::string_view)>& onSection,
              const std::function<void(std::string_view, std::string_view)>& onKey) {
    bool inSection = false;
    forEachLine(bytes, [&](std::string_view raw) {
        const ParsedLine line = parseLine(raw);
        if (line.kind == LineKind::Section) {
            inSection = true;
            onSection(line.name);
        } else if (line.kind == LineKind::Key && inSection) {
            onKey(line.name, line.value);
        }
    });
}

IniDocument IniDocument::parse(std::string_view bytes, IniValues values) {
    IniDocument doc;
    forEachLine(bytes, [&](std::string_view raw) {
        const ParsedLine line = parseLine(raw, values);
        if (line.kind == LineKind::Section) {
            doc.sections_.push_back({std::string(line.name), {}, std::string(raw)});
        } else if (doc.sections_.empty()) {
            doc.prologue_.emplace_back(raw); // keys before any section are no keys
        } else if (line.kind == LineKind::Key) {
            doc.sections_.back().lines.push_back(
                {std::string(line.name), std::string(line.value), true, std::string(raw)});
        } else {
            doc.sections_.back().lines.push_back({{}, std::string(raw), false, {}});
        }
    });
    return doc;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    for (auto& s : sections_)
        if (iniNamesEqual(s.name, name))
            return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    return const_cast<IniDocument*>(this)->findSection(name);
}

const std::string* IniDocument::value(std::string_view section, std::string_view key) const {
    if (const Section* s = findSection(section))
        for (const auto& l : s->lines)
            if (l.isKey && iniNamesEqual(l.name, key))
                return &l.value;
    return nullptr;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({std::string(section), {}, {}});
        s = &sections_.back();
    }
    for (auto& l : s->lines) {
        if (l.isKey && iniNamesEqual(l.name, key)) {
            l.value = value;
            l.original.clear();
            return;
        }
    }
    s->lines.push_back({std::string(key), std::string(value), true, {}});
}

std::string IniDocument::serialize() const {
    std::string out;
    for (const auto& l : prologue_)
        out.append(l).append("\r\n");
    for (const auto& s : sections_) {
        if (s.original.empty())
            out.append("[").append(s.name).append("]\r\n");
        else
            out.append(s.original).append("\r\n");
        for (const auto& l : s.lines) {
            if (!l.isKey)
                out.append(l.value).append("\r\n");
            else if (!l.original.empty())
                out.append(l.original).append("\r\n");
            else
                out.append(l.name).append("=").append(l.value).append("\r\n");
        }
    }
    return out;
}

} // namespace kartavel::platform

#include "IloStorage.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "text/CaseFold.h"
#include "text/Cp1254.h"

namespace kartavel::access {

std::optional<std::string> TStoredValue::EnDeCrypt(std::string_view source) {
    auto bytes = text::encodeCp1254(source);
    if (!bytes)
        return std::nullopt;
    for (char& b : *bytes)
        b = static_cast<char>(~static_cast<unsigned char>(b));
    return text::decodeCp1254(*bytes);
}

TStoredValue& TStoredValues::Add() {
    return items_.emplace_back();
}

int TStoredValues::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (text::equalIgnoringCase(items_[i].Name, name))
            return static_cast<int>(i);
    return -1;
}

TStoredValue* TStoredValues::FindValue(std::string_view name) {
    const int i = IndexOf(name);
    return i < 0 ? nullptr : &items_[static_cast<std::size_t>(i)];
}

const TStoredValue* TStoredValues::FindValue(std::string_view name) const {
    return const_cast<TStoredValues*>(this)->FindValue(name);
}

void TIloStorage::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    ReopenFile();
}

void TIloStorage::setFileName(std::string_view fileName) {
    if (fileName == fileName_)
        return;
    fileName_ = fileName;
    ReopenFile();
}

void TIloStorage::ReopenFile() {
    if (!active_ || fileName_.empty())
        return;
    openFile_ = fileName_;
    RestoreValues();
}

void TIloStorage::RestoreValues() {
    if (!openFile_)
        return;
    // A file that is there but cannot be read throws: taken for a missing one, a
    // password it holds would not be asked for.
    const auto bytes = platform::readFileIfPresent(platform::pathFromUtf8(*openFile_));
    if (!bytes)
        return;
    // Raw values: a scrambled value may begin or end with a blank or a quote.
    const auto doc = platform::IniDocument::parse(*bytes, platform::IniValues::Raw);
    for (std::size_t i = 0; i < values_.Count(); ++i)
        if (const auto name = text::encodeCp1254(values_[i].Name))
            if (const std::string* v = doc.value(kStoredSection, *name))
                values_[i].Value = text::decodeCp1254(*v);
}

namespace {

// A value ends at the line end and a NUL ends the text, so these bytes would cut it.
bool fitsOneLine(std::string_view bytes) {
    return bytes.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

} // namespace

void TIloStorage::SaveValues() const {
    const auto path = platform::pathFromUtf8(openFile_.value_or(fileName_));
    if (!openFile_)
        throw platform::WriteError(path); // no file to write to has been opened
    const auto bytes = platform::readFileIfPresent(path);
    auto doc =
        platform::IniDocument::parse(bytes ? *bytes : std::string(), platform::IniValues::Raw);
    for (std::size_t i = 0; i < values_.Count(); ++i) {
        const auto value = text::encodeCp1254(values_[i].Value);
        const auto name = text::encodeCp1254(values_[i].Name);
        if (!value || !name || !fitsOneLine(*value) || !fitsOneLine(*name))
            throw platform::WriteError(path);
        doc.setValue(kStoredSection, *name, *value);
    }
    platform::replaceFileAtomically(path, doc.serialize());
}

std::string TIloStorage::ReadValue(std::string_view name) const {
    const TStoredValue* item = values_.FindValue(name);
    if (!item)
        return {};
    if (item->Encode)
        return TStoredValue::EnDeCrypt(item->Value).value_or(std::string());
    return item->Value;
}

bool TIloStorage::WriteValue(std::string_view name, std::string_view value) {
    if (!text::fitsCp1254(value))
        return false;
    TStoredValue* item = values_.FindValue(name);
    if (!item) {
        item = &values_.Add();
        item->Name = name;
    }
    item->Value = item->Encode ? *TStoredValue::EnDeCrypt(value) : std::string(value);
    return true;
}

} // namespace kartavel::access

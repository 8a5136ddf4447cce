#include "FormStorage.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "store/FieldValue.h"
#include "text/Cp1254.h"

#include <QAction>

namespace kartavel::gui {

FormStorage::FormStorage(std::filesystem::path file, QString section)
    : file_(std::move(file)), section_(std::move(section)) {}

void FormStorage::addCheckedItem(QAction* action) {
    items_.append(action);
}

void FormStorage::addValue(QString key, std::function<QString()> get,
                           std::function<void(const QString&)> set) {
    values_.append({std::move(key), std::move(get), std::move(set)});
}

namespace {

std::string keyOf(const QAction* a) {
    return a->objectName().toStdString() + "_Checked";
}

// "True" in any letter case, or a number other than 0, as boolean values read.
bool isTrue(std::string_view v) {
    const auto b = store::parseValueText({"x", store::FieldType::Boolean, 0}, v);
    return b && std::holds_alternative<bool>(*b) && std::get<bool>(*b);
}

// Reading drops the blanks around a value and one pair of quotes around it; a text
// that starts or ends with either is kept whole inside a pair of quotes.
std::string iniValue(const std::string& text) {
    if (text.empty())
        return text;
    const auto outer = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
    if (outer(text.front()) || outer(text.back()))
        return '"' + text + '"';
    return text;
}

} // namespace

void FormStorage::restore() {
    const auto bytes = platform::readWholeFile(file_);
    if (!bytes)
        return;
    const auto doc = platform::IniDocument::parse(*bytes);
    const std::string section = section_.toStdString();
    for (const auto& a : items_)
        if (a)
            if (const std::string* v = doc.value(section, keyOf(a)))
                a->setChecked(isTrue(*v));
    for (const Value& v : values_)
        if (const std::string* stored = doc.value(section, v.key.toStdString()))
            v.set(QString::fromStdString(text::decodeCp1254(*stored)));
}

void FormStorage::save() {
    const auto bytes = platform::readWholeFile(file_);
    auto doc = platform::IniDocument::parse(bytes ? *bytes : std::string());
    const std::string section = section_.toStdString();
    for (const auto& a : items_)
        if (a)
            doc.setValue(section, keyOf(a), a->isChecked() ? "True" : "False");
    for (const Value& v : values_) {
        // The fields take only what the code page holds; anything else is not kept.
        const auto bytes = text::encodeCp1254(v.get().toStdString());
        doc.setValue(section, v.key.toStdString(), bytes ? iniValue(*bytes) : std::string());
    }
    platform::replaceFileAtomically(file_, doc.serialize());
}

} // namespace kartavel::gui

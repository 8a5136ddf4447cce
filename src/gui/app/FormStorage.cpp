#include "FormStorage.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "store/FieldValue.h"

#include <QAction>

namespace kartavel::gui {

FormStorage::FormStorage(std::filesystem::path file, QString section)
    : file_(std::move(file)), section_(std::move(section)) {}

void FormStorage::addCheckedItem(QAction* action) {
    items_.append(action);
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
}

void FormStorage::save() {
    const auto bytes = platform::readWholeFile(file_);
    auto doc = platform::IniDocument::parse(bytes ? *bytes : std::string());
    const std::string section = section_.toStdString();
    for (const auto& a : items_)
        if (a)
            doc.setValue(section, keyOf(a), a->isChecked() ? "True" : "False");
    platform::replaceFileAtomically(file_, doc.serialize());
}

} // namespace kartavel::gui

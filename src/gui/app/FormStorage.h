#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>

class QAction;

namespace kartavel::gui {

// Keeps a window's settings between runs in an INI file: one section named after
// the window's class, one key per kept property, named after the control, an
// underscore and the property ("BuyukSimge1_Checked" = "True" or "False",
// "EditARADI_Text" = ...). Values are written in the table files' code page.
class FormStorage {
public:
    FormStorage(std::filesystem::path file, QString section);

    void addCheckedItem(QAction* action);
    // Any other property: `get` reads it for saving, `set` puts a stored value back.
    void addValue(QString key, std::function<QString()> get,
                  std::function<void(const QString&)> set);

    // Ticks the items and puts the values back as the file says; what the file does
    // not name stays as it is.
    void restore();
    // Writes every item's state and every value, keeping the file's other lines.
    // Throws platform::WriteError when the file cannot be written.
    void save();

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    QString section_;
    QList<QPointer<QAction>> items_;
    struct Value {
        QString key;
        std::function<QString()> get;
        std::function<void(const QString&)> set;
    };
    QList<Value> values_;
};

} // namespace kartavel::gui

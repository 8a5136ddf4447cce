#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <filesystem>

class QAction;

namespace kartavel::gui {

// Keeps the ticked state of a window's menu items between runs, in an INI file:
// one section named after the window's class, keys "<item>_Checked" = "True" or
// "False".
class FormStorage {
public:
    FormStorage(std::filesystem::path file, QString section);

    void addCheckedItem(QAction* action);

    // Ticks the items as the file says; items the file does not name stay as they are.
    void restore();
    // Writes every item's state, keeping the file's other lines. Throws
    // platform::WriteError when the file cannot be written.
    void save();

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    QString section_;
    QList<QPointer<QAction>> items_;
};

} // namespace kartavel::gui

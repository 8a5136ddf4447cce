#pragma once

#include "register/Groups.h"
#include "widgets/RecordTableModel.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QToolBar;
class QVBoxLayout;

namespace kartavel::gui {

class TBanner;
class TDBEdit;
class TDBNavigator;
class TILORXDBGrid;

// What the group and the sub-group window are made of: the banner, a tool bar, the
// two fields of the current row, the record navigator and the grid, in a fixed-size
// dialog with minimise and close buttons, centred on its parent.
class GroupWindowBase : public QDialog {
    Q_OBJECT
public:
    TBanner* banner() const { return banner_; }
    QLabel* ImageB2() const;
    TDBEdit* DBEdit1() const { return DBEdit1_; }
    TDBEdit* DBEdit2() const { return DBEdit2_; }
    TDBNavigator* BiDiDBNavigator1() const { return navigator_; }
    TILORXDBGrid* DBGrid1() const { return grid_; }

    // The list's messages and questions, through the program's message boxes.
    static reg::Dialogue dialogue();
    // Runs a change of the list; a table file that cannot be written ends it in the
    // error box.
    static void guarded(const std::function<void()>& change);

protected:
    GroupWindowBase(const char* objectName, const QString& heading, QWidget* parent);
    ~GroupWindowBase() override;

    // Builds the fields, the navigator and the grid over the table; `above` (the
    // sub-group window's group line) stands above the fields.
    void buildBody(store::RecordTable& table, std::string_view nameField,
                   std::vector<TColumn> columns, QWidget* above);
    QToolBar* toolBar() const { return toolBar_; }
    void centreOnParent();
    // Deletes the bound controls; a window calls it in its destructor, before its
    // tables go.
    void releaseControls();

    // A row still being inserted or edited when the window closes is discarded.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Runs when shown and when ImageB2 is clicked.
    virtual void FormShow() = 0;

private:
    TBanner* banner_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    store::RecordTable* table_ = nullptr;
    TDBEdit* DBEdit1_ = nullptr;
    TDBEdit* DBEdit2_ = nullptr;
    TDBNavigator* navigator_ = nullptr;
    TILORXDBGrid* grid_ = nullptr;
    bool shown_ = false;
};

} // namespace kartavel::gui

#pragma once

#include <QWidget>

class QAbstractItemModel;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QStackedWidget;
class QTableView;

namespace kartavel::gui {

// A list with the four views of a desktop list control over one model: large
// icons, small icons, list, and details with columns and grid lines. The selection
// is shared, so switching views keeps it.
class TListView : public QWidget {
    Q_OBJECT
public:
    enum class ViewStyle { Icon, SmallIcon, List, Report };

    explicit TListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    void setViewStyle(ViewStyle style);
    ViewStyle viewStyle() const { return style_; }
    void setColumnWidths(const QList<int>& widths);

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    void clearSelection();

    QAbstractItemView* currentView() const;

    // Keeps a view's selection in its active colours while another control has
    // the focus.
    static void keepSelectionVisible(QAbstractItemView* view);
    QTableView* reportView() const { return report_; }
    QListView* iconView() const { return icons_; }

Q_SIGNALS:
    void itemClicked(int row);   // a mouse click on an item
    void itemActivated(int row); // a double-click, or Enter on the selected item
    void backspacePressed();
    void selectionChanged(int row); // -1 when nothing is selected
    void contextMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare(QAbstractItemView* view);

    QStackedWidget* stack_;
    QListView* icons_;
    QTableView* report_;
    QItemSelectionModel* selection_ = nullptr;
    ViewStyle style_ = ViewStyle::Report;
};

} // namespace kartavel::gui

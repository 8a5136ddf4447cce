#include "WindowParts.h"

#include "CodePageValidator.h"
#include "ImageLists.h"
#include "Prompter.h"
#include "QtText.h"
#include "TAnaF.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace kartavel::gui {

TIloWinButton* commandButton(QWidget* parent, const char* objectName, const QString& caption,
                             int icon, QSize size, TIloWinButton::TPicPos align) {
    auto* b = new TIloWinButton(parent);
    b->setObjectName(QString::fromLatin1(objectName));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    b->setFont(f);
    b->setCaption(caption);
    b->setFixedSize(size);
    if (AnaF && icon >= 0)
        b->setImages(AnaF->ImageList1);
    b->setImageIndex(icon);
    b->setGlphyAlign(align);
    return b;
}

QToolButton* toolButton(QToolBar* bar, const char* objectName, const char* caption, int icon,
                        const char* hint) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setText(QString::fromUtf8(caption));
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(numberedIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(85);
    bar->addWidget(b);
    return b;
}

QLabel* addStatusPanel(QStatusBar* bar, const QString& text, int width, Qt::Alignment align) {
    auto* l = new QLabel(text, bar);
    if (width > 0)
        l->setFixedWidth(width);
    else
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    bar->addWidget(l, width > 0 ? 0 : 1);
    return l;
}

QLabel* addCountPanels(QStatusBar* bar, const QString& caption, int width) {
    bar->setSizeGripEnabled(false);
    addStatusPanel(bar, caption, width, Qt::AlignLeft);
    QLabel* count = addStatusPanel(bar, QString(), 75, Qt::AlignRight);
    count->setObjectName(QStringLiteral("CountPanel"));
    addStatusPanel(bar, QString(), 50, Qt::AlignLeft);
    return count;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(10, 0, 10, 0);
    row->addStretch(1);
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}

QComboBox* choiceField(QWidget* parent, const char* objectName) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setValidator(new CodePageValidator({}, combo));
    return combo;
}

void fillChoices(QComboBox* combo, const std::vector<std::string>& choices) {
    // Refilling an editable list must not change what the user typed.
    const QString text = combo->currentText();
    combo->clear();
    for (const auto& c : choices)
        combo->addItem(qs(c));
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void guardFileWork(const std::function<void()>& work) {
    try {
        work();
    } catch (const platform::WriteError& e) {
        ShowError(QString::fromStdString(e.what()));
    } catch (const platform::ReadError& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

namespace {

// Esc while a drop-down list or a calendar is open closes that pop-up and nothing
// else. Qt closes a combo box's list while it offers the key to the shortcuts, and
// then runs the window's Esc command anyway: the window would close and take what
// was typed with it.
class PopupEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        if (type == QEvent::ShortcutOverride) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                return false;
            popup->close();
            // The key that follows belongs to the pop-up too, not to the window.
            pressTaken_ = true;
            event->accept();
            return true;
        }
        return std::exchange(pressTaken_, false);
    }

private:
    bool pressTaken_ = false;
};

} // namespace

void keepEscForPopups() {
    static QPointer<PopupEscape> filter;
    if (filter || !qApp)
        return;
    filter = new PopupEscape(qApp);
    qApp->installEventFilter(filter);
}

QAction* closeAction(QWidget* window, const char* objectName, std::function<void()> close) {
    keepEscForPopups();
    auto* a = new QAction(QStringLiteral("Kapat"), window);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setShortcut(QKeySequence(Qt::Key_Escape));
    QObject::connect(a, &QAction::triggered, window, std::move(close));
    window->addAction(a);
    return a;
}

} // namespace kartavel::gui

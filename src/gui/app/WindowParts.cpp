#include "WindowParts.h"

#include "TAnaF.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

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

QLabel* addStatusPanel(QStatusBar* bar, const QString& text, int width, Qt::Alignment align) {
    auto* l = new QLabel(text, bar);
    l->setFixedWidth(width);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    bar->addWidget(l);
    return l;
}

QAction* closeAction(QWidget* window, const char* objectName, std::function<void()> close) {
    auto* a = new QAction(QStringLiteral("Kapat"), window);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setShortcut(QKeySequence(Qt::Key_Escape));
    QObject::connect(a, &QAction::triggered, window, std::move(close));
    window->addAction(a);
    return a;
}

} // namespace kartavel::gui

#include "TK_YardimF.h"

#include "FormAyar.h"
#include "TAnaF.h"
#include "widgets/TBanner.h"
#include "widgets/TIloWinButton.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace kartavel::gui {

QString TK_YardimF::helpText() {
    return QStringLiteral(
        "\n"
        "     Aradığınız dosyanın belirli bir kısmını biliyorsanız; Örneğin (.txt)  .txt yazmanız "
        "\n"
        "  yeterlidir (*.txt ile aynı işlevi yapar).\n"
        "\n"
        "    Büyük küçük harfe duyarlı arama yapmak istiyorsanız \"Büyük Küçük Harf Ayır\"\n"
        "  seçeneğini işaretleyiniz.\n"
        "\n"
        "    Tam kelime arama istiyorsanız \"Tam Kelime Ara\" seçeneğini işaretleyiniz.");
}

TK_YardimF::TK_YardimF(QWidget* parent)
    : QDialog(parent),
      banner_(new TBanner(QStringLiteral("Arama Yardım"), QStringLiteral("Label1"), this)),
      text_(new QLabel(helpText(), this)), close_(new TIloWinButton(this)) {
    setObjectName(QStringLiteral("K_YardimF"));
    resize(474, 258);
    setSizeGripEnabled(true);
    banner_->setObjectName(QStringLiteral("Panel1"));

    text_->setObjectName(QStringLiteral("Label2"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    f.setBold(true);
    text_->setFont(f);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextFormat(Qt::PlainText);

    close_->setObjectName(QStringLiteral("IloWinButton1"));
    close_->setCaption(QStringLiteral("Kapat"));
    QFont bf(QStringLiteral("Arial"));
    bf.setPixelSize(12);
    bf.setBold(true);
    close_->setFont(bf);
    close_->setFixedSize(100, 30);
    if (AnaF)
        close_->setImages(AnaF->ImageList1);
    close_->setImageIndex(4);
    close_->setGlphyAlign(TIloWinButton::poLeft);
    connect(close_, &TIloWinButton::clicked, this, &QDialog::close);

    auto* kapat = new QAction(QStringLiteral("Kapat"), this);
    kapat->setObjectName(QStringLiteral("Kapat"));
    kapat->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(kapat, &QAction::triggered, this, &QDialog::close);
    addAction(kapat);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 8);
    column->addWidget(banner_);
    column->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close_);
    row->addStretch(1);
    column->addLayout(row);

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TK_YardimF::showEvent(QShowEvent* event) {
    FormAyar(this, nullptr, 9);
    QDialog::showEvent(event);
}

} // namespace kartavel::gui

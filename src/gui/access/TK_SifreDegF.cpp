#include "TK_SifreDegF.h"

#include "AccessControls.h"
#include "access/Password.h"
#include "app/FormAyar.h"
#include "app/Prompter.h"
#include "app/TAnaF.h"
#include "platform/FileSystem.h"
#include "widgets/TBanner.h"
#include "widgets/TIloWinButton.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace kartavel::gui {

TK_SifreDegF* K_SifreDegF = nullptr;

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TK_SifreDegF::TK_SifreDegF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      banner_(new TBanner(QStringLiteral("Şifre Değiştir"), QStringLiteral("Label4"), this)),
      edit3_(makePasswordField(this, QStringLiteral("Edit3"), QColor(0xFD, 0xBD, 0xD3))),
      edit1_(makePasswordField(this, QStringLiteral("Edit1"), QColor(0xCB, 0xFC, 0xFE))),
      edit2_(makePasswordField(this, QStringLiteral("Edit2"), QColor(0xCB, 0xFC, 0xFE))),
      bitBtn1_(makeCaptionButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Tamam"))),
      bitBtn2_(makeCaptionButton(this, QStringLiteral("BitBtn2"), QStringLiteral("İptal"))),
      kapat_(new QAction(QStringLiteral("Kapat"), this)) {
    setObjectName(QStringLiteral("K_SifreDegF"));
    setFixedSize(330, 196);
    banner_->setObjectName(QStringLiteral("Panel1"));
    banner_->setGeometry(0, 0, width(), TBanner::kHeight);

    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Eski Şifre ", edit3_}, {"Yeni Şifre ", edit1_}, {"Şifre Tekrarı ", edit2_}};
    int y = 52;
    int number = 1;
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        label->setFont(boldArial(13));
        label->setGeometry(24, y, 110, 24);
        label->setBuddy(field);
        field->setGeometry(136, y, 170, 24);
        y += 32;
    }
    bitBtn1_->move(70, 154);
    bitBtn2_->move(175, 154);
    setTabOrder(edit3_, edit1_);
    setTabOrder(edit1_, edit2_);
    setTabOrder(edit2_, bitBtn1_);
    setTabOrder(bitBtn1_, bitBtn2_);
    connect(bitBtn1_, &TIloWinButton::clicked, this, &TK_SifreDegF::BitBtn1Click);
    // Enter in a field acts as "Tamam", the window's default command.
    for (QLineEdit* field : {edit3_, edit1_, edit2_})
        connect(field, &QLineEdit::returnPressed, this, &TK_SifreDegF::BitBtn1Click);
    connect(bitBtn2_, &TIloWinButton::clicked, this, &TK_SifreDegF::BitBtn2Click);

    kapat_->setObjectName(QStringLiteral("Kapat"));
    kapat_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(kapat_, &QAction::triggered, this, &TK_SifreDegF::KapatExecute);
    addAction(kapat_);

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    FormCreate();
}

void TK_SifreDegF::FormCreate() {
    if (AnaF)
        access::openStoredValues(AnaF->IloStorage1);
}

void TK_SifreDegF::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TK_SifreDegF::FormShow() {
    FormAyar(this, nullptr, 13);
    edit3_->setEnabled(access::storedValuesFileExists());
    (edit3_->isEnabled() ? edit3_ : edit1_)->setFocus();
}

void TK_SifreDegF::BitBtn1Click() {
    if (!AnaF)
        return;
    try {
        const auto r =
            access::changePassword(AnaF->IloStorage1, edit3_->text().toStdString(),
                                   edit1_->text().toStdString(), edit2_->text().toStdString());
        ShowInfo(qs(r.message));
        if (!r.changed)
            return;
        AnaF->loginDue = true;
        accept();
    } catch (const platform::WriteError& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

void TK_SifreDegF::BitBtn2Click() {
    close();
}

void TK_SifreDegF::KapatExecute() {
    close();
}

} // namespace kartavel::gui

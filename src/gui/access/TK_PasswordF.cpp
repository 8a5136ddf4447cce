#include "TK_PasswordF.h"

#include "AccessControls.h"
#include "access/Password.h"
#include "app/ImageLists.h"
#include "app/Prompter.h"
#include "app/TAnaF.h"
#include "widgets/TIloWinButton.h"

#include <QApplication>
#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace kartavel::gui {

TK_PasswordF* K_PasswordF = nullptr;

namespace {

QLabel* heading(QWidget* parent, const char* name, int pixels, const QColor& colour) {
    auto* l = new QLabel(QStringLiteral("Kullanıcı Girişi"), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(boldArial(pixels));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

TK_PasswordF::TK_PasswordF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      image1_(new QLabel(this)), label2_(heading(this, "Label2", 32, QColor(0x9C, 0x97, 0xF9))),
      label1_(heading(this, "Label1", 19, Qt::white)),
      rxLabel2_(new QLabel(QStringLiteral("Parola : "), this)),
      editPass_(makePasswordField(this, QStringLiteral("EditPass"))),
      iqGrap1_(makeCaptionButton(this, QStringLiteral("IQGrap1"), QStringLiteral("Tamam"))),
      iqGrap2_(makeCaptionButton(this, QStringLiteral("IQGrap2"), QStringLiteral("Vazgeç"))) {
    setObjectName(QStringLiteral("K_PasswordF"));
    setWindowTitle(QStringLiteral("Kullanıcı giriş"));
    setFixedSize(330, 156);

    // The window's colour is the button face, the colour that is see-through.
    colourKey_ = palette().color(QPalette::Active, QPalette::Button);
    QPalette p = palette();
    p.setColor(QPalette::Window, colourKey_);
    setPalette(p);
    setAutoFillBackground(true);

    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setScaledContents(true);
    image1_->setPixmap(picture(QStringLiteral("login_banner")));
    image1_->setGeometry(0, 0, width(), 49);
    label2_->setGeometry(10, 0, 310, 40);
    label1_->setGeometry(58, 22, 260, 26);

    rxLabel2_->setObjectName(QStringLiteral("RxLabel2"));
    rxLabel2_->setFont(boldArial(13));
    rxLabel2_->setGeometry(34, 70, 66, 24);
    editPass_->setMaxLength(static_cast<int>(access::kLoginFieldLength));
    editPass_->setGeometry(100, 70, 190, 24);
    iqGrap1_->move(70, 113);
    iqGrap2_->move(175, 113);
    setTabOrder(editPass_, iqGrap1_);
    setTabOrder(iqGrap1_, iqGrap2_);

    // The window sees every key before its controls.
    for (QWidget* w : {static_cast<QWidget*>(editPass_), static_cast<QWidget*>(iqGrap1_),
                       static_cast<QWidget*>(iqGrap2_)})
        w->installEventFilter(this);
    connect(iqGrap1_, &TIloWinButton::clicked, this, &TK_PasswordF::IQGrap1Click);
    connect(iqGrap2_, &TIloWinButton::clicked, this, &TK_PasswordF::BitBtn2Click);
    // The focus look of a button is painted on the see-through colour: the shape
    // follows it.
    connect(qApp, &QApplication::focusChanged, this,
            [this] { QTimer::singleShot(0, this, &TK_PasswordF::applyColourKey); });

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    FormCreate();
}

void TK_PasswordF::FormCreate() {
    if (AnaF)
        access::openStoredValues(AnaF->IloStorage1);
}

void TK_PasswordF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
    editPass_->setFocus();
    applyColourKey();
}

void TK_PasswordF::FormShow() {
    success_ = false;
}

void TK_PasswordF::applyColourKey() {
    if (!isVisible())
        return;
    QImage shot(size(), QImage::Format_RGB32);
    render(&shot, {}, {},
           QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    const QRegion shape(
        QBitmap::fromImage(shot.createMaskFromColor(colourKey_.rgb(), Qt::MaskInColor)));
    if (shape != mask())
        setMask(shape);
}

void TK_PasswordF::IQGrap1Click() {
    if (!AnaF)
        return;
    switch (access::checkPassword(AnaF->IloStorage1, editPass_->text().toStdString())) {
    case access::LoginOutcome::Nothing:
        return;
    case access::LoginOutcome::LoggedIn:
        AnaF->loggedIn = true;
        success_ = true;
        accept();
        return;
    case access::LoginOutcome::Refused:
        AnaF->loggedIn = false;
        success_ = false;
        ShowInfo(QString::fromUtf8(access::kPasswordNotVerified.data(),
                                   static_cast<qsizetype>(access::kPasswordNotVerified.size())));
        return;
    }
}

void TK_PasswordF::endProgram() {
    if (!AnaF)
        return;
    // Not logged in: the main window closes without asking, and the program ends.
    AnaF->loggedIn = false;
    AnaF->close();
}

void TK_PasswordF::BitBtn2Click() {
    success_ = false;
    endProgram();
    close();
}

void TK_PasswordF::done(int result) {
    if (!success_)
        endProgram();
    QDialog::done(result);
}

void TK_PasswordF::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        IQGrap1Click();
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return; // only "Vazgeç" and the close box leave the window
    QDialog::keyPressEvent(event);
}

bool TK_PasswordF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        // Enter runs the check once and goes no further: the focused button must not
        // also take it, or "Vazgeç" would end the program after a correct password.
        IQGrap1Click();
        return true;
    }
    if (watched == editPass_ && key->text() == QStringLiteral(" "))
        return true; // EditPassKeyPress: a blank is discarded
    return QDialog::eventFilter(watched, event);
}

} // namespace kartavel::gui

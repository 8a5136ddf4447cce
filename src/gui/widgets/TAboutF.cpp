#include "TAboutF.h"

#include "Fonts.h"
#include "TIloAnimate.h"
#include "TSecretPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

namespace kartavel::gui {

namespace {

// Where the parts stand in the 465 × 460 client area.
constexpr int kStatusHeight = 19;
constexpr int kImageWidth = 146;
constexpr int kImageHeight = TAboutF::kHeight - kStatusHeight;
constexpr QRect kStaffPanel(1, kImageHeight - 224 - 1, 144, 224);
constexpr QRect kHeader(kImageWidth, 0, TAboutF::kWidth - kImageWidth, 58);
constexpr QRect kCredits(kImageWidth + 12, 72, 296, 214);

} // namespace

QStringList TAboutF::staffLines() {
    return {QStringLiteral("TAVRIS Team"), QString(), QStringLiteral("Proje Yönetimi"), QString(),
            QStringLiteral("Yazılım"),     QString(), QStringLiteral("Tasarım"),        QString(),
            QStringLiteral("Test")};
}

QStringList TAboutF::creditLines() {
    return {QString(), QString(), QStringLiteral("TAVRIS")};
}

std::pair<QString, QString> TAboutF::memoryTexts(const std::optional<platform::MemoryStatus>& m,
                                                 const QLocale& locale) {
    if (!m) {
        const QString unknown = QStringLiteral("Bilinmiyor");
        return {unknown, unknown};
    }
    // Digits grouped in threes in every locale, the C locale included.
    QLocale grouped(locale);
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return {grouped.toString(static_cast<qulonglong>(m->totalKb)) + QStringLiteral(" KB"),
            QStringLiteral("%1 %").arg(m->load)};
}

TAboutF::TAboutF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      image1_(new QLabel(this)), secretPanel2_(new TSecretPanel(this)), image3_(new QLabel(this)),
      rxLabel4_(new QLabel(this)), secretPanel1_(new TSecretPanel(this)), fizmem_(new QLabel(this)),
      kulmem_(new QLabel(this)), speedButton1_(new QToolButton(this)),
      statusBar1_(new QStatusBar(this)), statusPanel_(new QLabel(statusBar1_)),
      kapat_(new QAction(QStringLiteral("Kapat"), this)), iloAnimate1_(new TIloAnimate(this)) {
    setObjectName(QStringLiteral("AboutF"));
    setFixedSize(kWidth, kHeight);
    QFont font = arialBold(12);
    setFont(font);

    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(0, 0, kImageWidth, kImageHeight);
    image1_->setScaledContents(true);
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->setToolTip(QStringLiteral("TAVRIS Team"));
    image1_->installEventFilter(this);

    secretPanel2_->setObjectName(QStringLiteral("SecretPanel2"));
    secretPanel2_->setGeometry(kStaffPanel);
    secretPanel2_->setColors(QColor(0x00, 0x00, 0x80), Qt::white);
    secretPanel2_->setFont(arialBold(12));
    secretPanel2_->setLines(staffLines());
    secretPanel2_->hide();

    image3_->setObjectName(QStringLiteral("Image3"));
    image3_->setGeometry(kHeader);
    image3_->setScaledContents(true);
    rxLabel4_->setObjectName(QStringLiteral("RxLabel4"));
    rxLabel4_->setGeometry(kHeader.adjusted(12, 0, -8, 0));
    rxLabel4_->setFont(arialBold(20));
    rxLabel4_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rxLabel4_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    auto* shadow = new QGraphicsDropShadowEffect(rxLabel4_);
    shadow->setColor(Qt::black);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    rxLabel4_->setGraphicsEffect(shadow);

    secretPanel1_->setObjectName(QStringLiteral("SecretPanel1"));
    secretPanel1_->setGeometry(kCredits);
    secretPanel1_->setColors(Qt::black, QColor(0x00, 0xFF, 0x00));
    secretPanel1_->setFont(arialBold(13));
    secretPanel1_->setLines(creditLines());

    // The memory figures, read once as the window is made.
    const int labelX = kCredits.left() + 4;
    const int valueX = kCredits.left() + 160;
    const int firstRow = kCredits.bottom() + 22;
    auto* label1 = new QLabel(QStringLiteral("Fiziksel Hafıza :"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(labelX, firstRow, 150, 18);
    auto* label2 = new QLabel(QStringLiteral("Kullanımdaki Hafıza :"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(labelX, firstRow + 26, 150, 18);
    const auto [total, load] = memoryTexts(platform::memoryStatus());
    fizmem_->setObjectName(QStringLiteral("Fizmem"));
    fizmem_->setText(total);
    fizmem_->setGeometry(valueX, firstRow, kCredits.right() - valueX, 18);
    kulmem_->setObjectName(QStringLiteral("kulmem"));
    kulmem_->setText(load);
    kulmem_->setGeometry(valueX, firstRow + 26, kCredits.right() - valueX, 18);
    for (QLabel* value : {fizmem_, kulmem_})
        value->setStyleSheet(QStringLiteral("color: navy;"));

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(kCredits.left(), firstRow + 62, kCredits.width(), 2);

    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setText(QStringLiteral("Tamam"));
    speedButton1_->setGeometry(kCredits.right() - 84, firstRow + 80, 85, 27);
    // Closing, not rejecting, so that the close runs the window's close handling.
    connect(speedButton1_, &QToolButton::clicked, this, &QWidget::close);

    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    statusBar1_->setGeometry(0, kImageHeight, kWidth, kStatusHeight);
    statusPanel_->setAlignment(Qt::AlignCenter);
    statusPanel_->setFrameShape(QFrame::Panel);
    statusPanel_->setFrameShadow(QFrame::Sunken);
    statusBar1_->addWidget(statusPanel_, 1);

    kapat_->setObjectName(QStringLiteral("kapat"));
    kapat_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(kapat_, &QAction::triggered, this, &QWidget::close);
    addAction(kapat_);

    auto* staff = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), this);
    connect(staff, &QShortcut::activated, this, &TAboutF::Image1Click);

    iloAnimate1_->setObjectName(QStringLiteral("IloAnimate1"));
    iloAnimate1_->setActive(false);

    // Centred on the desktop.
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TAboutF::Image1Click() {
    const bool show = !secretPanel2_->isVisible();
    secretPanel2_->setVisible(show);
    secretPanel2_->setActive(show);
}

void TAboutF::showEvent(QShowEvent* event) {
    secretPanel1_->setActive(true);
    secretPanel2_->setActive(false);
    secretPanel2_->hide();
    image1_->show();
    QDialog::showEvent(event);
}

void TAboutF::reject() {
    close();
}

void TAboutF::closeEvent(QCloseEvent* event) {
    secretPanel1_->setActive(false);
    secretPanel2_->setActive(false);
    // Accepted here rather than by QDialog, which would hide the window before a
    // fade-out could be seen; the close hides it afterwards all the same.
    event->accept();
}

bool TAboutF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && image1_->rect().contains(e->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kartavel::gui

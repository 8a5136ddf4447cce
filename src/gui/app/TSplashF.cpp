#include "TSplashF.h"

#include "widgets/Fonts.h"
#include "widgets/TGauge.h"

#include <QApplication>
#include <QBitmap>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace kartavel::gui {

namespace {

// The splash picture on the window's background colour.
QImage splashPicture(QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(QColor(0xF0, 0xFB, 0xFF));
    QPainter p(&img);
    p.drawImage(QRect(QPoint(0, 0), size), QImage(QStringLiteral(":/pictures/splash.svg")));
    return img;
}

} // namespace

TSplashF::TSplashF(const QString& name, const QString& version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      image_(new QLabel(this)), labelPrg_(new QLabel(this)), labelSrm_(new QLabel(this)),
      gauge_(new TGauge(this)) {
    setObjectName(QStringLiteral("SplashF"));
    setFixedSize(450, 200);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xFB, 0xFF));
    setPalette(pal);

    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(rect());
    const QImage picture = splashPicture(size());
    image_->setPixmap(QPixmap::fromImage(picture));
    // The picture's white is see-through: the window takes the picture's outline.
    const QImage white = picture.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor);
    setMask(QBitmap::fromImage(white));

    labelPrg_->setObjectName(QStringLiteral("LabelPrg"));
    labelPrg_->setText(name);
    labelPrg_->setFont(arialBold(27));
    labelPrg_->setStyleSheet(QStringLiteral("color: aqua; background: transparent;"));
    labelPrg_->setAlignment(Qt::AlignCenter);
    labelPrg_->setGeometry(257, 95, 160, 32);
    auto* shadow = new QGraphicsDropShadowEffect(labelPrg_);
    shadow->setColor(Qt::black);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(0);
    labelPrg_->setGraphicsEffect(shadow);

    labelSrm_->setObjectName(QStringLiteral("LabelSrm"));
    labelSrm_->setText(version);
    labelSrm_->setFont(arialBold(24));
    labelSrm_->setStyleSheet(QStringLiteral("color: lime; background: transparent;"));
    labelSrm_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    labelSrm_->setGeometry(416 - 200, 126, 200, 30);

    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setGeometry(257, 166, 152, 7);
    gauge_->setColors(QColor(0x71, 0xB8, 0xFF), Qt::yellow);
    gauge_->setRange(0, 2);

    if (const QScreen* s = QApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TSplashF::step() {
    gauge_->addProgress(1);
    QApplication::processEvents();
}

} // namespace kartavel::gui

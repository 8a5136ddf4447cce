#include "TBanner.h"

#include <QLabel>

namespace kartavel::gui {

TBanner::TBanner(const QString& heading, const QString& headingName, QWidget* parent)
    : QWidget(parent), imageB1_(new QLabel(this)), imageB2_(new QLabel(this)),
      imageTop_(new QLabel(this)), heading_(new QLabel(heading, this)) {
    setFixedHeight(kHeight);
    imageB1_->setObjectName(QStringLiteral("ImageB1"));
    imageB1_->setScaledContents(true);
    imageB2_->setObjectName(QStringLiteral("ImageB2"));
    imageB2_->setScaledContents(true);
    imageTop_->setObjectName(QStringLiteral("ImageTOP"));
    imageTop_->setGeometry(3, 2, 32, 32);
    imageTop_->setScaledContents(true);
    heading_->setObjectName(headingName);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(19);
    f.setBold(true);
    heading_->setFont(f);
    heading_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    heading_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBanner::resizeEvent(QResizeEvent*) {
    imageB1_->setGeometry(0, 0, width(), kHeight);
    const int endWidth = qMin(200, width() / 3);
    imageB2_->setGeometry(width() - endWidth, 0, endWidth, kHeight);
    heading_->setGeometry(40, 0, qMax(0, width() - 40 - endWidth), kHeight);
    imageTop_->raise();
    heading_->raise();
}

} // namespace kartavel::gui

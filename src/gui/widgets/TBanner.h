#pragma once

#include <QWidget>

class QLabel;

namespace kartavel::gui {

// The banner strip along the top of the program's windows: the banner picture
// stretched over it (ImageB1), a second picture at its right end (ImageB2), a
// 32 × 32 picture at its left (ImageTOP) and the window's heading in white bold
// 19-pixel text. The common window set-up fills the pictures by these names.
class TBanner : public QWidget {
    Q_OBJECT
public:
    // `headingName` is the heading label's object name (Label1, Label3 ...).
    TBanner(const QString& heading, const QString& headingName, QWidget* parent = nullptr);

    QLabel* imageB1() const { return imageB1_; }
    QLabel* imageB2() const { return imageB2_; }
    QLabel* imageTop() const { return imageTop_; }
    QLabel* heading() const { return heading_; }

    static constexpr int kHeight = 37;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* imageB1_;
    QLabel* imageB2_;
    QLabel* imageTop_;
    QLabel* heading_;
};

} // namespace kartavel::gui

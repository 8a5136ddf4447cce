#pragma once

#include <QWidget>

class QLabel;

namespace kartavel::gui {

class TGauge;

// The splash window shown while the program starts: the splash picture, whose
// white parts are see-through, the program's name, its version and a thin gauge of
// the start-up steps.
class TSplashF : public QWidget {
    Q_OBJECT
public:
    // `name` and `version` are the program's, as its titles show them.
    TSplashF(const QString& name, const QString& version, QWidget* parent = nullptr);

    TGauge* Gauge1() const { return gauge_; }
    QLabel* LabelPrg() const { return labelPrg_; }
    QLabel* LabelSrm() const { return labelSrm_; }

    // Advances the gauge by one start-up step and lets pending window events run.
    void step();

private:
    QLabel* image_;
    QLabel* labelPrg_;
    QLabel* labelSrm_;
    TGauge* gauge_;
};

} // namespace kartavel::gui

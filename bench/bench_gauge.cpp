// Raises a shown progress gauge through many position steps, as a scan or a
// search does, and times the loop with its paintings.
//   bench_gauge [STEPS]
#include "widgets/TILOProgress.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <string>

using kartavel::gui::TILOProgress;

namespace {

class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::stoi(argv[1]) : 1'000'000;

    QWidget window;
    window.resize(300, 100);
    auto* gauge = new TILOProgress(&window);
    gauge->setGeometry(10, 10, 280, 35);
    gauge->setStatement(QStringLiteral("Aranıyor"));
    gauge->setMaximum(steps);
    window.show();
    QApplication::processEvents();

    PaintCounter paints;
    gauge->installEventFilter(&paints);
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    for (int step = 1; step <= steps; ++step) {
        gauge->setPosition(step);
    }
    const double ms = std::chrono::duration<double, std::milli>(clock::now() - start).count();
    std::printf("%d position steps: %.1f ms, %d paintings\n", steps, ms, paints.count);
    return 0;
}

#include "widgets/TIloWinButton.h"
#include "widgets/TImageList.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <set>

using kartavel::gui::TIloWinButton;
using kartavel::gui::TImageList;
using namespace Qt::StringLiterals;

namespace {

const QColor face(212, 208, 200);
const QColor pictureGreen(0, 160, 0);
const QColor blue(0, 0, 255);

QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle inside `region` holding every pixel that passes `ink`.
QRect boxOf(const QImage& image, const QRect& region, const std::function<bool(QColor)>& ink) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (ink(image.pixelColor(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool contains(const QImage& image, const QRect& region, const QColor& color) {
    return !boxOf(image, region, [&](QColor c) { return c == color; }).isNull();
}

// Where a caption drawn with its cell's top-left corner at `at` leaves ink.
QRect captionInk(const QFont& font, const QString& text, QPoint at, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(at.x(), at.y() + QFontMetrics(font).ascent()), text);
    painter.end();
    return boxOf(image, image.rect(), [](QColor c) { return c != Qt::white; });
}

// The caption's ink on a button: anything but the background and the picture,
// away from the frames and the focus rectangle.
QRect buttonCaptionInk(const QImage& image) {
    return boxOf(image, image.rect().adjusted(4, 4, -4, -4),
                 [](QColor c) { return c != face && c != pictureGreen; });
}

QImage greenSquare(int side) {
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(pictureGreen);
    return picture;
}

// A shown, active window holding buttons, with a known background colour.
struct Host {
    QWidget window;
    Host() {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, face);
        window.setPalette(palette);
        window.resize(400, 300);
    }
    TIloWinButton* button(const QString& caption, QRect geometry = QRect(10, 10, 100, 30)) {
        auto* result = new TIloWinButton(&window);
        result->setCaption(caption);
        result->setGeometry(geometry);
        return result;
    }
    // Another control to hold the focus.
    QLineEdit* edit() {
        auto* result = new QLineEdit(&window);
        result->move(10, 100);
        return result;
    }
    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class TIloWinButtonTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newButtonHasItsDefaults() {
        TIloWinButton button;
        QCOMPARE(button.size(), QSize(100, 30));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(button.font().family(), u"Arial"_s);
        QCOMPARE(button.font().pointSize(), 8);
        QVERIFY(button.font().bold());
        QCOMPARE(button.fontColor(), QColor(Qt::black));
        QCOMPARE(button.grayedFontColor(),
                 button.palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(button.raiseCol(), QColor(Qt::white));
        QCOMPARE(button.overCol(), blue);
        QCOMPARE(button.glphyAlign(), TIloWinButton::poLeft);
        QCOMPARE(button.imageIndex(), -1);
        QCOMPARE(button.modalResult(), 0);
        QCOMPARE(button.gradient(), TIloWinButton::grNone);
        QVERIFY(button.parentColor() && button.tabStop() && button.showCaption() &&
                button.showHint());
    }

    void normalButtonHasFramesAndHighlightStrips() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        const QImage image = shot(*button);
        const int w = 100;
        const int h = 30;
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        // Two-pixel strips along the top and the left, stopping short of the
        // far corners, which stay black.
        QCOMPARE(image.pixelColor(0, 0), white);
        QCOMPARE(image.pixelColor(1, h / 2), white);
        QCOMPARE(image.pixelColor(w / 2, 1), white);
        QCOMPARE(image.pixelColor(w - 2, 0), white);
        QCOMPARE(image.pixelColor(0, h - 2), white);
        QCOMPARE(image.pixelColor(w - 1, 0), black);
        QCOMPARE(image.pixelColor(0, h - 1), black);
        // The right and bottom edges are two pixels of black.
        QCOMPARE(image.pixelColor(w - 1, h / 2), black);
        QCOMPARE(image.pixelColor(w - 2, h / 2), black);
        QCOMPARE(image.pixelColor(w / 2, h - 1), black);
        QCOMPARE(image.pixelColor(w / 2, h - 2), black);
        QCOMPARE(image.pixelColor(w - 3, h / 2), face);
        QCOMPARE(image.pixelColor(2, 2), face);
    }

    void pressedButtonIsFlatAndShiftsItsContent() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        const QRect normalInk = buttonCaptionInk(shot(*button));
        QTest::keyPress(button, Qt::Key_Space);
        const QImage image = shot(*button);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(1, 1), face);
        QCOMPARE(image.pixelColor(99, 15), QColor(Qt::black));
        QCOMPARE(image.pixelColor(98, 15), face);
        QCOMPARE(image.pixelColor(50, 28), face);
        QCOMPARE(buttonCaptionInk(image), normalInk.translated(2, 2));
        QVERIFY(contains(image, image.rect(), blue));
        QVERIFY(!contains(image, image.rect().adjusted(4, 4, -4, -4), Qt::black));
    }

    void contentStandsWhereItsAlignmentSays_data() {
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("pressed");
        const QString caption = u"Kaydet"_s;
        for (const bool pressed : {false, true}) {
            const char* state = pressed ? " pressed" : "";
            QTest::addRow("caption only%s", state) << false << caption << 0 << pressed;
            QTest::addRow("picture only%s", state) << true << QString() << 0 << pressed;
            QTest::addRow("poLeft%s", state) << true << caption << 0 << pressed;
            QTest::addRow("poRight%s", state) << true << caption << 1 << pressed;
            QTest::addRow("poTop%s", state) << true << caption << 2 << pressed;
            QTest::addRow("poBottom%s", state) << true << caption << 3 << pressed;
        }
    }

    void contentStandsWhereItsAlignmentSays() {
        QFETCH(bool, withPicture);
        QFETCH(QString, caption);
        QFETCH(int, align);
        QFETCH(bool, pressed);
        Host host;
        TImageList list(QSize(16, 16));
        list.add(greenSquare(16));
        TIloWinButton* button = host.button(caption, QRect(10, 10, 121, 61));
        button->setImages(&list);
        button->setImageIndex(withPicture ? 0 : -1);
        button->setGlphyAlign(static_cast<TIloWinButton::TPicPos>(align));
        if (pressed) {
            QTest::keyPress(button, Qt::Key_Space);
        }

        const int w = 121;
        const int h = 61;
        const int d = pressed ? 2 : 0;
        const QFontMetrics metrics(button->font());
        const int tw = metrics.horizontalAdvance(caption);
        const int th = metrics.height();
        const int gw = 16;
        const int gh = 16;
        std::optional<QPoint> picture;
        std::optional<QPoint> text;
        if (!withPicture) {
            text = QPoint(w / 2 - tw / 2 + d, h / 2 - th / 2 + d);
        } else if (caption.isEmpty()) {
            picture = QPoint(d + (w - gw) / 2, d + (h - gh) / 2);
        } else if (align == TIloWinButton::poLeft) {
            picture = QPoint(w / 2 - (gw + tw) / 2 - 1 + d, h / 2 - gh / 2 + d);
            text = QPoint(w / 2 + (gw - tw) / 2 + 4 + d, h / 2 - th / 2 + d);
        } else if (align == TIloWinButton::poRight) {
            text = QPoint(w / 2 - (gw + tw) / 2 - 1 + d, h / 2 - th / 2 + d);
            picture = QPoint(text->x() + tw + 5, h / 2 - gh / 2 + d);
        } else if (align == TIloWinButton::poTop) {
            const int top = h / 2 - (gh + th) / 2 - 2;
            picture = QPoint(w / 2 - gw / 2 + d, top + d);
            text = QPoint(w / 2 - tw / 2 + d, top + gh + 3 + d);
        } else {
            const int top = h / 2 - (gh + th) / 2 - 1;
            picture = QPoint(w / 2 - gw / 2 + d, top + th + d);
            text = QPoint(w / 2 - tw / 2 + d, top + d);
        }

        const QImage image = shot(*button);
        const QRect greenBox =
            boxOf(image, image.rect(), [](QColor c) { return c == pictureGreen; });
        QCOMPARE(greenBox, picture ? QRect(*picture, QSize(gw, gh)) : QRect());
        QCOMPARE(buttonCaptionInk(image),
                 text ? captionInk(button->font(), caption, *text, button->size()) : QRect());
        if (text) {
            QVERIFY(contains(image, image.rect(), pressed ? blue : QColor(Qt::black)));
        }
    }

    void indexWithoutListShowsCaptionAloneCentred() {
        Host host;
        TIloWinButton* button = host.button(u"Kaydet"_s);
        button->setImageIndex(3);
        const QFontMetrics metrics(button->font());
        const QPoint centred(50 - metrics.horizontalAdvance(u"Kaydet"_s) / 2,
                             15 - metrics.height() / 2);
        QCOMPARE(buttonCaptionInk(shot(*button)),
                 captionInk(button->font(), u"Kaydet"_s, centred, button->size()));
    }

    void focusedButtonShowsOutlineDotsAndCaptionInOverCol() {
        Host host;
        TIloWinButton* button = host.button(u"Kaydet"_s);
        const QRect normalInk = buttonCaptionInk(shot(*button));
        host.show();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        const QImage image = shot(*button);
        QCOMPARE(image.pixelColor(0, 5), QColor(Qt::black));
        QCOMPARE(image.pixelColor(1, 5), QColor(Qt::white));
        const QColor inverted(255 - face.red(), 255 - face.green(), 255 - face.blue());
        QCOMPARE(image.pixelColor(3, 3), inverted);
        QCOMPARE(image.pixelColor(4, 3), face);
        QCOMPARE(image.pixelColor(5, 3), inverted);
        QCOMPARE(image.pixelColor(96, 26), inverted);
        QCOMPARE(buttonCaptionInk(image), normalInk);
        QVERIFY(contains(image, normalInk, blue));
        QVERIFY(!contains(image, normalInk, Qt::black));
    }

    void overlayCaptionStandsOnePixelLowerWithPictureOnTop() {
        Host host;
        TImageList list(QSize(16, 16));
        list.add(greenSquare(16));
        TIloWinButton* button = host.button(u"Kaydet"_s, QRect(10, 10, 121, 61));
        button->setImages(&list);
        button->setImageIndex(0);
        button->setGlphyAlign(TIloWinButton::poTop);
        const QRect normalInk = buttonCaptionInk(shot(*button));
        host.show();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QCOMPARE(buttonCaptionInk(shot(*button)), normalInk.translated(0, 1));
    }

    void hoveredButtonShowsCaptionInOverCol() {
        Host host;
        TIloWinButton* button = host.button(u"Kaydet"_s);
        button->setTabStop(false); // the window would give it the focus
        host.show();
        QTest::mouseMove(&host.window, QPoint(300, 250));
        QTest::mouseMove(button, QPoint(50, 15));
        QTRY_VERIFY(contains(shot(*button), buttonCaptionInk(shot(*button)), blue));
        QTest::mouseMove(&host.window, QPoint(300, 250));
        QTRY_VERIFY(!contains(shot(*button), buttonCaptionInk(shot(*button)), blue));
    }

    void disabledButtonGreysCaptionAndFlattensImageListPicture() {
        Host host;
        TImageList list(QSize(16, 16));
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter(&picture).fillRect(4, 4, 8, 8, pictureGreen);
        list.add(picture);
        TIloWinButton* button = host.button(u"Kaydet"_s, QRect(10, 10, 121, 61));
        button->setImages(&list);
        button->setImageIndex(0);
        const QRect enabledInk = buttonCaptionInk(shot(*button));
        const QColor grey(128, 128, 128);
        button->setGrayedFontColor(grey);
        button->setEnabled(false);
        const QImage image = shot(*button);

        // Same face, size and style: the ink covers the same pixels, now grey.
        const QRect disabledInk =
            boxOf(image, enabledInk.adjusted(-3, -3, 3, 3), [](QColor c) { return c != face; });
        QCOMPARE(disabledInk, enabledInk);
        QVERIFY(contains(image, disabledInk, grey));
        QVERIFY(!contains(image, disabledInk, Qt::black));

        const QFontMetrics metrics(button->font());
        const QPoint at(121 / 2 - (16 + metrics.horizontalAdvance(u"Kaydet"_s)) / 2 - 1,
                        61 / 2 - 16 / 2);
        const QColor shadow = button->palette().color(QPalette::Active, QPalette::Dark).rgb();
        const QColor highlight = button->palette().color(QPalette::Active, QPalette::Light).rgb();
        QVERIFY(!contains(image, image.rect(), pictureGreen));
        QCOMPARE(image.pixelColor(at + QPoint(4, 4)), shadow);
        QCOMPARE(image.pixelColor(at + QPoint(11, 11)), shadow);
        QCOMPARE(image.pixelColor(at + QPoint(12, 12)), highlight);
        QCOMPARE(image.pixelColor(at + QPoint(3, 3)), face);
    }

    void glyphTransparentColourTakesButtonColour() {
        Host host;
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(QColor(255, 0, 255));
        QPainter(&glyph).fillRect(4, 4, 8, 8, pictureGreen);
        TImageList list(QSize(24, 24));
        list.add(greenSquare(24));
        TIloWinButton* button = host.button(QString());
        button->setImages(&list);
        button->setImageIndex(0);
        button->setGlpyh(QPixmap::fromImage(glyph));
        for (const bool enabled : {true, false}) {
            button->setEnabled(enabled);
            const QImage image = shot(*button);
            QVERIFY(!contains(image, image.rect(), QColor(255, 0, 255)));
            // The bitmap wins over the image list, and is drawn unchanged
            // when disabled.
            QCOMPARE(boxOf(image, image.rect(), [](QColor c) { return c == pictureGreen; }),
                     QRect(42 + 4, 7 + 4, 8, 8));
        }
    }

    void gradientRunsFromStartToEndColour_data() {
        QTest::addColumn<int>("gradient");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        QTest::addColumn<int>("bands");
        QTest::addRow("top to bottom") << int(TIloWinButton::grTopToBottom) << QSize(100, 30)
                                       << QPoint(50, 1) << QPoint(50, 28) << 28;
        QTest::addRow("bottom to top") << int(TIloWinButton::grBottomToTop) << QSize(100, 30)
                                       << QPoint(50, 28) << QPoint(50, 1) << 28;
        QTest::addRow("left to right") << int(TIloWinButton::grLeftToRight) << QSize(200, 30)
                                       << QPoint(1, 15) << QPoint(198, 15) << 50;
        QTest::addRow("right to left") << int(TIloWinButton::grRightToLeft) << QSize(200, 30)
                                       << QPoint(198, 15) << QPoint(1, 15) << 50;
    }

    void gradientRunsFromStartToEndColour() {
        QFETCH(int, gradient);
        QFETCH(QSize, size);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        QFETCH(int, bands);
        Host host;
        TIloWinButton* button = host.button(QString(), QRect(QPoint(10, 10), size));
        button->setGradient(static_cast<TIloWinButton::TIloGradient>(gradient));
        button->setGradStartCl(QColor(255, 0, 0));
        button->setGradEndCl(QColor(0, 0, 255));
        // Pressed, so no highlight strip covers the first band.
        QTest::keyPress(button, Qt::Key_Space);
        const QImage image = shot(*button);
        QCOMPARE(image.pixelColor(first), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(last), QColor(0, 0, 255));
        std::set<QRgb> colours;
        const QPoint step = (last - first) / std::max(std::abs(last.x() - first.x()),
                                                      std::abs(last.y() - first.y()));
        for (QPoint at = first; at != last + step; at += step) {
            colours.insert(image.pixel(at));
        }
        QCOMPARE(int(colours.size()), bands);
    }

    void pressAndReleaseClicks() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        host.show();
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QSignalSpy down(button, &TIloWinButton::mouseDown);
        QTest::mousePress(button, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 12));
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.first().at(2).toInt(), 20);
        QCOMPARE(down.first().at(3).toInt(), 12);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(button->hasFocus());
    }

    void leavingWhilePressedCancelsAndReturningRestores() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        host.show();
        QSignalSpy clicked(button, &TIloWinButton::clicked);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QTest::mouseMove(button, QPoint(150, 12));
        QCOMPARE(shot(*button).pixelColor(0, 0), QColor(Qt::black)); // drawn raised again
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 12));
        QCOMPARE(clicked.count(), 0);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QTest::mouseMove(button, QPoint(150, 12));
        QTest::mouseMove(button, QPoint(30, 12));
        QCOMPARE(shot(*button).pixelColor(1, 1), face); // pressed look again
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(clicked.count(), 1);
    }

    void keysClick() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QCOMPARE(clicked.count(), 2);
        QTest::keyPress(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 2);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
        // Another key while Space is down cancels the press.
        QTest::keyPress(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_A);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
    }

    void focusMovingInTheWindowCancelsThePress() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        QLineEdit* edit = host.edit();
        host.show();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::keyPress(button, Qt::Key_Space);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 0);
        // No focus overlay any more: no dotted rectangle.
        const QImage image = shot(*button);
        QCOMPARE(image.pixelColor(3, 3), face);
    }

    void windowActivatedDuringThePressStillClicks() {
        // The first click into an inactive window: the press can arrive before
        // the window is activated and its focus restored.
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        host.show();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QApplication::setActiveWindow(nullptr);
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QApplication::setActiveWindow(&host.window);
        QTRY_VERIFY(button->hasFocus());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);
    }

    void buttonWithoutTabStopLeavesTheFocus() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        button->setTabStop(false);
        QLineEdit* edit = host.edit();
        host.show();
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(edit->hasFocus());
    }

    void disabledButtonNeverClicks() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        host.show();
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        button->setEnabled(false);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 12));
        QTest::keyClick(button, Qt::Key_Return);
        button->click();
        QCOMPARE(clicked.count(), 0);
    }

    void disablingWhileHeldForgetsThePress() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        host.show();
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        button->setEnabled(false);
        button->setEnabled(true);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicked.count(), 0);
    }

    void clickTriggersActionAndFollowsItsState() {
        Host host;
        TIloWinButton* button = host.button(QString());
        QAction save(u"Kaydet"_s);
        QSignalSpy triggered(&save, &QAction::triggered);
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        button->setAction(&save);
        QCOMPARE(button->caption(), u"Kaydet"_s);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(clicked.count(), 1);
        save.setEnabled(false);
        QVERIFY(!button->isEnabled());
    }

    void modalResultClosesTheDialogAfterTheClick() {
        for (const int result : {0, 7}) {
            QDialog dialog;
            auto* button = new TIloWinButton(&dialog);
            button->setModalResult(result);
            bool handled = false;
            bool openWhileHandled = false;
            connect(button, &TIloWinButton::clicked, &dialog, [&] {
                handled = true;
                openWhileHandled = dialog.isVisible();
            });
            QTimer::singleShot(0, button, [button] { QTest::keyClick(button, Qt::Key_Return); });
            QTimer::singleShot(200, &dialog, [&dialog] { dialog.done(-1); });
            QCOMPARE(dialog.exec(), result == 0 ? -1 : result);
            QVERIFY(handled && openWhileHandled);
        }
    }

    void dropDownMenuOpensBelowAndClicksOnlyAfterAMousePress() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        QMenu menu;
        menu.addAction(u"Bir"_s);
        button->setDropDownMenu(&menu);
        host.show();
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QPoint openedAt;
        int opened = 0;
        connect(&menu, &QMenu::aboutToShow, &menu, [&] {
            ++opened;
            QTimer::singleShot(0, &menu, [&] {
                openedAt = menu.pos();
                menu.close();
            });
        });

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(opened, 1);
        QCOMPARE(openedAt, button->mapToGlobal(QPoint(1, 31)));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);

        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyPress(button, Qt::Key_Space);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(opened, 3);
        QCOMPARE(clicked.count(), 1);
    }

    void rightPressOpensPopupMenuAtTheMouse() {
        Host host;
        TIloWinButton* button = host.button(u"Tamam"_s);
        QMenu menu;
        menu.addAction(u"Bir"_s);
        button->setPopupMenu(&menu);
        host.show();
        QTest::mousePress(button, Qt::RightButton, {}, QPoint(20, 12));
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), button->mapToGlobal(QPoint(20, 12)));
        menu.close();
    }

    void destroyedImageListAndMenusAreForgotten() {
        Host host;
        TIloWinButton* button = host.button(u"Kaydet"_s);
        auto list = std::make_unique<TImageList>(QSize(16, 16));
        list->add(greenSquare(16));
        auto menu = std::make_unique<QMenu>();
        button->setImages(list.get());
        button->setImageIndex(0);
        button->setDropDownMenu(menu.get());
        list.reset();
        menu.reset();
        QVERIFY(button->images() == nullptr);
        QVERIFY(button->dropDownMenu() == nullptr);
        QVERIFY(!contains(shot(*button), QRect(0, 0, 100, 30), pictureGreen));
        QSignalSpy clicked(button, &TIloWinButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TIloWinButtonTest)
#include "TIloWinButtonTest.moc"

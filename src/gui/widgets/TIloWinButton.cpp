#include "TIloWinButton.h"

#include "TImageList.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace kartavel::gui {

namespace {

QColor blend(const QColor& from, const QColor& to, int step, int steps) {
    if (steps <= 0) {
        return from;
    }
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

bool isPopup(const QWidget* widget) {
    return widget != nullptr && widget->window()->windowType() == Qt::Popup;
}

} // namespace

TIloWinButton::TIloWinButton(QWidget* parent) : QWidget(parent) {
    QFont captionFont(u"Arial"_s);
    captionFont.setPointSize(8);
    captionFont.setBold(true);
    setFont(captionFont);
    resize(100, 30);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Focus passing to or from a menu, or leaving the program, is
        // not a move between the controls of this window.
        if (m_inMenu || now == nullptr || isPopup(now) || isPopup(old)) {
            return;
        }
        if (now->window() == window()) {
            // Focus coming back from outside (the window being activated,
            // perhaps by the very press that holds the button) keeps a press.
            focusMoved(now, old == nullptr || old->window() != window());
        }
    });
}

// --- properties ---------------------------------------------------------------

QColor TIloWinButton::color() const {
    if (!m_parentColor && m_color) {
        return *m_color;
    }
    if (const QWidget* parent = parentWidget()) {
        return parent->palette().color(parent->backgroundRole());
    }
    return palette().color(QPalette::Active, QPalette::Window);
}

void TIloWinButton::setColor(const QColor& color) {
    m_color = color;
    m_parentColor = false;
    update();
}

void TIloWinButton::setParentColor(bool on) {
    if (on != m_parentColor) {
        m_parentColor = on;
        update();
    }
}

void TIloWinButton::setRaiseCol(const QColor& color) {
    m_raiseCol = color;
    update();
}

void TIloWinButton::setOverCol(const QColor& color) {
    if (color != m_overCol) {
        m_overCol = color;
        update();
    }
}

void TIloWinButton::setGlpyh(const QPixmap& picture) {
    m_glpyh = picture;
    update();
}

void TIloWinButton::setGlphyAlign(TPicPos align) {
    if (align != m_glphyAlign) {
        m_glphyAlign = align;
        update();
    }
}

void TIloWinButton::setImages(TImageList* images) {
    if (m_images) {
        disconnect(m_images, nullptr, this, nullptr);
    }
    m_images = images;
    if (images != nullptr) {
        connect(images, &TImageList::changed, this, qOverload<>(&QWidget::update));
        // The QPointer forgets the list; the picture must go from the screen too.
        connect(images, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    }
    update();
}

void TIloWinButton::setImageIndex(int index) {
    if (index != m_imageIndex) {
        m_imageIndex = index;
        update();
    }
}

void TIloWinButton::setDropDownMenu(QMenu* menu) {
    m_dropDownMenu = menu;
}

void TIloWinButton::setPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
}

void TIloWinButton::setAction(QAction* action) {
    if (m_action) {
        disconnect(m_action, nullptr, this, nullptr);
    }
    m_action = action;
    if (action != nullptr) {
        connect(action, &QAction::changed, this, &TIloWinButton::followAction);
        followAction();
    }
}

void TIloWinButton::followAction() {
    if (!m_action) {
        return;
    }
    setEnabled(m_action->isEnabled());
    if (!m_action->text().isEmpty()) {
        setCaption(m_action->text());
    }
}

void TIloWinButton::setCaption(const QString& caption) {
    if (caption != m_caption) {
        m_caption = caption;
        update();
    }
}

void TIloWinButton::setFontColor(const QColor& color) {
    m_fontColor = color;
    update();
}

QColor TIloWinButton::grayedFontColor() const {
    return m_grayedFontColor.value_or(palette().color(QPalette::Disabled, QPalette::Text));
}

void TIloWinButton::setGrayedFontColor(const QColor& color) {
    m_grayedFontColor = color;
    update();
}

void TIloWinButton::setTabStop(bool on) {
    m_tabStop = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void TIloWinButton::setShowCaption(bool on) {
    if (on != m_showCaption) {
        m_showCaption = on;
        update();
    }
}

void TIloWinButton::setGradient(TIloGradient gradient) {
    if (gradient != m_gradient) {
        m_gradient = gradient;
        update();
    }
}

void TIloWinButton::setGradStartCl(const QColor& color) {
    if (color != m_gradStartCl) {
        m_gradStartCl = color;
        update();
    }
}

void TIloWinButton::setGradEndCl(const QColor& color) {
    if (color != m_gradEndCl) {
        m_gradEndCl = color;
        update();
    }
}

// --- input ----------------------------------------------------------------------

void TIloWinButton::click() {
    if (!isEnabled()) {
        return;
    }
    clearPressedAndHeld();
    const int result = m_modalResult;
    const QPointer<TIloWinButton> self(this);
    if (m_action) {
        m_action->trigger();
    }
    if (!self) {
        return;
    }
    Q_EMIT clicked();
    if (!self || result == 0) {
        return;
    }
    // Like a modal window taking the result: the dialog closes once the
    // click's own handling is over.
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog != nullptr && dialog->isModal()) {
        dialog->done(result);
    }
}

void TIloWinButton::clearPressedAndHeld() {
    m_pressed = false;
    m_held = false;
    update();
}

void TIloWinButton::focusMoved(QWidget* now, bool fromOutside) {
    const bool focused = now == this;
    if (focused != m_focused) {
        m_focused = focused;
        update();
    }
    if (!fromOutside && (m_pressed || m_held)) {
        clearPressedAndHeld();
    }
}

void TIloWinButton::leftPress(Qt::KeyboardModifiers modifiers, QPoint at) {
    if (m_tabStop && isVisible()) {
        setFocus(Qt::MouseFocusReason);
    }
    m_held = true;
    m_pressed = true;
    const QPointer<TIloWinButton> self(this);
    Q_EMIT mouseDown(Qt::LeftButton, modifiers, at.x(), at.y());
    if (!self) {
        return;
    }
    update();
    if (m_dropDownMenu) {
        openDropDownMenu();
        // The menu took the release; the press still clicks once it closes.
        if (self) {
            release();
        }
    }
}

void TIloWinButton::release() {
    const bool wasPressed = m_pressed;
    clearPressedAndHeld();
    if (wasPressed) {
        click();
    }
}

void TIloWinButton::spaceUp() {
    if (m_pressed && !m_dropDownMenu) {
        click();
    } else if (m_pressed) {
        m_pressed = false;
        update();
    }
}

void TIloWinButton::openDropDownMenu() {
    const QPointer<TIloWinButton> self(this);
    QMenu* menu = m_dropDownMenu;
    m_inMenu = true;
    menu->exec(mapToGlobal(QPoint(1, height() + 1)));
    if (self) {
        m_inMenu = false;
    }
}

void TIloWinButton::setMouseInside(bool inside) {
    if (inside == m_mouseInside) {
        return;
    }
    m_mouseInside = inside;
    if (!isEnabled() || m_inMenu) {
        return;
    }
    update();
    if (inside && m_held) {
        // Pressed, moved off and back on: it looks pressed again and a release
        // now clicks.
        leftPress(Qt::NoModifier, QPoint(10, 10));
    } else if (!inside) {
        m_pressed = false;
    }
}

bool TIloWinButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_showHint) {
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TIloWinButton::mousePressEvent(QMouseEvent* event) {
    // A press is over the button even when no enter came before it.
    m_mouseInside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPress(event->modifiers(), event->position().toPoint());
    } else if (event->button() == Qt::RightButton && m_popupMenu) {
        m_popupMenu->popup(event->globalPosition().toPoint());
    }
}

void TIloWinButton::mouseReleaseEvent(QMouseEvent*) {
    release();
}

void TIloWinButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPointer<TIloWinButton> self(this);
    Q_EMIT mouseMoved(event->modifiers(), at.x(), at.y());
    // While a button is down the mouse stays with this control, so leaving and
    // re-entering show only in the moves.
    if (self && event->buttons() != Qt::NoButton) {
        setMouseInside(rect().contains(at));
    }
}

void TIloWinButton::enterEvent(QEnterEvent*) {
    setMouseInside(true);
}

void TIloWinButton::leaveEvent(QEvent*) {
    setMouseInside(false);
}

void TIloWinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_pressed) {
            m_pressed = false;
            update();
        }
        if (m_dropDownMenu) {
            openDropDownMenu();
        } else {
            click();
        }
        return;
    case Qt::Key_Space:
        if (m_pressed) {
            return;
        }
        m_pressed = true;
        update();
        if (m_dropDownMenu) {
            const QPointer<TIloWinButton> self(this);
            openDropDownMenu();
            if (self) {
                spaceUp();
            }
        }
        return;
    default:
        if (m_pressed) {
            m_pressed = false;
            update();
        }
        // Escape and the rest still reach the dialog.
        QWidget::keyPressEvent(event);
    }
}

void TIloWinButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceUp();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TIloWinButton::contextMenuEvent(QContextMenuEvent* event) {
    // The press already opened our own menu; without one the parent may offer its.
    if (m_popupMenu) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TIloWinButton::changeEvent(QEvent* event) {
    // A button disabled while held would otherwise click on the first release
    // after it is enabled again.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        clearPressedAndHeld();
    }
    QWidget::changeEvent(event);
}

// --- painting -------------------------------------------------------------------

QSize TIloWinButton::pictureSize() const {
    if (!m_glpyh.isNull()) {
        return m_glpyh.size();
    }
    if (m_images && m_imageIndex >= 0 && m_imageIndex < m_images->count()) {
        return m_images->size();
    }
    return {};
}

TIloWinButton::Layout TIloWinButton::layout(int d, bool overlay) const {
    const int w = width();
    const int h = height();
    const QFontMetrics metrics(font());
    const int tw = metrics.horizontalAdvance(m_caption);
    const int th = metrics.height();
    const QSize picture = pictureSize();
    const int gw = picture.width();
    const int gh = picture.height();

    Layout result;
    if (picture.isEmpty()) {
        if (m_showCaption) {
            result.caption = QPoint(w / 2 - tw / 2 + d, h / 2 - th / 2 + d);
        }
        return result;
    }
    if (m_caption.isEmpty() || !m_showCaption) {
        result.picture = QPoint(d + (w - gw) / 2, d + (h - gh) / 2);
        return result;
    }
    switch (m_glphyAlign) {
    case poLeft:
        result.picture = QPoint(w / 2 - (gw + tw) / 2 - 1 + d, h / 2 - gh / 2 + d);
        result.caption = QPoint(w / 2 + (gw - tw) / 2 + 4 + d, h / 2 - th / 2 + d);
        break;
    case poRight:
        result.caption = QPoint(w / 2 - (gw + tw) / 2 - 1 + d, h / 2 - th / 2 + d);
        result.picture = QPoint(result.caption->x() + tw + 5, h / 2 - gh / 2 + d);
        break;
    case poTop: {
        const int top = h / 2 - (gh + th) / 2 - 2;
        result.picture = QPoint(w / 2 - gw / 2 + d, top + d);
        // The overlays draw this caption one pixel lower than the content.
        result.caption = QPoint(w / 2 - tw / 2 + d, top + gh + (overlay ? 4 : 3) + d);
        break;
    }
    case poBottom: {
        const int top = h / 2 - (gh + th) / 2 - 1;
        result.picture = QPoint(w / 2 - gw / 2 + d, top + th + d);
        result.caption = QPoint(w / 2 - tw / 2 + d, top + d);
        break;
    }
    }
    return result;
}

void TIloWinButton::fillBackground(QPainter& painter) const {
    const QRect inner(1, 1, width() - 2, height() - 2);
    if (m_gradient == grNone) {
        painter.fillRect(inner, color());
        return;
    }
    const bool vertical = m_gradient == grTopToBottom || m_gradient == grBottomToTop;
    const bool reversed = m_gradient == grBottomToTop || m_gradient == grRightToLeft;
    const int length = vertical ? inner.height() : inner.width();
    if (length <= 0) {
        return;
    }
    const int bands = std::min(50, length);
    for (int i = 0; i < bands; ++i) {
        const int from = length * i / bands;
        const int to = length * (i + 1) / bands;
        const QColor band =
            blend(m_gradStartCl, m_gradEndCl, reversed ? bands - 1 - i : i, bands - 1);
        if (vertical) {
            painter.fillRect(QRect(inner.left(), inner.top() + from, inner.width(), to - from),
                             band);
        } else {
            painter.fillRect(QRect(inner.left() + from, inner.top(), to - from, inner.height()),
                             band);
        }
    }
}

void TIloWinButton::drawCaption(QPainter& painter, QPoint at, const QColor& color) const {
    const QFontMetrics metrics(font());
    if (m_gradient == grNone) {
        // On a plain background the caption brings its own, so an overlay
        // covers the caption beneath it.
        painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(m_caption), metrics.height())),
                         this->color());
    }
    painter.setFont(font());
    painter.setPen(color);
    painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), m_caption);
}

void TIloWinButton::drawContent(QPainter& painter, int offset, const QColor& captionColor) const {
    const Layout place = layout(offset, false);
    if (place.picture) {
        if (!m_glpyh.isNull()) {
            QImage picture = m_glpyh.toImage().convertToFormat(QImage::Format_ARGB32);
            const QRgb transparent = picture.pixel(0, picture.height() - 1);
            const QRgb background = color().rgba();
            for (int y = 0; y < picture.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
                std::replace(line, line + picture.width(), transparent, background);
            }
            painter.drawImage(*place.picture, picture);
        } else if (isEnabled()) {
            m_images->draw(painter, *place.picture, m_imageIndex);
        } else {
            m_images->drawDisabled(painter, *place.picture, m_imageIndex,
                                   palette().color(QPalette::Active, QPalette::Light),
                                   palette().color(QPalette::Active, QPalette::Dark));
        }
    }
    if (place.caption) {
        drawCaption(painter, *place.caption, isEnabled() ? captionColor : grayedFontColor());
    }
}

void TIloWinButton::drawFocusRect(QPainter& painter) const {
    // The dotted focus rectangle inverts every other pixel, so it shows on any
    // background.
    const QRect frame = rect().adjusted(3, 3, -3, -3);
    if (frame.width() <= 0 || frame.height() <= 0) {
        return;
    }
    std::vector<QPoint> dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            dots.emplace_back(x, y);
        }
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        dot(x, frame.top());
        if (frame.bottom() != frame.top()) {
            dot(x, frame.bottom());
        }
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        dot(frame.left(), y);
        if (frame.right() != frame.left()) {
            dot(frame.right(), y);
        }
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
    painter.restore();
}

void TIloWinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);

    fillBackground(painter);
    if (!m_pressed) {
        // Two outlines: the right and bottom edges come out two pixels wide.
        painter.drawRect(0, 0, w - 1, h - 1);
        painter.drawRect(0, 0, w - 2, h - 2);
        drawContent(painter, 0, m_fontColor);
        painter.fillRect(0, 0, 2, h - 1, m_raiseCol);
        painter.fillRect(0, 0, w - 1, 2, m_raiseCol);
    } else {
        drawContent(painter, 2, m_overCol);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, w - 1, h - 1);
    }

    const bool focusOverlay = m_focused && m_tabStop;
    if (focusOverlay) {
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, w - 1, h - 1);
        drawFocusRect(painter);
    }
    const bool hoverOverlay = m_mouseInside && isEnabled();
    if ((focusOverlay || hoverOverlay) && !m_pressed && m_showCaption) {
        if (const auto at = layout(0, true).caption) {
            drawCaption(painter, *at, m_overCol);
        }
    }
}

} // namespace kartavel::gui

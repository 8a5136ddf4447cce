#pragma once

#include "TImageList.h"

#include <QAction>
#include <QColor>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace kartavel::gui {

// The command button of every window: a raised frame with a two-pixel
// highlight along its top and left edges, an optional picture beside or above
// the caption, a flat pressed look, and a caption that turns to the hover
// colour while the mouse is over it or while it holds the focus. It clicks on
// a mouse release while pressed, on Enter and on Space; it can open a drop-down
// menu and pass a modal result to its dialog.
class TIloWinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(QColor RaiseCol READ raiseCol WRITE setRaiseCol)
    Q_PROPERTY(QColor OverCol READ overCol WRITE setOverCol)
    Q_PROPERTY(QPixmap Glpyh READ glpyh WRITE setGlpyh)
    Q_PROPERTY(TPicPos GlphyAlign READ glphyAlign WRITE setGlphyAlign)
    Q_PROPERTY(int ImageIndex READ imageIndex WRITE setImageIndex)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor GrayedFontColor READ grayedFontColor WRITE setGrayedFontColor)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool ShowCaption READ showCaption WRITE setShowCaption)
    Q_PROPERTY(TIloGradient Gradient READ gradient WRITE setGradient)
    Q_PROPERTY(QColor GradStartCl READ gradStartCl WRITE setGradStartCl)
    Q_PROPERTY(QColor GradEndCl READ gradEndCl WRITE setGradEndCl)

public:
    enum TPicPos { poLeft, poRight, poTop, poBottom };
    Q_ENUM(TPicPos)
    enum TIloGradient { grNone, grTopToBottom, grBottomToTop, grLeftToRight, grRightToLeft };
    Q_ENUM(TIloGradient)

    explicit TIloWinButton(QWidget* parent = nullptr);

    // Background; follows the parent's colour while ParentColor is set.
    // Setting a colour clears ParentColor.
    QColor color() const;
    void setColor(const QColor& color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool on);

    QColor raiseCol() const { return m_raiseCol; }
    void setRaiseCol(const QColor& color);
    // Caption colour while pressed, hovered or focused.
    QColor overCol() const { return m_overCol; }
    void setOverCol(const QColor& color);

    // A bitmap picture; its bottom-left pixel's colour is its transparent
    // colour. It has priority over Images.
    QPixmap glpyh() const { return m_glpyh; }
    void setGlpyh(const QPixmap& picture);
    TPicPos glphyAlign() const { return m_glphyAlign; }
    void setGlphyAlign(TPicPos align);

    // The list the picture ImageIndex comes from; forgotten when the list is
    // destroyed. -1 means no picture.
    TImageList* images() const { return m_images; }
    void setImages(TImageList* images);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    // Opened just below the button by a left press, Enter or Space.
    QMenu* dropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu* menu);
    // Opened at the mouse by a right press.
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);

    // Non-zero: each click closes the containing modal dialog with this result.
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    // Triggered on each click; its enabled state and text follow to the button.
    QAction* action() const { return m_action; }
    void setAction(QAction* action);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Font() gives the caption's face, size and style; these give its colour
    // when enabled and when disabled.
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    QColor grayedFontColor() const;
    void setGrayedFontColor(const QColor& color);

    bool showHint() const { return m_showHint; }
    void setShowHint(bool on) { m_showHint = on; }
    // Whether the button takes the focus by Tab or by a press.
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool on);
    bool showCaption() const { return m_showCaption; }
    void setShowCaption(bool on);

    TIloGradient gradient() const { return m_gradient; }
    void setGradient(TIloGradient gradient);
    QColor gradStartCl() const { return m_gradStartCl; }
    void setGradStartCl(const QColor& color);
    QColor gradEndCl() const { return m_gradEndCl; }
    void setGradEndCl(const QColor& color);

    QSize sizeHint() const override { return {100, 30}; }

    // Runs a click as Enter would: the action, clicked(), then the modal
    // result. Does nothing while the button is disabled.
    void click();

Q_SIGNALS:
    void clicked();
    // A left press of the enabled button, at a point in the button.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Layout {
        std::optional<QPoint> picture;
        std::optional<QPoint> caption;
    };

    void leftPress(Qt::KeyboardModifiers modifiers, QPoint at);
    void release();
    void spaceUp();
    void setMouseInside(bool inside);
    void openDropDownMenu();
    void clearPressedAndHeld();
    void focusMoved(QWidget* now, bool fromOutside);
    void followAction();

    QSize pictureSize() const;
    Layout layout(int offset, bool overlay) const;
    void fillBackground(QPainter& painter) const;
    void drawContent(QPainter& painter, int offset, const QColor& captionColor) const;
    void drawCaption(QPainter& painter, QPoint at, const QColor& color) const;
    void drawFocusRect(QPainter& painter) const;

    std::optional<QColor> m_color;
    bool m_parentColor = true;
    QColor m_raiseCol = Qt::white;
    QColor m_overCol = QColor(0x00, 0x00, 0xFF);
    QPixmap m_glpyh;
    TPicPos m_glphyAlign = poLeft;
    QPointer<TImageList> m_images;
    int m_imageIndex = -1;
    QPointer<QMenu> m_dropDownMenu;
    QPointer<QMenu> m_popupMenu;
    int m_modalResult = 0;
    QPointer<QAction> m_action;
    QString m_caption;
    QColor m_fontColor = Qt::black;
    std::optional<QColor> m_grayedFontColor;
    bool m_showHint = true;
    bool m_tabStop = true;
    bool m_showCaption = true;
    TIloGradient m_gradient = grNone;
    QColor m_gradStartCl = Qt::white;
    QColor m_gradEndCl = QColor(0xC0, 0xC0, 0xC0);

    bool m_pressed = false;
    bool m_held = false;
    bool m_focused = false;
    bool m_mouseInside = false;
    bool m_inMenu = false;
};

} // namespace kartavel::gui

#pragma once

// The Qt widgets of a framework window: its top-level window and its content area.

#include "framework/Types.h"
#include "framework/Window.h"

#include <QMainWindow>
#include <QWidget>

#include <map>
#include <vector>

class QAbstractButton;

namespace framework::qt {

// The content area of a framework window: paints through the window's Paint event, reports
// clicks and keys, and holds the controls' Qt buttons. Detached once the window is freed, it
// outlives it only until Qt deletes it, and passes nothing on.
class Canvas : public QWidget {
    Q_OBJECT

public:
    Canvas(Window& window, QWidget* parent);

    // The framework window, or null once it has gone (detach()).
    Window* frameworkWindow() const { return window_; }
    void detach();

    void syncControls();
    // Mirrors one control's caption, state and geometry, making its Qt button the first time.
    void sync(RectControl& control);

    // The colour of the page the program paints; the controls on it are drawn as on a light
    // window whatever the desktop's palette.
    void setPageColor(const QColor& color);

    QSize sizeHint() const override;

    // A key for the window: the default button's, or the window's KeyDown.
    void keyPress(QKeyEvent* event);

    // The window's content pieces changed from these: assistive technology hears of it once
    // the paint that set them is over, and on a new screen the keyboard goes to its first
    // control.
    void contentChanged(const std::vector<ContentPiece>& before, bool newScreen);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* create(RectControl& control);
    // Clicks the enabled, visible default push button; false when there is none.
    bool pressDefaultButton();
    void focusCheckedRadioButton();
    void applyTabOrder();
    void applyPagePalette();
    void announceContent();
    // The first enabled, visible control as the screen is read, from the top, or the content
    // area where there is none.
    QWidget* firstControl() const;

    Window* window_;
    std::map<const RectControl*, QAbstractButton*> buttons_;
    std::map<const QAbstractButton*, Integer> tabIndexes_;
    QColor page_{Qt::white};
    bool announcing_ = false;
    bool newScreen_ = false;
    std::vector<ContentPiece> announcedFrom_;
};

// The top-level Qt window around the content area and the menu bar. A close by the user
// closes the framework window; one the framework asks for does not ask it again, nor one
// that comes once the window is freed.
class TopLevelWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit TopLevelWindow(Window& window);

    void closeFromFramework();
    void detach();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Window* window_;
    bool closing_ = false;
};

} // namespace framework::qt

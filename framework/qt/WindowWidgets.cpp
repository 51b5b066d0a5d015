#include "framework/qt/WindowWidgets.h"

#include "framework/Controls.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"
#include "framework/qt/ContentAccessibility.h"
#include "framework/qt/QtGraphics.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace framework::qt {

namespace {

// Keys that only change what the next key means: pressed alone, they are no key press.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

bool isDefaultButtonKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Whether the user's last press was a key's rather than a mouse button's: a screen that a key
// brought shows where the keyboard is, as Tab shows it.
class LastPress : public QObject {
    Q_OBJECT

public:
    static bool wasKey() { return watcher().key_; }
    // A new window has seen no press yet.
    static void forget() { watcher().key_ = false; }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            key_ = true;
        else if (event->type() == QEvent::MouseButtonPress)
            key_ = false;
        return false;
    }

private:
    static LastPress& watcher()
    {
        static LastPress* watcher = [] {
            auto* created = new LastPress;
            created->setParent(qApp);
            qApp->installEventFilter(created);
            return created;
        }();
        return *watcher;
    }

    bool key_ = false;
};

} // namespace

Canvas::Canvas(Window& window, QWidget* parent) : QWidget(parent), window_(&window)
{
    // The content area shows no focus, so it is no tab stop; while no control has the keyboard,
    // the top-level window hands the keys to it. (Without a focus policy the buttons would keep
    // the tab order they were made in.)
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    installContentAccessibility();
    LastPress::forget();
}

void Canvas::detach()
{
    window_ = nullptr;
    for (const auto& [control, button] : buttons_)
        QObject::disconnect(button, nullptr, this, nullptr);
    buttons_.clear();
    tabIndexes_.clear();
}

void Canvas::syncControls()
{
    if (!window_)
        return;
    for (const auto& control : window_->controls())
        sync(*control);
}

void Canvas::sync(RectControl& control)
{
    QAbstractButton*& button = buttons_[&control];
    if (!button) {
        button = create(control);
        tabIndexes_[button] = control.TabIndex();
        applyTabOrder();
    } else if (tabIndexes_[button] != control.TabIndex()) {
        tabIndexes_[button] = control.TabIndex();
        applyTabOrder();
    }
    button->setGeometry(static_cast<int>(control.Left()), static_cast<int>(control.Top()),
                        static_cast<int>(control.Width()), static_cast<int>(control.Height()));
    if (!control.Enabled() && button->hasFocus())
        focusCheckedRadioButton();
    button->setEnabled(control.Enabled());
    button->setVisible(control.Visible());
    // A hidden button must not keep the keyboard: it would take Space as its own press, unseen.
    // The content area takes the keys then, as the window's.
    if (!control.Visible() && button == QApplication::focusWidget())
        setFocus(Qt::OtherFocusReason);
    // Qt tells assistive technology of every name it is given, changed or not.
    if (const QString name = QString::fromStdString(control.AccessibleName()); button->accessibleName() != name)
        button->setAccessibleName(name);
    if (const auto* push = dynamic_cast<const PushButton*>(&control))
        button->setText(QString::fromStdString(push->Caption()));
    if (const auto* radio = dynamic_cast<const RadioButton*>(&control))
        button->setChecked(radio->Value());
}

void Canvas::setPageColor(const QColor& color)
{
    page_ = color;
    applyPagePalette();
}

// Under a dark desktop palette an unchecked radio button would be a dark disc on the white
// page, which reads as checked.
void Canvas::applyPagePalette()
{
    QPalette palette = QApplication::palette();
    if (isDark(palette)) {
        // The style's own where it is light, else one derived from a light grey.
        palette = style()->standardPalette();
        if (isDark(palette))
            palette = QPalette(QColor(239, 239, 239));
    }
    palette.setColor(QPalette::Window, page_);
    setPalette(palette);
}

void Canvas::contentChanged(const std::vector<ContentPiece>& before, bool newScreen)
{
    // Set while the window paints: what it sets off (events, the keyboard's move) waits for
    // the paint to end.
    if (!announcing_) {
        announcing_ = true;
        announcedFrom_ = before;
        QMetaObject::invokeMethod(
            this, [this] { announceContent(); }, Qt::QueuedConnection);
    }
    newScreen_ = newScreen_ || newScreen;
}

void Canvas::announceContent()
{
    announcing_ = false;
    const bool newScreen = std::exchange(newScreen_, false);
    const std::vector<ContentPiece> before = std::exchange(announcedFrom_, {});
    if (!window_)
        return;
    if (newScreen) {
        QWidget* first = firstControl();
        if (LastPress::wasKey())
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
        if (!first->hasFocus()) {
            first->setFocus(Qt::OtherFocusReason);
        } else if (QAccessible::isActive()) {
            // The keyboard is there already: a screen reader that was reading the menu hears
            // where it came back to.
            QAccessibleEvent focused(first, QAccessible::Focus);
            QAccessible::updateAccessibility(&focused);
        }
        startNewScreen();
    }
    // After the keyboard's move, so that a screen reader says last what appeared to be said.
    announceContentChange(*this, before);
}

QWidget* Canvas::firstControl() const
{
    QWidget* first = nullptr;
    std::pair<Integer, Integer> firstPlace;
    for (const auto& control : window_->controls()) {
        const auto found = buttons_.find(control.get());
        const std::pair place{control->Top(), control->Left()};
        if (found != buttons_.end() && control->Visible() && control->Enabled() && (!first || place < firstPlace)) {
            first = found->second;
            firstPlace = place;
        }
    }
    return first ? first : const_cast<Canvas*>(this);
}

void Canvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A new desktop palette reaches the content area as a change of its own palette; Qt
    // sends none for a palette set unchanged.
    if (event->type() == QEvent::PaletteChange)
        applyPagePalette();
}

QSize Canvas::sizeHint() const
{
    if (!window_)
        return QWidget::sizeHint();
    return {static_cast<int>(window_->Width()), static_cast<int>(window_->Height())};
}

void Canvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (window_ && window_->properties().Resizeable && isVisible())
        window_->contentResized(width(), height());
}

void Canvas::paintEvent(QPaintEvent*)
{
    if (!window_)
        return;
    QPainter painter(this);
    QtGraphics g(painter);
    window_->raisePaint(g);
}

// The content area shows no focus of its own: the window's content needs no new paint when
// the keyboard focus comes or goes.
void Canvas::focusInEvent(QFocusEvent*) {}

void Canvas::focusOutEvent(QFocusEvent*) {}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    // A click is a press of the primary button; the others neither open the link nor leave
    // the About page.
    if (!window_ || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    window_->raiseMouseDown(at.x(), at.y());
}

void Canvas::keyPressEvent(QKeyEvent* event)
{
    keyPress(event);
}

void Canvas::keyPress(QKeyEvent* event)
{
    if (!window_)
        return;
    if (isModifierKey(event->key())) {
        event->ignore();
        return;
    }
    if (isDefaultButtonKey(event->key()) && pressDefaultButton())
        return;
    window_->raiseKeyDown(event->text().toStdString());
}

// Return and Enter belong to the default button whatever control has the focus: some
// desktops' themes make a focused button take them as its own press keys. The second click
// of a double click on a push button is no second press.
bool Canvas::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QPushButton*>(watched))
        return true;
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        qobject_cast<QAbstractButton*>(watched) && isDefaultButtonKey(static_cast<QKeyEvent*>(event)->key())) {
        if (event->type() == QEvent::KeyPress)
            keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Canvas::pressDefaultButton()
{
    for (auto* button : window_->controlsOfKind<PushButton>())
        if (button->Default() && button->Enabled() && button->Visible()) {
            callGuarded([button] { button->click(); });
            return true;
        }
    return false;
}

QAbstractButton* Canvas::create(RectControl& control)
{
    QAbstractButton* button = nullptr;
    if (dynamic_cast<RadioButton*>(&control)) {
        auto* radio = new QRadioButton(this);
        radio->setAutoExclusive(false); // the framework keeps the group exclusive
        button = radio;
    } else {
        button = new QPushButton(this);
    }
    // A button that draws its own background redraws alone: its hover, focus and press
    // states are no paint of the window under it.
    button->setBackgroundRole(QPalette::Window);
    button->setAutoFillBackground(true);
    button->setObjectName(QString::fromStdString(control.Name()));
    button->installEventFilter(this);
    if (control.Index() != RectControl::NoIndex)
        button->setProperty("index", static_cast<qlonglong>(control.Index()));
    button->setFont(fontFor(control.TextFont(), control.TextSize()));
    QObject::connect(button, &QAbstractButton::clicked, this, [this, &control] {
        callGuarded([&control] { control.click(); });
        if (window_) // the click may have freed the window
            sync(control); // a click on a radio button may not leave Qt's state as ours
    });
    return button;
}

// A button disabled under the keyboard focus would hand it to the next control in tab
// order, which a second key press would then press; the checked answer takes it instead.
void Canvas::focusCheckedRadioButton()
{
    for (const auto& [control, button] : buttons_)
        if (auto* radio = qobject_cast<QRadioButton*>(button))
            if (radio->isChecked() && control->Enabled() && control->Visible()) {
                radio->setFocus(Qt::OtherFocusReason);
                return;
            }
}

void Canvas::applyTabOrder()
{
    std::vector<QAbstractButton*> order;
    for (const auto& control : window_->controls())
        if (const auto found = buttons_.find(control.get()); found != buttons_.end() && found->second)
            order.push_back(found->second);
    std::stable_sort(order.begin(), order.end(),
                     [this](QAbstractButton* a, QAbstractButton* b) { return tabIndexes_[a] < tabIndexes_[b]; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

TopLevelWindow::TopLevelWindow(Window& window) : window_(&window) {}

void TopLevelWindow::closeFromFramework()
{
    closing_ = true;
    close();
}

void TopLevelWindow::detach()
{
    window_ = nullptr;
}

void TopLevelWindow::closeEvent(QCloseEvent* event)
{
    if (!closing_ && window_)
        callGuarded([this] { window_->Close(); });
    event->accept();
}

// A click on a window that a message blocks activates the window all the same; the keyboard
// belongs to the message, as Escape and Return are meant for it.
void TopLevelWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    for (auto* message : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (message->isVisible() && message->isModal()) {
            message->raise();
            message->activateWindow();
            return;
        }
}

// A window of fixed size resized by another X client, where the window manager lets that
// through whatever the size hints say (fluxbox does), takes its own size back.
void TopLevelWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const QSize fixed = minimumSize();
    if (fixed == maximumSize() && !fixed.isEmpty() && event->size() != fixed)
        QMetaObject::invokeMethod(this, [this] {
            if (minimumSize() == maximumSize() && size() != minimumSize())
                resize(minimumSize());
        }, Qt::QueuedConnection);
}

void TopLevelWindow::keyPressEvent(QKeyEvent* event)
{
    if (auto* canvas = qobject_cast<Canvas*>(centralWidget()))
        canvas->keyPress(event);
    else
        QMainWindow::keyPressEvent(event);
}

} // namespace framework::qt

#include "WindowWidgets.moc"

#include "framework/qt/MenuBarKeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOption>

namespace framework::qt {

namespace {

constexpr const char* HelperName = "menuBarKeyboard";

// Some styles (Fusion, which the GTK theme keeps) highlight a title only while its menu is
// open: the keyboard's selection would show nothing.
class HighlightKeyboardTitle : public QProxyStyle {
    Q_OBJECT

public:
    // Over the application's own style (QProxyStyle's default is the style factory's).
    HighlightKeyboardTitle() : QProxyStyle(QApplication::style()->name()) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem selected(*item);
                selected.state |= State_Sunken;
                QProxyStyle::drawControl(element, &selected, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Qt leaves the menu bar the keyboard after Escape from one of its menus, where the next Return
// would open the menu again. Once the menu has taken the Escape and closed, the menu bar still
// holding the keyboard takes an Escape too, which gives the keyboard back to where it was.
class EscapeLeavesTheMenuBar : public QObject {
    Q_OBJECT

public:
    explicit EscapeLeavesTheMenuBar(QMenuBar& bar) : QObject(&bar), bar_(bar) { setObjectName(HelperName); }

    bool eventFilter(QObject* menu, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        menu->event(event);
        if (bar_.hasFocus() && !QApplication::activePopupWidget()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&bar_, &escape);
        }
        return true;
    }

private:
    QMenuBar& bar_;
};

} // namespace

void highlightMenuBarKeyboardTitle(QMenuBar& bar)
{
    if (qobject_cast<HighlightKeyboardTitle*>(bar.style()))
        return;
    auto* style = new HighlightKeyboardTitle;
    style->setParent(&bar);
    bar.setStyle(style);
}

void letEscapeLeaveTheMenuBar(QMenuBar& bar)
{
    auto* helper = bar.findChild<EscapeLeavesTheMenuBar*>(HelperName, Qt::FindDirectChildrenOnly);
    if (!helper)
        helper = new EscapeLeavesTheMenuBar(bar);
    for (QAction* action : bar.actions())
        if (auto* menu = action->menu<QMenu*>()) {
            menu->removeEventFilter(helper);
            menu->installEventFilter(helper);
        }
}

} // namespace framework::qt

#include "MenuBarKeyboard.moc"

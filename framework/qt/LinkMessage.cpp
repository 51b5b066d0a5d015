#include "framework/qt/LinkMessage.h"

#include "framework/qt/QtGraphics.h"
#include "framework/qt/WindowWidgets.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace framework::qt {

namespace {

constexpr const char* MessageName = "linkMessage";
constexpr const char* AddressName = "address";

// The framework window the user is working in: the active one, else the first one shown.
TopLevelWindow* programWindow()
{
    if (auto* active = qobject_cast<TopLevelWindow*>(QApplication::activeWindow()))
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* topLevel = qobject_cast<TopLevelWindow*>(widget); topLevel && topLevel->isVisible())
            return topLevel;
    return nullptr;
}

QDialog* makeMessage(TopLevelWindow* window)
{
    auto* message = new QDialog(window);
    message->setObjectName(MessageName);
    message->setAttribute(Qt::WA_DeleteOnClose);
    if (window)
        message->setWindowTitle(window->windowTitle());
    message->setFont(fontFor("Geneva", 12));
    if (window && window->centralWidget()) {
        QPalette palette = message->palette();
        palette.setColor(QPalette::Window, window->centralWidget()->palette().color(QPalette::Window));
        message->setPalette(palette);
    }

    auto* layout = new QVBoxLayout(message);
    layout->addWidget(
        new QLabel("No web browser could be started. To visit the page, copy its address into a browser:", message));
    auto* address = new QLabel(message);
    address->setObjectName(AddressName);
    address->setTextFormat(Qt::PlainText);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    address->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(address);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, message);
    QObject::connect(buttons, &QDialogButtonBox::accepted, message, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return message;
}

} // namespace

void showLinkMessage(const QString& address)
{
    TopLevelWindow* window = programWindow();
    QDialog* shown = window ? window->findChild<QDialog*>(MessageName, Qt::FindDirectChildrenOnly) : nullptr;
    // One closed a moment ago waits to be freed: a new one takes its place.
    QDialog* message = shown && shown->isVisible() ? shown : makeMessage(window);
    auto* label = message->findChild<QLabel*>(AddressName);
    label->setText(address);
    label->setSelection(0, static_cast<int>(address.size())); // ready for the copy keys
    // A selection shown is a selection made: X desktops paste it with the middle button.
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard->supportsSelection())
        clipboard->setText(address, QClipboard::Selection);
    label->setFocus(Qt::OtherFocusReason);
    if (message == shown) {
        message->raise();
        message->activateWindow();
    } else {
        // Over its window, which it keeps from input while it is shown, without waiting for it.
        message->open();
    }
}

} // namespace framework::qt

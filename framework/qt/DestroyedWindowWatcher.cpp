#include "framework/qt/DestroyedWindowWatcher.h"

#include "framework/qt/WindowWidgets.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTimer>

#include <xcb/xcb.h>

namespace framework::qt {

namespace {

class DestroyedWindowWatcher : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        const auto destroyed = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* topLevel = qobject_cast<TopLevelWindow*>(widget))
                if (topLevel->isVisible() && topLevel->internalWinId() == destroyed)
                    QTimer::singleShot(0, topLevel, [topLevel] { topLevel->close(); });
        return false;
    }
};

} // namespace

std::unique_ptr<QAbstractNativeEventFilter> makeDestroyedWindowWatcher()
{
    if (QGuiApplication::platformName() == "xcb")
        return std::make_unique<DestroyedWindowWatcher>();
    return nullptr;
}

} // namespace framework::qt

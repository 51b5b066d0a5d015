#pragma once

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Quits the application once the content area of a main window has been painted.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!done_ && event->type() == QEvent::Paint && widget && qobject_cast<QMainWindow*>(widget->parentWidget())) {
            done_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return false;
    }

private:
    bool done_ = false;
};

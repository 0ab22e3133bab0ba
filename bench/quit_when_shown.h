// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace bench {

// Ends the application once `window` has been painted for the first time:
// the start-up benchmark's "window shown". The quit is queued, so the paint
// that triggered it finishes first.
class QuitWhenShown : public QObject {
public:
    explicit QuitWhenShown(QWidget& window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace bench

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "day/reminders.h"

class QTimer;

namespace ui {

class MessageSink;

// Rings a stay's reminders as they fall due: each one a desktop notification
// (org.freedesktop.Notifications on the session bus), or, where no service
// answers, a message in the window. A reminder already past when the user asks
// is never rung. The calls are asynchronous: the window never waits for the bus.
class ReminderBell : public QObject {
    Q_OBJECT

public:
    // The time now, in seconds since 1970 UT.
    using Clock = std::function<long long()>;
    static long long systemClock();

    // How often the timer looks for reminders due.
    static constexpr int kTickMilliseconds = 15000;
    // Longer than a notification service takes, short enough for the message
    // in the window to come while the reminder still means something.
    static constexpr int kCallTimeoutMilliseconds = 5000;

    struct Sources {
        MessageSink* messages = nullptr;  // where a reminder goes without a service; not owned
        QString title;                    // of that message
        Clock clock;                      // null: the system's
        QString busAddress;               // empty: the session bus
    };

    ReminderBell(Sources sources, QObject* parent);
    ~ReminderBell() override;

    // The reminders still to come replace whatever was waiting; the timer runs
    // while any wait.
    void schedule(const std::vector<day::Reminder>& reminders);
    // Rings, in order, every waiting reminder whose time has come.
    void ringDue();

    const std::vector<day::Reminder>& waiting() const { return waiting_; }
    bool ticking() const;
    // Notifications sent whose answer has not come back yet.
    int unanswered() const { return unanswered_; }

private:
    void ring(const day::Reminder& reminder);
    void showInWindow(const QString& text);

    Sources s_;
    QTimer* timer_;
    std::vector<day::Reminder> waiting_;
    QString connectionName_;  // of a bus given by address; empty for the session bus
    int unanswered_ = 0;
};

}  // namespace ui

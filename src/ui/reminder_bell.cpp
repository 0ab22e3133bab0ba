// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/reminder_bell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QStringList>
#include <QTimer>
#include <QUuid>
#include <QVariantMap>
#include <algorithm>
#include <chrono>

#include "qt/utf8.h"
#include "ui/message_sink.h"

namespace ui {
namespace {

constexpr auto kService = "org.freedesktop.Notifications";
constexpr auto kPath = "/org/freedesktop/Notifications";
constexpr auto kInterface = "org.freedesktop.Notifications";
constexpr auto kAppName = "Indice UV";
constexpr auto kIcon = "indice-uv";
constexpr qint32 kServerDefaultTimeout = -1;

QDBusMessage notifyCall(const QString& body)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kInterface), QStringLiteral("Notify"));
    call << QString::fromLatin1(kAppName) << quint32(0) << QString::fromLatin1(kIcon) << QString::fromLatin1(kAppName)
         << body << QStringList() << QVariantMap() << kServerDefaultTimeout;
    return call;
}

}  // namespace

long long ReminderBell::systemClock()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

ReminderBell::ReminderBell(Sources sources, QObject* parent)
    : QObject(parent)
    , s_(std::move(sources))
    , timer_(new QTimer(this))
{
    if (!s_.clock)
        s_.clock = &ReminderBell::systemClock;
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ReminderBell::ringDue);
}

ReminderBell::~ReminderBell()
{
    if (!connectionName_.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName_);
}

void ReminderBell::schedule(const std::vector<day::Reminder>& reminders)
{
    const long long now = s_.clock();
    waiting_.clear();
    std::copy_if(reminders.begin(), reminders.end(), std::back_inserter(waiting_),
                 [now](const day::Reminder& reminder) { return reminder.unixSeconds >= now; });
    std::stable_sort(waiting_.begin(), waiting_.end(),
                     [](const day::Reminder& a, const day::Reminder& b) { return a.unixSeconds < b.unixSeconds; });
    if (waiting_.empty())
        timer_->stop();
    else
        timer_->start();
}

void ReminderBell::ringDue()
{
    const long long now = s_.clock();
    const auto due = std::find_if(waiting_.begin(), waiting_.end(),
                                  [now](const day::Reminder& reminder) { return reminder.unixSeconds > now; });
    const std::vector<day::Reminder> ringing(waiting_.begin(), due);
    waiting_.erase(waiting_.begin(), due);
    if (waiting_.empty())
        timer_->stop();
    for (const day::Reminder& reminder : ringing)
        ring(reminder);
}

bool ReminderBell::ticking() const
{
    return timer_->isActive();
}

void ReminderBell::ring(const day::Reminder& reminder)
{
    const QString text = qt::fromUtf8(reminder.text);
    // A bus given by address gets a connection of its own, made at the first
    // reminder rather than when the window opens.
    if (!s_.busAddress.isEmpty() && connectionName_.isEmpty()) {
        connectionName_ = QStringLiteral("indice-uv-bell-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QDBusConnection::connectToBus(s_.busAddress, connectionName_);
    }
    const QDBusConnection bus =
        connectionName_.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(connectionName_);
    if (!bus.isConnected()) {
        showInWindow(text);
        return;
    }
    ++unanswered_;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notifyCall(text), kCallTimeoutMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, text](QDBusPendingCallWatcher* answered) {
        --unanswered_;
        if (answered->isError())
            showInWindow(text);
        answered->deleteLater();
    });
}

void ReminderBell::showInWindow(const QString& text)
{
    if (s_.messages)
        s_.messages->remind(s_.title, text);
}

}  // namespace ui

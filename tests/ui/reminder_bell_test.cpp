// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminders rung on a bus of the test's own: a dbus-daemon started for
// each test (no X, no activation), and a stand-in notification service in
// this process, on a connection of its own, that records every Notify. The
// bell's calls are asynchronous, so one event loop serves both ends.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "ui/reminder_bell.h"
#include "window_fixture.h"

namespace bell_test {

struct Notification {
    QString appName;
    uint replacesId = 0;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout = 0;
};

// org.freedesktop.Notifications as a desktop offers it, reduced to its Notify.
class StandInNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    std::vector<Notification> received;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        received.push_back({appName, replacesId, icon, summary, body, actions, hints, timeout});
        return static_cast<uint>(received.size());
    }
};

// A session bus of the test's own, ended with the test.
class TestBus {
public:
    TestBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty() || !folder_.isValid())
            return;
        const QString config = folder_.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("<busconfig>\n"
                                  "  <type>session</type>\n"
                                  "  <listen>unix:dir=%1</listen>\n"
                                  "  <auth>EXTERNAL</auth>\n"
                                  "  <policy context=\"default\">\n"
                                  "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                                  "    <allow eavesdrop=\"true\"/>\n"
                                  "    <allow own=\"*\"/>\n"
                                  "  </policy>\n"
                                  "</busconfig>\n")
                       .arg(folder_.path())
                       .toUtf8());
        file.close();
        daemon_.start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                               QStringLiteral("--print-address")});
        if (!daemon_.waitForStarted(5000))
            return;
        while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }

    ~TestBus()
    {
        if (daemon_.state() == QProcess::NotRunning)
            return;
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000)) {
            daemon_.kill();
            daemon_.waitForFinished(5000);
        }
    }

    TestBus(const TestBus&) = delete;
    TestBus& operator=(const TestBus&) = delete;

    const QString& address() const { return address_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

// Three reminders ten and eighteen minutes apart, from 2026-06-21T09:00:00Z.
constexpr long long kFirst = 1782032400;
const std::vector<day::Reminder> kReminders = {
    {660, kFirst, "Al sol hasta las 13:00."},
    {678, kFirst + 18 * 60, "En 15 minutos llegas a 1 DEM"},
    {693, kFirst + 33 * 60, "Has llegado a 1 DEM: busca la sombra"},
};

// Where the bell's calls go.
enum class Listener { Service, NoService, NoBus };

struct RingRow {
    const char* name;
    long long askedAt;             // seconds after the first reminder when the user asks
    std::vector<long long> rings;  // seconds after it, at each look for reminders due
    std::vector<int> rung;         // the reminders rung, in order
};

void PrintTo(const RingRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const RingRow kRingRows[] = {
    {"BeforeTheFirst", -60, {-1}, {}},
    {"AtTheFirst", -60, {0}, {0}},
    {"PastTheFirst", -60, {1}, {0}},
    {"PastEachInTurn", -60, {1, 18 * 60 + 1, 33 * 60 + 1, 5000}, {0, 1, 2}},
    {"PastAllAtOnce", -60, {5000, 6000}, {0, 1, 2}},
    {"FirstPastWhenAsked", 30, {5000}, {1, 2}},
    {"AllPastWhenAsked", 5000, {6000}, {}},
};
// clang-format on

class BellTest : public testing::Test {
protected:
    void TearDown() override
    {
        bell.reset();
        if (serving)
            QDBusConnection::disconnectFromBus(kStandIn);
    }

    // The stand-in service, registered on the test's bus.
    void serve()
    {
        QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), kStandIn);
        ASSERT_TRUE(connection.isConnected()) << connection.lastError().message().toStdString();
        serving = true;
        ASSERT_TRUE(connection.registerService(QStringLiteral("org.freedesktop.Notifications")));
        ASSERT_TRUE(connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &standIn,
                                              QDBusConnection::ExportAllSlots));
    }

    void makeBell(const QString& address)
    {
        bell = std::make_unique<ui::ReminderBell>(
            ui::ReminderBell::Sources{&recording, QStringLiteral("Indice UV"), [this] { return now; }, address},
            nullptr);
    }

    // Every call answered, whatever the answer.
    void settle() { EXPECT_TRUE(QTest::qWaitFor([this] { return bell->unanswered() == 0; }, 10000)); }

    void ringAt(long long secondsAfterFirst)
    {
        now = kFirst + secondsAfterFirst;
        bell->ringDue();
        settle();
    }

    QStringList receivedBodies() const
    {
        QStringList bodies;
        for (const Notification& notification : standIn.received)
            bodies << notification.body;
        return bodies;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const uitest::Message& message : messages)
            texts << message.text;
        return texts;
    }

    static inline const QString kStandIn = QStringLiteral("stand-in-notifications");
    TestBus bus;
    StandInNotifications standIn;
    bool serving = false;
    std::vector<uitest::Message> messages;
    std::function<void()> onMessage;
    uitest::RecordingMessages recording{messages, onMessage};
    long long now = 0;
    std::unique_ptr<ui::ReminderBell> bell;
};

class RingsDue : public BellTest, public testing::WithParamInterface<std::tuple<RingRow, Listener>> {};

TEST_P(RingsDue, EachOnceInOrderWhereverItGoes)
{
    const auto& [row, listener] = GetParam();
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    if (listener == Listener::Service)
        serve();
    makeBell(listener == Listener::NoBus ? QStringLiteral("unix:path=/nonexistent/indice-uv-test-bus") : bus.address());

    now = kFirst + row.askedAt;
    bell->schedule(kReminders);
    for (const long long at : row.rings)
        ringAt(at);

    QStringList expected;
    for (const int index : row.rung)
        expected << QString::fromStdString(kReminders[static_cast<std::size_t>(index)].text);
    if (listener == Listener::Service) {
        EXPECT_EQ(receivedBodies(), expected);
        EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
        for (const Notification& notification : standIn.received) {
            EXPECT_EQ(notification.appName, "Indice UV");
            EXPECT_EQ(notification.replacesId, 0u);
            EXPECT_EQ(notification.icon, "indice-uv");
            EXPECT_EQ(notification.summary, "Indice UV");
            EXPECT_TRUE(notification.actions.isEmpty());
            EXPECT_TRUE(notification.hints.isEmpty());
            EXPECT_EQ(notification.timeout, -1);
        }
    } else {
        // No service answers: each reminder comes into the window instead.
        EXPECT_TRUE(standIn.received.empty());
        EXPECT_EQ(messageTexts(), expected);
        for (const uitest::Message& message : messages) {
            EXPECT_EQ(message.kind, uitest::Message::Kind::Inform);
            EXPECT_EQ(message.title, "Indice UV");
        }
    }
    EXPECT_EQ(bell->ticking(), !bell->waiting().empty());
}

std::string rowName(const testing::TestParamInfo<std::tuple<RingRow, Listener>>& info)
{
    static constexpr const char* kListeners[] = {"Service", "NoService", "NoBus"};
    return std::string(std::get<0>(info.param).name) + "_" + kListeners[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Bell, RingsDue,
                         testing::Combine(testing::ValuesIn(kRingRows),
                                          testing::Values(Listener::Service, Listener::NoService, Listener::NoBus)),
                         rowName);

// Asking again with another stay's reminders forgets the first stay's.
TEST_F(BellTest, AskingAgainReplacesTheSchedule)
{
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    serve();
    makeBell(bus.address());
    now = kFirst - 60;
    bell->schedule(kReminders);
    EXPECT_TRUE(bell->ticking());
    const std::vector<day::Reminder> later = {{900, kFirst + 4 * 3600, "Al sol hasta las 17:00."}};
    bell->schedule(later);
    EXPECT_EQ(bell->waiting().size(), 1u);
    ringAt(3600);
    EXPECT_TRUE(standIn.received.empty());
    ringAt(4 * 3600);
    EXPECT_EQ(receivedBodies(), QStringList{"Al sol hasta las 17:00."});
    EXPECT_FALSE(bell->ticking());

    // Nothing left to come: the timer does not run for it.
    bell->schedule(kReminders);
    EXPECT_TRUE(bell->waiting().empty());
    EXPECT_FALSE(bell->ticking());
}

}  // namespace bell_test

#include "reminder_bell_test.moc"

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a press says of the stay besides the exposure: when to protect, in
// Label4's tooltip and description, and the stay's reminders, saved in a
// calendar file or rung while it lasts. The crossings of index 3 come from an
// independent evaluation of the sun's day (NOAA's solar position, the index
// the maximum times (μ/μ_noon)^2.42, crossings interpolated between minutes).
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cerrno>

#include "day/ask.h"
#include "day/calendar.h"
#include "support/scoped_tz.h"
#include "ui/chart_actions.h"
#include "ui/estimate_dialog.h"
#include "ui/estimate_entry.h"
#include "ui/reminder_bell.h"
#include "window_fixture.h"

namespace {

using test_support::ScopedTz;

// A press: the dialog's place, date, zone and shape put in force by "Usar"
// (no latitude: the dialog never opened), then the first four boxes.
struct Press {
    const char* latitude;
    const char* longitude;
    const char* date;  // AAAA-MM-DD
    const char* zone;
    bool sun;
    const char* boxes[4];  // maximum, start hour, duration, skin type
};

// Madrid on the longest day, by the sun's curve at a maximum of 10, from 11
// to 13 on Madrid's summer clock (09:00 to 11:00 UT): the reference day
// "MadridMorning", whose exposure is 3.59 DEM.
constexpr Press kMadridSunDay{"40.42", "-3.70", "2026-06-21", "Europe/Madrid", true, {"10", "11", "2", "3"}};

class StayTest : public uitest::WindowTest {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("indice-uv"), QStringLiteral("indice-uv")).remove(QStringLiteral("estimacion"));
        WindowTest::SetUp();
    }

    ui::ChartActions& actions() const { return window->chartActions(); }

    void press(const Press& press)
    {
        if (press.latitude)
            useInDialog(press);
        QLineEdit* const boxes[] = {c().Text1, c().Text2, c().Text3, c().Text4};
        for (std::size_t i = 0; i < std::size(boxes); ++i)
            type(boxes[i], QString::fromLatin1(press.boxes[i]));
        calcular();
    }

    void useInDialog(const Press& press)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->estimateEntry().openDialog();
        ui::EstimateDialog* dialog = window->estimateEntry().dialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        const ui::EstimateDialog::Fields& f = dialog->fields();
        type(f.latitude, QString::fromLatin1(press.latitude));
        type(f.longitude, QString::fromLatin1(press.longitude));
        f.date->setDate(QDate::fromString(QString::fromLatin1(press.date), Qt::ISODate));
        f.zone->setCurrentText(QString::fromLatin1(press.zone));
        f.shape->setCurrentIndex(press.sun ? 1 : 0);
        ASSERT_TRUE(f.use->isEnabled()) << f.result->text().toStdString();
        QTest::mouseClick(f.use, Qt::LeftButton);
        ASSERT_EQ(window->estimateEntry().dialog(), nullptr);
    }
};

// --- When to protect, after the time to 1 DEM --------------------------------

struct ProtectionRow {
    const char* name;
    const char* systemZone;
    Press press;
    const char* line;  // nullptr: nothing added
    bool wholeLine;    // false: the line starts so (today's hours vary)
};

void PrintTo(const ProtectionRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const ProtectionRow kProtectionRows[] = {
    // Crossings 10:07.0 and 18:26.3, to ten minutes outwards.
    {"SunDayAtMadrid", "Europe/Madrid", kMadridSunDay, "Protección solar de 10:00 a 18:30 (índice 3 o más)", true},
    // Madrid's clear-sky maximum at the winter solstice is about 2: never 3.
    {"BellUnderThreeInDecember", "Europe/Madrid",
     {"40.42", "-3.70", "2026-12-21", "Europe/Madrid", false, {"4", "11", "2", "3"}},
     "El 21/12/2026 en 40.42° N, 3.70° O, con cielo despejado, no hace falta protección: el índice no llega a 3.", true},
    // Never opened: the zone's place, today.
    {"DialogNeverOpened", "Europe/Madrid", {nullptr, nullptr, nullptr, nullptr, false, {"10", "11", "2", "3"}},
     "Hoy en Europe/Madrid, con cielo despejado", false},
    // A zone without a place, and none typed: nothing to say.
    {"ZoneWithoutPlace", "UTC", {nullptr, nullptr, nullptr, nullptr, false, {"10", "11", "2", "3"}}, nullptr, true},
};
// clang-format on

class Protection : public StayTest, public testing::WithParamInterface<ProtectionRow> {};

TEST_P(Protection, FollowsTheTimeToOneDoseInLabel4sTipAndDescription)
{
    const ProtectionRow& row = GetParam();
    ScopedTz tz(row.systemZone);
    press(row.press);
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    ASSERT_FALSE(c().Label4->text().isEmpty());

    const QStringList tip = c().Label4->toolTip().split(QLatin1Char('\n'));
    const QString description = c().Label4->accessibleDescription();
    // The time to 1 DEM stays first in both, as it was.
    EXPECT_TRUE(tip.front().contains("1 DEM")) << tip.front().toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral(". ") + tip.front())) << description.toStdString();
    if (!row.line) {
        EXPECT_EQ(tip.size(), 1);
        EXPECT_TRUE(description.endsWith(tip.front())) << description.toStdString();
        EXPECT_FALSE(description.contains(QStringLiteral("rotección"))) << description.toStdString();
        return;
    }
    ASSERT_EQ(tip.size(), 2);
    const QString line = QString::fromUtf8(row.line);
    if (row.wholeLine) {
        EXPECT_EQ(tip.back(), line);
        EXPECT_TRUE(description.endsWith(QStringLiteral(". ") + line)) << description.toStdString();
    } else {
        EXPECT_TRUE(tip.back().startsWith(line)) << tip.back().toStdString();
        EXPECT_TRUE(description.endsWith(QStringLiteral(". ") + tip.back())) << description.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, Protection, testing::ValuesIn(kProtectionRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The calendar file ---------------------------------------------------------

// 2026-06-20T08:00:00Z.
constexpr long long kStamp = 1781942400;

// The file's content lines, unfolded (RFC 5545: CRLF then a space continues a line).
QStringList contentLines(QByteArray bytes)
{
    bytes.replace("\r\n ", "");
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList valuesOf(const QStringList& lines, const QString& name)
{
    QStringList values;
    for (const QString& line : lines) {
        if (line.startsWith(name + QLatin1Char(':')))
            values << line.mid(name.size() + 1);
    }
    return values;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Calendar : public StayTest {
protected:
    void SetUp() override
    {
        configure = [](ui::Form1Options& options) { options.clock = [] { return kStamp; }; };
        StayTest::SetUp();
    }
    ScopedTz tz{"Europe/Madrid"};
};

TEST_F(Calendar, SavesTheStaysReminders)
{
    press(kMadridSunDay);
    ASSERT_TRUE(actions().saveCalendarAction()->isEnabled());
    const QString path = folder.filePath(QStringLiteral("estancia.ics"));
    ASSERT_TRUE(actions().saveCalendarAs(path));
    EXPECT_TRUE(messages.empty());
    const QByteArray bytes = fileBytes(path);

    // The same day asked apart, as the window's fields say it.
    day::Request request;
    request.field(layout::SkyField::Latitud) = "40.42";
    request.field(layout::SkyField::Longitud) = "-3.70";
    request.field(layout::SkyField::Fecha) = "2026-06-21";
    request.field(layout::SkyField::Zona) = "Europe/Madrid";
    request.field(layout::SkyField::Forma) = "sol";
    request.stay = day::Stay{{"10", "11", "2", "3", c().Text5->text().toStdString(), c().Text6->text().toStdString()},
                             false, std::nullopt, std::nullopt};
    const day::Answer answer = day::answer(request);
    ASSERT_TRUE(answer.reminders);
    EXPECT_EQ(bytes.toStdString(), day::calendarText(answer, kStamp));

    const QStringList lines = contentLines(bytes);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    EXPECT_EQ(valuesOf(lines, "DTSTAMP"), QStringList{"20260620T080000Z"});
    EXPECT_EQ(valuesOf(lines, "DTSTART"), QStringList{"20260621T090000Z"});
    EXPECT_EQ(valuesOf(lines, "DTEND"), QStringList{"20260621T110000Z"});

    // One alarm per reminder: the start; 15 minutes before 1 DEM and 1 DEM
    // itself, both inside the stay (3.59 DEM in two hours of a rising
    // morning: the first comes after 120 / 3.59 = 33 minutes).
    EXPECT_EQ(lines.count("BEGIN:VALARM"), 3);
    EXPECT_EQ(valuesOf(lines, "TRIGGER;VALUE=DATE-TIME").front(), "20260621T090000Z");
}

TEST_F(Calendar, IsOfferedOnlyOnceAPressHasReminders)
{
    for (QAction* action : {actions().saveCalendarAction(), actions().remindAction()})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(actions().saveCalendarAs(folder.filePath(QStringLiteral("nada.ics"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("nada.ics"))));

    // A box that is no number changes nothing.
    type(c().Text2, QStringLiteral("once"));
    calcular();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(actions().saveCalendarAction()->isEnabled());

    press(kMadridSunDay);
    for (QAction* action : {actions().saveCalendarAction(), actions().remindAction()})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

// The dialog the key opens: its title, its one format and its file name, and
// what it saves once a name is chosen.
struct SeenDialog {
    bool shown = false;
    QString title;
    QStringList filters;
    QString proposed;
};

// Looks for the dialog until it comes or `watch` is gone.
void answerTheSaveDialog(QObject& watch, SeenDialog& seen, const QString& saveAs)
{
    QTimer::singleShot(0, &watch, [&watch, &seen, saveAs] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            answerTheSaveDialog(watch, seen, saveAs);
            return;
        }
        seen.shown = true;
        seen.title = dialog->windowTitle();
        seen.filters = dialog->nameFilters();
        seen.proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(saveAs);
        static_cast<QDialog*>(dialog)->accept();  // "Guardar"
    });
}

// As Ctrl+C copies: the key works with the menu closed, from a text box too.
TEST_F(Calendar, TheKeyOpensTheSaveDialogFromAnywhereInTheWindow)
{
    EXPECT_EQ(ui::ChartActions::calendarShortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+K")));
    EXPECT_EQ(actions().saveCalendarAction()->shortcut(), ui::ChartActions::calendarShortcut());
    // Before a press there is nothing to save: no dialog (one that came
    // anyway is closed, not left to hang the test).
    {
        QObject watch;
        bool opened = false;
        QTimer::singleShot(2000, &watch, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        QTest::keyClick(c().Text2, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::processEvents();
        EXPECT_FALSE(opened);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    press(kMadridSunDay);
    const char* const from[] = {"Text2", "Indice", "Command1"};
    for (const char* name : from) {
        // A closed dialog leaves the window to become active again, as the desktop does.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget* focus = window->control(name);
        focus->setFocus();
        ASSERT_FALSE(actions().menu()->isVisible());
        SeenDialog seen;
        QObject watch;
        const QString saveAs = folder.filePath(QStringLiteral("desde-%1").arg(QLatin1String(name)));
        answerTheSaveDialog(watch, seen, saveAs);
        QTest::keyClick(focus, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(seen.shown) << name;
        EXPECT_EQ(seen.title, "Guardar en el calendario") << name;
        EXPECT_EQ(seen.filters, QStringList{"Calendario (*.ics)"}) << name;
        EXPECT_EQ(seen.proposed, "indice-uv-2026-06-21.ics") << name;
        // The suffix the format names is added to a name typed without it.
        EXPECT_TRUE(fileBytes(saveAs + QStringLiteral(".ics")).startsWith("BEGIN:VCALENDAR\r\n")) << name;
    }
    EXPECT_TRUE(messages.empty());
}

// A disk that fills up after the press.
class FillingDisk : public runtime::FileCalls {
public:
    ssize_t write(int fd, const void* data, size_t size) override
    {
        if (!full)
            return runtime::FileCalls::write(fd, data, size);
        errno = ENOSPC;
        return -1;
    }
    bool full = false;
};

TEST_F(Calendar, AFullDiskIsReportedAndNothingIsLeft)
{
    FillingDisk disk;
    open('.', &disk);
    press(kMadridSunDay);
    disk.full = true;
    EXPECT_FALSE(actions().saveCalendarAs(folder.filePath(QStringLiteral("estancia.ics"))));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, uitest::Message::Kind::Warn);
    EXPECT_EQ(messages[0].text, "No se pudo guardar estancia.ics: no queda espacio en el disco.");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"datos.dat"});
}

// --- "Avisarme durante la estancia" -------------------------------------------

// With no bus to send them to, the reminders come into the window as
// messages; one already past when the user asks never comes.
TEST_F(StayTest, RemindersStillToComeReachTheWindowWithoutABus)
{
    ScopedTz tz("Europe/Madrid");
    long long now = 1782033000;  // 2026-06-21T09:10:00Z, 11:10 in Madrid: the start is past
    configure = [&now](ui::Form1Options& options) {
        options.clock = [&now] { return now; };
        options.notificationBus = QStringLiteral("unix:path=/nonexistent/indice-uv-bus");
    };
    open('.');
    press(kMadridSunDay);
    ASSERT_TRUE(messages.empty());
    actions().remindAction()->trigger();
    ui::ReminderBell& bell = actions().bell();
    EXPECT_TRUE(bell.ticking());
    bell.ringDue();
    EXPECT_TRUE(messages.empty()) << "nothing is due at 11:10";

    now = 1782043200;  // 2026-06-21T12:00:00Z, after the stay
    bell.ringDue();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "En 15 minutos llegas a 1 DEM");
    EXPECT_EQ(messages[1].text, "Has llegado a 1 DEM: busca la sombra");
    EXPECT_EQ(messages[0].title, "Indice UV");
    EXPECT_EQ(messages[0].kind, uitest::Message::Kind::Inform);
    EXPECT_FALSE(bell.ticking());
    bell.ringDue();
    EXPECT_EQ(messages.size(), 2u) << "each reminder rings once";
}

}  // namespace

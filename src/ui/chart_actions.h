// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "day/answer.h"
#include "model/form_state.h"

class QAction;
class QMenu;

namespace qt {
class QtSurface;
}

namespace runtime {
class FileCalls;
}

namespace ui {

class MessageSink;
class PictureBox;
class ReminderBell;

// One kind of file a save dialog offers: what the dialog lists, and the
// suffix that names it.
struct SaveFormat {
    std::string_view filter;
    std::string_view suffix;
};

// The chart's formats, in the order the dialog lists them.
enum class ChartFormat { Png, Svg };
// The curve's formats: a spreadsheet's CSV, or the same lines as datos.dat.
enum class DataFormat { Csv, DatosDat };

// Which of `formats` a name the user typed in the dialog asks for: the one its
// suffix names, or else the one chosen in the list, whose suffix is then added.
struct ChosenFile {
    std::size_t format = 0;
    QString path;
};
ChosenFile chooseFormat(const QString& path, std::span<const SaveFormat> formats, std::size_t selected);

// Taking the chart away: a context menu on the chart (right click, the Menu
// key, Shift+F10), and Ctrl+C, that copy the chart as the screen shows it and
// save it as PNG or SVG, or save the curve's samples as CSV or in datos.dat's
// format. Nothing is offered before the first drawing of the chart; datos.dat
// itself is never written here. Below them, the last press's stay: its
// reminders saved in a calendar file (also by calendarShortcut() anywhere in
// the window), or rung on the desktop while it lasts.
class ChartActions : public QObject {
    Q_OBJECT

public:
    struct Sources {
        PictureBox* chart = nullptr;
        const model::FormState* state = nullptr;
        const qt::QtSurface* surface = nullptr;
        char decimalSeparator = '.';
        MessageSink* messages = nullptr;
        runtime::FileCalls* fileCalls = nullptr;  // null: the real system calls
        std::function<long long()> clock;         // seconds since 1970 UT; null: the system's
        QString notificationBus;                  // the reminders' D-Bus address; empty: the session bus
    };

    // Ctrl+Shift+K: neither Qt's text boxes nor the window use it.
    static QKeySequence calendarShortcut();

    explicit ChartActions(Sources sources);
    ~ChartActions() override;

    // After every drawing of the chart: there is something to take away.
    void chartRedrawn();
    // After every press: the day's answer for its stay, whose reminders the
    // last two entries take while it has any.
    void stayAnswered(const day::Answer& answer);

    QMenu* menu() const { return menu_; }
    QAction* copyAction() const { return copy_; }
    QAction* saveChartAction() const { return saveChart_; }
    QAction* saveDataAction() const { return saveData_; }
    QAction* saveCalendarAction() const { return saveCalendar_; }
    QAction* remindAction() const { return remind_; }
    const std::optional<day::Answer>& stay() const { return stay_; }
    ReminderBell& bell() const { return *bell_; }

    // What the menu's entries do once the dialog has named the file. Each save
    // writes through `Sources::fileCalls`, warns, as a failed datos.dat does,
    // and returns false on failure.
    void copyChart();
    bool saveChartAs(const QString& path, ChartFormat format);
    bool saveDataAs(const QString& path, DataFormat format);
    // The stay's calendar, stamped with the clock's now; false also without reminders.
    bool saveCalendarAs(const QString& path);
    // Rings the stay's reminders still to come, in place of any waiting.
    void remindDuringStay();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askChartFile();
    void askDataFile();
    void askCalendarFile();
    bool report(const QString& path, bool saved, const std::string& reason);

    Sources s_;
    QMenu* menu_;  // the chart's child
    QAction* copy_ = nullptr;
    QAction* saveChart_ = nullptr;
    QAction* saveData_ = nullptr;
    QAction* saveCalendar_ = nullptr;
    QAction* remind_ = nullptr;
    ReminderBell* bell_ = nullptr;  // child
    std::optional<day::Answer> stay_;  // the last press's, while it has reminders
};

}  // namespace ui

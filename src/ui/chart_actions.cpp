// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/chart_actions.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <array>

#include "chart/chart_files.h"
#include "day/calendar.h"
#include "layout/layout.h"
#include "model/curve_csv.h"
#include "model/data_file.h"
#include "qt/png_file.h"
#include "qt/qt_surface.h"
#include "qt/utf8.h"
#include "runtime/text_file.h"
#include "ui/message_sink.h"
#include "ui/picture_box.h"
#include "ui/reminder_bell.h"

namespace ui {
namespace {

constexpr std::array<SaveFormat, 2> kChartFormats{{
    {"Imagen PNG (*.png)", "png"},
    {"Dibujo SVG (*.svg)", "svg"},
}};
constexpr std::array<SaveFormat, 2> kDataFormats{{
    {"Datos para hoja de cálculo (*.csv)", "csv"},
    {"Datos como datos.dat (*.dat)", "dat"},
}};
constexpr std::array<SaveFormat, 1> kCalendarFormats{{
    {"Calendario (*.ics)", "ics"},
}};

using qt::fromUtf8;

QString filterList(std::span<const SaveFormat> formats)
{
    QStringList filters;
    for (const SaveFormat& format : formats)
        filters << fromUtf8(format.filter);
    return filters.join(QStringLiteral(";;"));
}

// The dialog in Spanish whatever the desktop offers; the user's answer goes
// through chooseFormat. Empty when the user cancels.
ChosenFile askFile(QWidget* parent, const QString& title, const QString& name, std::span<const SaveFormat> formats)
{
    QFileDialog dialog(parent, title, QDir::current().filePath(name), filterList(formats));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Guardar"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Formato:"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Carpeta:"));
    // Choosing another format renames the proposed file to match, as the user expects.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, formats](const QString& filter) {
        for (const SaveFormat& format : formats) {
            const QStringList chosen = dialog.selectedFiles();
            if (fromUtf8(format.filter) == filter && !chosen.isEmpty()) {
                const QString base = QFileInfo(chosen.front()).completeBaseName();
                dialog.selectFile(base + QLatin1Char('.') + fromUtf8(format.suffix));
            }
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    std::size_t selected = 0;
    while (selected + 1 < formats.size() && fromUtf8(formats[selected].filter) != dialog.selectedNameFilter())
        ++selected;
    return chooseFormat(dialog.selectedFiles().front(), formats, selected);
}

// What every save here writes through: the calls a test injected, or the system's.
runtime::FileCalls& callsOf(runtime::FileCalls* injected)
{
    static runtime::FileCalls system;
    return injected ? *injected : system;
}

}  // namespace

ChosenFile chooseFormat(const QString& path, std::span<const SaveFormat> formats, std::size_t selected)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (suffix == fromUtf8(formats[i].suffix))
            return {i, path};
    }
    const std::size_t format = selected < formats.size() ? selected : 0;
    return {format, path + QLatin1Char('.') + fromUtf8(formats[format].suffix)};
}

QKeySequence ChartActions::calendarShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K);
}

ChartActions::ChartActions(Sources sources)
    : QObject(sources.chart)
    , s_(std::move(sources))
    , menu_(new QMenu(s_.chart))
{
    if (!s_.clock)
        s_.clock = &ReminderBell::systemClock;
    copy_ = menu_->addAction(QStringLiteral("Copiar gráfico"), this, &ChartActions::copyChart);
    copy_->setShortcut(QKeySequence::Copy);  // shown in the menu; the chart's key filter acts on it
    saveChart_ = menu_->addAction(QStringLiteral("Guardar gráfico como…"), this, &ChartActions::askChartFile);
    saveData_ = menu_->addAction(QStringLiteral("Guardar datos como…"), this, &ChartActions::askDataFile);
    menu_->addSeparator();
    saveCalendar_ =
        menu_->addAction(QStringLiteral("Guardar en el calendario…"), this, &ChartActions::askCalendarFile);
    // Shown in the menu, and heard anywhere in the window with the menu closed.
    saveCalendar_->setShortcut(calendarShortcut());
    saveCalendar_->setShortcutContext(Qt::WindowShortcut);
    s_.chart->window()->addAction(saveCalendar_);
    remind_ = menu_->addAction(QStringLiteral("Avisarme durante la estancia"), this, &ChartActions::remindDuringStay);
    for (QAction* action : menu_->actions())
        action->setEnabled(false);
    bell_ = new ReminderBell({s_.messages, qt::fromUtf8(layout::kCaption), s_.clock, s_.notificationBus}, this);
    s_.chart->setContextMenuPolicy(Qt::DefaultContextMenu);
    s_.chart->installEventFilter(this);
}

ChartActions::~ChartActions() = default;

void ChartActions::chartRedrawn()
{
    for (QAction* action : {copy_, saveChart_, saveData_})
        action->setEnabled(static_cast<bool>(s_.state->NumPuntos));
}

void ChartActions::stayAnswered(const day::Answer& answer)
{
    if (answer.reminders && !answer.reminders->list.empty())
        stay_ = answer;
    else
        stay_.reset();
    for (QAction* action : {saveCalendar_, remind_})
        action->setEnabled(stay_.has_value());
}

bool ChartActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != s_.chart)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        menu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        if (copy_->isEnabled())
            copyChart();
        return true;
    }
    // Shift+F10 is the desktop's other context menu key. Some platforms turn
    // the Menu key into a context menu event themselves; others pass it on.
    if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
        menu_->popup(s_.chart->mapToGlobal(s_.chart->rect().center()));
        return true;
    }
    return false;
}

void ChartActions::copyChart()
{
    QGuiApplication::clipboard()->setImage(s_.surface->image());
}

bool ChartActions::saveChartAs(const QString& path, ChartFormat format)
{
    runtime::FileCalls& calls = callsOf(s_.fileCalls);
    const std::string file = path.toStdString();
    const runtime::SaveOutcome outcome = format == ChartFormat::Png
        ? qt::savePng(s_.surface->image(), file, calls)
        : chart::saveChartSvg(*s_.state, s_.decimalSeparator, file, calls);
    return report(path, outcome.saved, outcome.reason);
}

bool ChartActions::saveDataAs(const QString& path, DataFormat format)
{
    runtime::FileCalls& calls = callsOf(s_.fileCalls);
    const std::string file = path.toStdString();
    const runtime::SaveOutcome outcome = format == DataFormat::Csv
        ? model::writeCurveCsv(*s_.state, s_.decimalSeparator, file, calls)
        : model::saveDataFile(model::dataFileContents(*s_.state, s_.decimalSeparator), file, calls);
    return report(path, outcome.saved, outcome.reason);
}

bool ChartActions::saveCalendarAs(const QString& path)
{
    if (!stay_)
        return false;
    const std::string text = day::calendarText(*stay_, s_.clock());
    const runtime::SaveOutcome outcome = runtime::saveTextFile(path.toStdString(), text, callsOf(s_.fileCalls));
    return report(path, outcome.saved, outcome.reason);
}

void ChartActions::remindDuringStay()
{
    if (stay_)
        bell_->schedule(stay_->reminders->list);
}

bool ChartActions::report(const QString& path, bool saved, const std::string& reason)
{
    if (!saved) {
        const QString message = QStringLiteral("No se pudo guardar %1: %2.");
        s_.messages->warn(s_.chart->window()->windowTitle(), message.arg(QFileInfo(path).fileName(), fromUtf8(reason)));
    }
    return saved;
}

void ChartActions::askChartFile()
{
    const ChosenFile chosen =
        askFile(s_.chart->window(), QStringLiteral("Guardar gráfico como"), QStringLiteral("grafica.png"), kChartFormats);
    if (!chosen.path.isEmpty())
        saveChartAs(chosen.path, static_cast<ChartFormat>(chosen.format));
}

void ChartActions::askCalendarFile()
{
    if (!stay_)
        return;
    const QString name = qt::fromUtf8(day::calendarFileName(*stay_->reminders));
    const ChosenFile chosen =
        askFile(s_.chart->window(), QStringLiteral("Guardar en el calendario"), name, kCalendarFormats);
    if (!chosen.path.isEmpty())
        saveCalendarAs(chosen.path);
}

void ChartActions::askDataFile()
{
    const ChosenFile chosen =
        askFile(s_.chart->window(), QStringLiteral("Guardar datos como"), QStringLiteral("indice_uv.csv"), kDataFormats);
    if (!chosen.path.isEmpty())
        saveDataAs(chosen.path, static_cast<DataFormat>(chosen.format));
}

}  // namespace ui

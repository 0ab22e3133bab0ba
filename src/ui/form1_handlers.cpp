// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight events the window handles. Each reads the controls, calls the
// model or the chart, and writes the controls back; nothing else lives here.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "chart/chart_size.h"
#include "chart/grafica_indice.h"
#include "layout/layout.h"
#include "model/calcular.h"
#include "model/data_file.h"
#include "model/reiniciar.h"
#include "model/time_to_dose.h"
#include "model/time_to_dose_text.h"
#include "qt/qt_surface.h"
#include "qt/utf8.h"
#include "runtime/number_format.h"
#include "sky/estimate_text.h"
#include "day/ask.h"
#include "day/sun_curve.h"
#include "ui/chart_actions.h"
#include "ui/estimate_entry.h"
#include "ui/form1.h"
#include "ui/picture_box.h"
#include "ui/spin_bar.h"

namespace ui {
namespace {

using qt::fromUtf8;

// A bar's ends, start value and box are in its layout row.
const layout::Control& rowOf(const SpinBar* bar)
{
    return *layout::find(bar->objectName().toStdString());
}

void copyValue(const Form1& form, const SpinBar* bar)
{
    auto* box = qobject_cast<QLineEdit*>(form.control(rowOf(bar).spinner.box));
    box->setText(fromUtf8(runtime::integerToText(bar->barValue())));
}

// Each bar's ends and step are set before its value, so the value is never
// clamped to a range still being set up. The box is filled from the bar itself.
void setUp(const Form1& form, SpinBar* bar)
{
    const layout::Control& row = rowOf(bar);
    bar->setMax(row.spinner.max);
    bar->setMin(row.spinner.min);
    bar->setSmallChange(1);
    bar->setBarValue(layout::startValue(row));
    copyValue(form, bar);
}

// The press's stay at the place, date and zone of the estimate's last "Usar"
// (each field's default before the first), for the day's answer.
day::Request stayRequest(day::Request place, const model::InputTexts& boxes, char decimalSeparator)
{
    place.estimate = false;
    place.stay = day::Stay{boxes, false, std::nullopt, std::nullopt};
    place.decimalSeparator = decimalSeparator;
    return place;
}

}  // namespace

void Form1::Form_Load()
{
    for (SpinBar* bar : {c_.VScroll1, c_.VScroll2, c_.VScroll3, c_.VScroll4})
        setUp(*this, bar);
}

// The bars pair with the boxes crosswise, as their rows say.
void Form1::VScroll1_Change() { copyValue(*this, c_.VScroll1); }
void Form1::VScroll2_Change() { copyValue(*this, c_.VScroll2); }
void Form1::VScroll3_Change() { copyValue(*this, c_.VScroll3); }
void Form1::VScroll4_Change() { copyValue(*this, c_.VScroll4); }

void Form1::Command1_Click()
{
    QLineEdit* const boxes[] = {c_.Text1, c_.Text2, c_.Text3, c_.Text4, c_.Text5, c_.Text6};
    model::InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = boxes[i]->text().toStdString();

    const char separator = options_.decimalSeparator;
    const model::CalcularOutcome outcome = model::Calcular(texts, separator, state_, daySampler_);

    // A text that is not a number changes nothing; the user corrects it in place.
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome)) {
        options_.messages->warn(windowTitle(), fromUtf8(model::describe(*failure)));
        QLineEdit* box = boxes[static_cast<std::size_t>(failure->box)];
        box->setFocus();
        box->selectAll();
        return;
    }

    const auto& result = std::get<model::CalcularResult>(outcome);
    // When to protect and the stay's reminders, from the day's one answer.
    const day::Answer stay = day::answer(stayRequest(estimateEntry_->usedRequest(), texts, separator));
    chartActions_->stayAnswered(stay);
    runtime::FileCalls systemCalls;
    const runtime::SaveOutcome datos = model::saveDataFile(result.datos, options_.dataFilePath,
                                                           options_.fileCalls ? *options_.fileCalls : systemCalls);
    if (result.text7)
        c_.Text7->setText(fromUtf8(*result.text7));
    const chart::EscalaGrafica scale = chart::GraficaIndice(state_, *surface_, chart::kFormScaleHeight, separator);
    // Reading the image ends the surface's painting, so the box shows it whole.
    c_.Indice->showImage(&surface_->image());
    chartRedrawn(scale);
    if (result.dose.showSkinTypeMessage())
        options_.messages->inform(windowTitle(), fromUtf8(model::kSkinTypeMessage));
    else
        showExposure(*result.dose.label4Caption, stay.protection ? stay.protection->line : std::string());
    if (!datos.saved) {
        options_.messages->warn(windowTitle(),
                                QStringLiteral("No se pudo guardar datos.dat: %1.").arg(fromUtf8(datos.reason)));
    }
}

// The exposure, the time until 1 DEM without protection and when to protect
// (if the day says) where the pointer and a screen reader find the exposure:
// no pixel of the window changes.
void Form1::showExposure(const std::string& caption, const std::string& protection)
{
    c_.Label4->setText(fromUtf8(caption));
    const QString untilOneDose =
        fromUtf8(model::oneDoseDescription(model::minutesToOneDose(state_), state_.HoraExposicion));
    constexpr std::string_view kWhatItIs = layout::kControls[layout::rowOf("Label4")].accessibleDescription;
    QString tip = untilOneDose;
    QString description = fromUtf8(kWhatItIs) + QStringLiteral(". ") + untilOneDose;
    if (!protection.empty()) {
        tip += QLatin1Char('\n') + fromUtf8(protection);
        description += QStringLiteral(". ") + fromUtf8(protection);
    }
    c_.Label4->setToolTip(tip);
    c_.Label4->setAccessibleDescription(description);
}

// "Calcular" follows the shape chosen in the estimate's dialog, and the title
// says so while it is the sun's.
void Form1::useDayShape(const std::optional<sky::DayShape>& shape)
{
    std::string title(layout::kCaption);
    if (shape) {
        daySampler_ = day::sunSampler(*shape);
        title += " — " + sky::sunDayText(shape->place, shape->date, options_.decimalSeparator);
    } else {
        daySampler_ = model::sampleCurve;
    }
    setWindowTitle(fromUtf8(title));
}

void Form1::Command2_Click()
{
    close();
}

void Form1::Command3_Click()
{
    const model::ReiniciarTexts texts = model::Reiniciar();
    c_.Text5->setText(fromUtf8(texts.text5));
    c_.Text6->setText(fromUtf8(texts.text6));
    // An emptied box is cleared, as the user would clear it: its undo stays.
    if (texts.text7.empty())
        c_.Text7->clear();
    else
        c_.Text7->setText(fromUtf8(texts.text7));
}

}  // namespace ui

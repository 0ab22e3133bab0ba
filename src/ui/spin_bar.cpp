// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/spin_bar.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "model/bar_step.h"
#include "runtime/number_format.h"
#include "ui/focus_mark.h"

namespace ui {
namespace {

int to16Bits(int value)
{
    return std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
}

}  // namespace

SpinBar::SpinBar(QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(0, std::abs(max_ - min_));
    // A click in the trough moves by one, like an arrow.
    setPageStep(1);
    setSingleStep(1);
    // During a drag the box keeps its text; the new value counts on release.
    setTracking(false);
    connect(this, &QAbstractSlider::valueChanged, this, &SpinBar::Change);
    connect(this, &QAbstractSlider::actionTriggered, this, &SpinBar::takeTypedNumber);
}

void SpinBar::setMin(int value)
{
    setEnds(to16Bits(value), max_);
}

void SpinBar::setMax(int value)
{
    setEnds(min_, to16Bits(value));
}

void SpinBar::setSmallChange(int step)
{
    setSingleStep(std::max(1, to16Bits(step)));
}

void SpinBar::setBarValue(int value)
{
    setValue(positionOf(clamped(to16Bits(value))));
}

void SpinBar::stepFrom(const QLineEdit* box, char decimalSeparator)
{
    box_ = box;
    decimalSeparator_ = decimalSeparator;
}

// Qt has moved the thumb for the action but not yet the value: the thumb is
// put where the step from the box's number goes instead.
void SpinBar::takeTypedNumber(int action)
{
    model::BarStep step = model::BarStep::TowardTop;
    int size = singleStep();
    switch (action) {
    case SliderSingleStepAdd:
        step = model::BarStep::TowardBottom;
        break;
    case SliderSingleStepSub:
        break;
    case SliderPageStepAdd:
        step = model::BarStep::TowardBottom;
        size = pageStep();
        break;
    case SliderPageStepSub:
        size = pageStep();
        break;
    default:
        return;
    }
    if (!box_)
        return;
    const int before = barValue();
    const model::BarStepResult result =
        model::stepBar(box_->text().toStdString(), decimalSeparator_, {min_, max_, before}, step, size);
    setSliderPosition(positionOf(result.value));
    // The bar stays, but the box showed another number (7.5 down to 7 with the bar at 7).
    if (result.fromBox && result.value == before
        && box_->text() != QString::fromStdString(runtime::integerToText(before)))
        emit Change();
}

int SpinBar::barValue() const
{
    return min_ > max_ ? min_ - value() : min_ + value();
}

// A new end keeps the value where it still fits and moves it to the nearest
// end otherwise; Change is raised once, only if the value moved.
void SpinBar::setEnds(int min, int max)
{
    const int before = barValue();
    {
        const QSignalBlocker quiet(this);
        min_ = min;
        max_ = max;
        setRange(0, std::abs(max_ - min_));
        setValue(positionOf(clamped(before)));
    }
    if (barValue() != before)
        emit Change();
}

int SpinBar::clamped(int value) const
{
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

int SpinBar::positionOf(int value) const
{
    return std::abs(value - min_);
}

void SpinBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!showsFocusMark(*this))
        return;
    QPainter painter(this);
    drawFocusMark(*this, painter, rect());
}

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/chart_readout.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "layout/layout.h"
#include "qt/utf8.h"
#include "ui/picture_box.h"

namespace ui {
namespace {

constexpr double kTwips = layout::kTwipsPerPixel;
constexpr int kPadding = 4;

using qt::fromUtf8;

QStringList linesOf(const chart::Readout& readout)
{
    return {fromUtf8(readout.line1()), fromUtf8(readout.line2()), fromUtf8(readout.line3())};
}

}  // namespace

ChartReadout::ChartReadout(PictureBox* chart, const model::FormState& state, char decimalSeparator)
    : QWidget(chart)
    , chart_(chart)
    , state_(state)
    , decimalSeparator_(decimalSeparator)
{
    setGeometry(chart->innerRect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    chart->setMouseTracking(true);
    chart->installEventFilter(this);
    show();
}

void ChartReadout::chartRedrawn(const chart::EscalaGrafica& scale)
{
    hideReadout();
    scale_.reset();
    // A chart with an axis of no length drew no curve: nothing to read on it.
    if (state_.NumPuntos && !scale.emptyRange())
        scale_ = scale;
}

QRect ChartReadout::guideRect() const
{
    if (!shown_ || !scale_)
        return {};
    const int column = static_cast<int>(std::floor(columnOf(shown_->sample)));
    const int top = static_cast<int>(std::floor(scale_->y0 / kTwips));
    const int bottom = static_cast<int>(std::floor((scale_->y0 + scale_->H) / kTwips));
    // The column and the dot on the curve, which reaches two pixels either side.
    return QRect(column - 2, top, 5, bottom - top + 1);
}

// The plot's pixels inside its frame; the labels and the title lie outside.
chart::Area ChartReadout::plotArea() const
{
    const double left = std::floor(scale_->x0 / kTwips) + 1;
    const double top = std::floor(scale_->y0 / kTwips) + 1;
    return {left, top, std::floor((scale_->x0 + scale_->W) / kTwips) - left,
            std::floor((scale_->y0 + scale_->H) / kTwips) - top};
}

double ChartReadout::columnOf(int sample) const
{
    return scale_->x(state_.Tiempo[static_cast<std::size_t>(sample)]) / kTwips;
}

bool ChartReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != chart_ || !active())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        followPointer(static_cast<QMouseEvent*>(event)->position() - QPointF(pos()));
        return false;
    case QEvent::Leave:
        hideReadout();
        return false;
    case QEvent::FocusOut:
        // The chart's own context menu takes the focus for a moment; the readout stays for it.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            hideReadout();
        return false;
    case QEvent::KeyPress:
        return followKey(static_cast<QKeyEvent*>(event)->key());
    default:
        return false;
    }
}

void ChartReadout::followPointer(QPointF position)
{
    const std::optional<double> hour = chart::hourAtPixel(*scale_, position.x(), position.y());
    if (!hour) {
        hideReadout();
        return;
    }
    showSample(chart::nearestSample(state_, *hour), std::floor(position.y()));
}

bool ChartReadout::followKey(int key)
{
    const int last = state_.NumPuntos.count();
    const int current = shown_ ? shown_->sample : 0;
    int next = 0;
    switch (key) {
    case Qt::Key_Home:
        next = 1;
        break;
    case Qt::Key_End:
        next = last;
        break;
    // With nothing shown yet, the guide comes in from the edge it moves away from.
    case Qt::Key_Right:
        next = current ? std::min(current + 1, last) : 1;
        break;
    case Qt::Key_Left:
        next = current ? std::max(current - 1, 1) : last;
        break;
    case Qt::Key_PageUp:
        next = current ? chart::sampleHoursAway(state_, current, 1) : 1;
        break;
    case Qt::Key_PageDown:
        next = current ? chart::sampleHoursAway(state_, current, -1) : last;
        break;
    default:
        return false;
    }
    // By the keys the box stands beside the curve's point.
    showSample(next, scale_->y(state_.IndiceUV[static_cast<std::size_t>(next)]) / kTwips);
    return true;
}

void ChartReadout::showSample(int sample, double anchorY)
{
    const QRect oldGuide = guideRect();
    const QRect oldBox = box_;
    if (!shown_)
        chartDescription_ = chart_->accessibleDescription();
    shown_ = chart::readoutAt(state_, sample, decimalSeparator_);

    // Beside the guide like a tooltip, clear of the axes' labels.
    const QFontMetrics metrics(font());
    int textWidth = 0;
    const QStringList lines = linesOf(*shown_);
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QSize size(textWidth + 2 * kPadding, static_cast<int>(lines.size()) * metrics.height() + 2 * kPadding);
    const chart::Area place = chart::readoutBoxAt(plotArea(), std::floor(columnOf(sample)), std::floor(anchorY),
                                                  size.width(), size.height(), chart::kReadoutGap);
    box_ = QRect(QPoint(static_cast<int>(place.left), static_cast<int>(place.top)), size);

    update(oldGuide);
    update(oldBox);
    update(guideRect());
    update(box_);
    chart_->setAccessibleDescription(fromUtf8(shown_->sentence()));
}

void ChartReadout::hideReadout()
{
    if (!shown_)
        return;
    update(guideRect());
    update(box_);
    shown_.reset();
    box_ = QRect();
    chart_->setAccessibleDescription(chartDescription_);
}

void ChartReadout::paintEvent(QPaintEvent*)
{
    if (!shown_ || !scale_)
        return;
    QPainter painter(this);
    const QRect guide = guideRect();
    const int column = guide.center().x();
    painter.fillRect(QRect(column, guide.top(), 1, guide.height()), QColor(0, 0, 0, 150));
    const int curveY =
        static_cast<int>(std::floor(scale_->y(state_.IndiceUV[static_cast<std::size_t>(shown_->sample)]) / kTwips));
    painter.fillRect(QRect(column - 2, std::clamp(curveY - 2, guide.top(), guide.bottom() - 4), 5, 5), Qt::black);

    // The desktop's tooltip colours, so it reads as the tooltip it stands for.
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawRect(box_.adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    int baseline = box_.top() + kPadding + metrics.ascent();
    for (const QString& line : linesOf(*shown_)) {
        painter.drawText(box_.left() + kPadding, baseline, line);
        baseline += metrics.height();
    }
}

}  // namespace ui

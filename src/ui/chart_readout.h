// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

#include "chart/escala_grafica.h"
#include "chart/readout.h"
#include "model/form_state.h"

namespace ui {

class PictureBox;

// The chart's readout: a thin guide at one sample of the curve and a small
// box beside it with that hour, the index, its category and whether the hour
// is in the exposure window. It follows the pointer over the plot rectangle
// and the keys on the focused chart (Left/Right a sample, Page Up/Down an
// hour, Home/End the ends), and the screen reader hears it as the chart's
// description while it shows.
//
// It lies over the chart's inner area as a transparent child: a move marks
// only the guide and the box, where they were and where they go, for
// repainting. The chart's drawing is never redrawn for it, only copied back
// to the screen under those strips.
class ChartReadout : public QWidget {
    Q_OBJECT

public:
    ChartReadout(PictureBox* chart, const model::FormState& state, char decimalSeparator);

    // After every drawing of the chart, with the scale it was drawn with: what
    // the readout showed belonged to the old curve, and it follows the new one
    // from now on.
    void chartRedrawn(const chart::EscalaGrafica& scale);

    const std::optional<chart::Readout>& shown() const { return shown_; }
    // The guide's column and the box, in the chart's own pixels; empty when hidden.
    QRect guideRect() const;
    QRect boxRect() const { return box_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool active() const { return scale_.has_value(); }
    void followPointer(QPointF position);
    bool followKey(int key);
    void showSample(int sample, double anchorY);
    void hideReadout();
    double columnOf(int sample) const;
    chart::Area plotArea() const;

    PictureBox* chart_;
    const model::FormState& state_;
    char decimalSeparator_;
    std::optional<chart::EscalaGrafica> scale_;  // set once there is a curve
    std::optional<chart::Readout> shown_;
    QRect box_;
    QString chartDescription_;  // what the chart says of itself when no readout shows
};

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

class QLineEdit;

namespace ui {

// A vertical scroll bar used as a small integer spinner for the box beside it.
// Its ends are named as the program names them: Min is the value at the top
// end and Max the value at the bottom end, and either may be the larger. Qt
// counts a vertical bar from 0 at the top, so the Qt position is the distance
// from the top end; the up arrow then moves toward Min, as the user expects
// when Min is the high end. Values are 16-bit, as the program's bars hold.
//
// Change is raised whenever the value changes, including when the program
// sets it; a thumb drag raises it once, when the thumb is released.
//
// An arrow, a page step or a key starts from the number typed in the bar's
// box when there is one within the ends (see model::stepBar), so the typed
// number is not lost; Change is then raised even where the value stays, for
// the box to show it. Home, End and drags move the bar as Qt does.
class SpinBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SpinBar(QWidget* parent = nullptr);

    void setMin(int value);
    void setMax(int value);
    void setSmallChange(int step);
    void setBarValue(int value);
    // The box whose number the steps start from, read with `decimalSeparator`.
    void stepFrom(const QLineEdit* box, char decimalSeparator);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int barValue() const;

signals:
    void Change();

protected:
    // Qt's scroll bars show no focus; a keyboard user must see it here too.
    void paintEvent(QPaintEvent* event) override;

private:
    void setEnds(int min, int max);
    int clamped(int value) const;
    int positionOf(int value) const;
    void takeTypedNumber(int action);

    int min_ = 0;
    int max_ = 32767;
    const QLineEdit* box_ = nullptr;
    char decimalSeparator_ = '.';
};

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "day/request.h"
#include "layout/estimate_fields.h"
#include "sky/clear_sky.h"
#include "sky/day_shape.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "Estimar el índice máximo del día": the day's maximum UV index under a clear sky
// from the place and the date, for a user without a forecast. The result
// follows every keystroke; a bad field is named where the result would be
// and "Usar" waits until it is mended. The place starts as the last one
// used, else the time zone's; the date is always today. Accepting it (Usar,
// Enter) remembers the place; the caller then takes shownIndex().
class EstimateDialog : public QDialog {
    Q_OBJECT

public:
    EstimateDialog(char decimalSeparator, QWidget* parent);

    struct Fields {
        QLineEdit* latitude = nullptr;
        QLineEdit* longitude = nullptr;
        QLabel* placeOrigin = nullptr;
        QDateEdit* date = nullptr;
        QLineEdit* altitude = nullptr;
        QLineEdit* ozone = nullptr;
        QCheckBox* snow = nullptr;
        QComboBox* cover = nullptr;  // the sky's cover, in kSkyCovers' order
        QComboBox* air = nullptr;    // the air, in kAirs' order
        QComboBox* zone = nullptr;   // editable: any zone name may be typed
        QLabel* zoneHint = nullptr;  // the nearest zone, when the place is far from the chosen one's
        QComboBox* shape = nullptr;  // the day's shape, in kDayShapes' order
        QLabel* warning = nullptr;  // the warning sign beside a bad field's message
        QLabel* result = nullptr;
        QPushButton* use = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Fields& fields() const { return f_; }

    // The estimate as "Indice Máximo" takes it ("10,1"); empty while a field is bad.
    const QString& shownIndex() const { return shownIndex_; }

    // The sun's shape of the day for "Calcular" when it is chosen; none for the bell.
    const std::optional<sky::DayShape>& sunShape() const { return sunShape_; }

    // The fields as the day's request: the dialog wants the estimate, and the
    // sun's day when that shape is chosen.
    day::Request request() const;

    void accept() override;

private:
    using Made = std::array<QWidget*, layout::kEstimateFields.size()>;  // by layout::SkyField
    void build();
    Made makeFields();
    void makeResult();
    QFormLayout* formOf(const Made& made);
    QDialogButtonBox* makeButtons();
    void connectFields();
    void recall();
    void refresh();
    void refuse(const QString& message);

    char decimalSeparator_;
    Fields f_;
    std::optional<sky::SkyInputs> inputs_;  // what the result shows; none while a field is bad
    QString shownIndex_;
    std::optional<sky::DayShape> sunShape_;
};

}  // namespace ui

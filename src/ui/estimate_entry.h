// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QKeySequence>
#include <QPointer>
#include <functional>
#include <optional>

#include "day/request.h"
#include "sky/day_shape.h"

class QAction;
class QLineEdit;
class QMenu;

namespace ui {

class EstimateDialog;

// How "Indice Máximo" offers the clear-sky estimate without a control of its
// own: "Estimar con cielo despejado…" first in the box's context menu, Qt's
// editing entries after it; the same action as a shortcut anywhere in the
// window; and the box's tooltip and description, which say both. "Usar" in
// the dialog writes the rounded estimate into the box and nothing else.
class EstimateEntry : public QObject {
    Q_OBJECT

public:
    // The key: Ctrl+E, the obvious one, already moves to the end of a text
    // box's line on the X11 desktops, so it would never reach the window.
    static QKeySequence shortcut();

    EstimateEntry(QLineEdit* box, char decimalSeparator);

    QAction* action() const { return action_; }
    // The box's context menu as it pops up; the caller owns it.
    QMenu* makeMenu() const;
    // The dialog while it is open, else null.
    EstimateDialog* dialog() const;
    void openDialog();
    // The dialog's fields at the last "Usar", which "Calcular" follows; before
    // the first, none given, each taking its default. Cancelling changes nothing.
    const day::Request& usedRequest() const { return used_; }
    // Told, at each "Usar", the day's shape the dialog chose: the sun's, or none for the bell.
    void onShapeChosen(std::function<void(const std::optional<sky::DayShape>&)> handler)
    {
        shapeChosen_ = std::move(handler);
    }

private:
    void popUpMenu(const QPoint& position);
    void use(const QString& shownIndex);

    QLineEdit* box_;
    char decimalSeparator_;
    QAction* action_;
    QPointer<EstimateDialog> dialog_;
    day::Request used_;
    std::function<void(const std::optional<sky::DayShape>&)> shapeChosen_;
};

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/estimate_entry.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "ui/estimate_dialog.h"

namespace ui {

QKeySequence EstimateEntry::shortcut()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
}

EstimateEntry::EstimateEntry(QLineEdit* box, char decimalSeparator)
    : QObject(box)
    , box_(box)
    , decimalSeparator_(decimalSeparator)
    , action_(new QAction(QStringLiteral("Estimar con cielo despejado…"), this))
{
    action_->setShortcut(shortcut());
    action_->setShortcutContext(Qt::WindowShortcut);
    connect(action_, &QAction::triggered, this, &EstimateEntry::openDialog);
    box_->window()->addAction(action_);

    box_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box_, &QWidget::customContextMenuRequested, this, &EstimateEntry::popUpMenu);

    // The key as the desktop names it ("Ctrl+Mayús+E" with Qt's Spanish texts).
    const QString how = QStringLiteral("Sin pronóstico, estímelo con cielo despejado: %1 o «%2» en el menú de la casilla")
                            .arg(shortcut().toString(QKeySequence::NativeText), action_->text());
    box_->setToolTip(QStringLiteral("El índice UV máximo del día.\n") + how + QLatin1Char('.'));
    box_->setAccessibleDescription(box_->accessibleDescription() + QStringLiteral(". ") + how);
}

QMenu* EstimateEntry::makeMenu() const
{
    QMenu* menu = box_->createStandardContextMenu();
    QAction* first = menu->actions().value(0);
    menu->insertAction(first, action_);
    menu->insertSeparator(first);
    return menu;
}

void EstimateEntry::popUpMenu(const QPoint& position)
{
    QMenu* menu = makeMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(box_->mapToGlobal(position));
}

EstimateDialog* EstimateEntry::dialog() const
{
    return dialog_;
}

void EstimateEntry::openDialog()
{
    if (dialog_) {
        dialog_->activateWindow();
        return;
    }
    auto* dialog = new EstimateDialog(decimalSeparator_, box_->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        use(dialog->shownIndex());
        used_ = dialog->request();
        if (shapeChosen_)
            shapeChosen_(dialog->sunShape());
    });
    // Closed is gone, even before Qt deletes it.
    connect(dialog, &QDialog::finished, this, [this] { dialog_ = nullptr; });
    dialog_ = dialog;
    // Modal to the window, without a nested event loop of its own.
    dialog_->open();
    dialog_->activateWindow();
}

void EstimateEntry::use(const QString& shownIndex)
{
    box_->setText(shownIndex);
    box_->setFocus();
}

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/message_sink.h"

#include <QMessageBox>

namespace ui {
namespace {

void show(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

MessageBoxSink::MessageBoxSink(QWidget* parent)
    : parent_(parent)
{
}

void MessageBoxSink::inform(const QString& title, const QString& text)
{
    show(QMessageBox::NoIcon, title, text, parent_);
}

void MessageBoxSink::warn(const QString& title, const QString& text)
{
    show(QMessageBox::Warning, title, text, parent_);
}

void MessageBoxSink::remind(const QString& title, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

}  // namespace ui

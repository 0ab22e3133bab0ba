// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace ui {

// Where the window's messages go. The window owns one; the real one shows a
// modal box with an OK button, a test answers them itself.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A plain message, no icon: the skin-type request.
    virtual void inform(const QString& title, const QString& text) = 0;
    // Something went wrong and the user should know: a bad number, an unsaved file.
    virtual void warn(const QString& title, const QString& text) = 0;
};

// Modal QMessageBox over `parent`, OK only.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent);
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace ui

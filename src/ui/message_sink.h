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
    // A reminder that comes by itself, from a timer: it must not stop what the
    // user is doing. A plain message unless the sink knows better.
    virtual void remind(const QString& title, const QString& text) { inform(title, text); }
};

// Modal QMessageBox over `parent`, OK only; a reminder's box is not modal
// and the caller does not wait for it.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent);
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
    void remind(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace ui

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "qt/qt_surface.h"
#include "runtime/text_file.h"
#include "ui/form1.h"
#include "ui/picture_box.h"
#include "ui/spin_bar.h"

class QTranslator;

namespace uitest {

// Qt's Spanish texts as the test program installed them at start.
extern QTranslator* qtSpanish;

struct Message {
    enum class Kind { Inform, Warn } kind;
    QString title;
    QString text;
};

// Answers the window's messages at once and keeps them for the test. `onMessage`
// runs while the message would be on screen, to look at the window then.
class RecordingMessages : public ui::MessageSink {
public:
    RecordingMessages(std::vector<Message>& log, std::function<void()>& onMessage)
        : log_(log)
        , onMessage_(onMessage)
    {
    }
    void inform(const QString& title, const QString& text) override { record(Message::Kind::Inform, title, text); }
    void warn(const QString& title, const QString& text) override { record(Message::Kind::Warn, title, text); }

private:
    void record(Message::Kind kind, const QString& title, const QString& text)
    {
        log_.push_back({kind, title, text});
        if (onMessage_)
            onMessage_();
    }
    std::vector<Message>& log_;
    std::function<void()>& onMessage_;
};

// A shown, active window whose data file goes to a fresh folder.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        open('.');
    }

    void open(char decimalSeparator, runtime::FileCalls* fileCalls = nullptr)
    {
        window.reset();
        ui::Form1Options options;
        options.decimalSeparator = decimalSeparator;
        options.dataFilePath = dataFile().toStdString();
        options.messages = std::make_unique<RecordingMessages>(messages, onMessage);
        options.fileCalls = fileCalls;
        if (configure)
            configure(options);
        window = std::make_unique<ui::Form1>(std::move(options));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    const ui::Form1Controls& c() const { return window->controls(); }
    QString dataFile() const { return folder.filePath(QStringLiteral("datos.dat")); }

    QByteArray dataFileContents() const
    {
        QFile file(dataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

public:
    // Replaces a box's text the way a user does: select all, delete, type.
    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

protected:
    void calcular() { QTest::mouseClick(c().Command1, Qt::LeftButton); }

    QTemporaryDir folder;
    // Anything else a test gives the window it opens.
    std::function<void(ui::Form1Options&)> configure;
    std::vector<Message> messages;
    std::function<void()> onMessage;
    std::unique_ptr<ui::Form1> window;
};

}  // namespace uitest

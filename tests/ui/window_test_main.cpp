// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window tests need one QApplication for the whole run and no display.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/qt_spanish.h"

namespace uitest {
QTranslator* qtSpanish = nullptr;
}

int main(int argc, char** argv)
{
    // Test discovery runs this program too, outside the ctest environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The estimate's dialog keeps the last place in the user's settings;
    // the tests keep theirs in a folder of their own.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    // As the program does, so the tests see Qt's texts as the user does.
    uitest::qtSpanish = ui::installSpanishQtTexts(app);
    // Tests close windows on purpose; that must not end the application.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

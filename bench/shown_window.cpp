// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, ending once its window is painted: main() of
// the program plus the quit hook, for bench/startup_compare.sh.
#include <QApplication>

#include "quit_when_shown.h"
#include "qt/decimal_separator.h"
#include "qt/font_configuration.h"
#include "ui/form1.h"
#include "ui/qt_spanish.h"

int main(int argc, char* argv[])
{
    qt::DesktopFontConfiguration fonts;  // read while Qt starts
    QApplication app(argc, argv);
    fonts.install();
    ui::installSpanishQtTexts(app);
    ui::Form1Options options;
    options.decimalSeparator = qt::systemDecimalSeparator();
    ui::Form1 window(std::move(options));
    bench::QuitWhenShown quit(window);
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt Widgets program does to show a window, ending once it is
// painted: the yardstick for bench/startup_compare.sh.
#include <QApplication>
#include <QWidget>

#include "quit_when_shown.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Indice UV");
    window.resize(751, 641);  // the size of the program's window
    bench::QuitWhenShown quit(window);
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

#include <QApplication>

#include "qt/decimal_separator.h"
#include "qt/font_configuration.h"
#include "ui/display_watch.h"
#include "ui/form1.h"
#include "ui/qt_spanish.h"
#include "ui/window_options.h"

namespace {

constexpr int kExitBadOption = 2;

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        switch (ui::windowOptionOf(argv[i])) {
        case ui::WindowOption::Help:
            std::fputs(ui::windowHelpText().c_str(), stdout);
            return 0;
        case ui::WindowOption::Version:
            std::puts("indice-uv " INDICE_UV_VERSION);
            return 0;
        case ui::WindowOption::None:
            break;
        }
    }

    qt::DesktopFontConfiguration fonts;  // read while Qt starts
    ui::DisplayWatch watch;
    QApplication app(argc, argv);
    watch.started();
    // Qt has taken its own options out; whatever is left is none of ours.
    if (argc > 1) {
        std::fprintf(stderr, "Opción desconocida: «%s». Use --help para ver las opciones.\n", argv[1]);
        return kExitBadOption;
    }
    fonts.install();
    ui::installSpanishQtTexts(app);
    // Lets a Wayland desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(INDICE_UV_APP_ID);
    ui::Form1Options options;
    options.decimalSeparator = qt::systemDecimalSeparator();
    ui::Form1 window(std::move(options));
    window.show();
    return app.exec();
}

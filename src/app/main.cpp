// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include <QApplication>

#include "qt/decimal_separator.h"
#include "qt/font_configuration.h"
#include "ui/display_watch.h"
#include "ui/form1.h"
#include "ui/qt_spanish.h"

namespace {

constexpr const char* kUsage =
    "Modo de empleo: indice-uv [opciones]\n"
    "\n"
    "Abre la ventana Indice UV, que calcula la exposición a la radiación ultravioleta\n"
    "de una estancia al sol. Cada «Calcular» escribe la curva del día en el archivo\n"
    "datos.dat de la carpeta de trabajo.\n"
    "\n"
    "Opciones:\n"
    "  --help, --ayuda   muestra esta ayuda\n"
    "  --version         muestra el nombre y la versión del programa\n"
    "\n"
    "También valen las opciones comunes de Qt (por ejemplo -platform offscreen);\n"
    "cualquier otra es un error.\n"
    "\n"
    "La ventana necesita una pantalla gráfica. El cálculo sin ventana, para guiones,\n"
    "lo hace indice-uv-calc.\n"
    "\n"
    "Estado de salida: 0 al cerrar la ventana, 1 si no hay pantalla gráfica,\n"
    "2 si una opción no es válida.\n";

constexpr int kExitBadOption = 2;

bool isAny(const char* argument, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (std::strcmp(argument, name) == 0)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (isAny(argv[i], {"--help", "-h", "--ayuda"})) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (isAny(argv[i], {"--version"})) {
            std::puts("indice-uv " INDICE_UV_VERSION);
            return 0;
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

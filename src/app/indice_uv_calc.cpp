// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// indice-uv-calc: the window's "Calcular" for scripts, reports and batch work.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "cli/companion.h"
#include "qt/decimal_separator.h"
#include "qt/font_configuration.h"

namespace {

// Qt's notes about the session (a missing runtime folder and the like) mean
// nothing to a script reading our output; only real errors get through.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietMessages);
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = cli::parseOptions(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return cli::kExitBadInput;
    }
    const cli::Options& options = std::get<cli::Options>(parsed);

    // Only drawing text into a PNG needs the GUI machinery (fonts); it draws
    // offscreen, so no display is needed.
    std::unique_ptr<QGuiApplication> gui;
    if (options.pngFile) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qt::DesktopFontConfiguration fonts;  // read while Qt starts
        gui = std::make_unique<QGuiApplication>(argc, argv);
        fonts.install();
    }

    const cli::RunResult result = cli::run(options, qt::systemDecimalSeparator());
    std::fputs(result.out.c_str(), stdout);
    std::fputs(result.err.c_str(), stderr);
    return result.exitStatus;
}

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

#include <fontconfig/fontconfig.h>

namespace qt {

// The desktop's font configuration, read on a second thread while Qt starts
// and handed to fontconfig before the first widget asks for a font.
//
// Fontconfig starting itself reads the same configuration (fonts.conf, or the
// file FONTCONFIG_FILE names, with conf.d and the user's own settings), then
// parses every optional rule file it ships, enabled or not, only so that its
// listing tool can describe them; no font, match or rendering setting depends
// on that step. Reading the configuration here skips it, and the rest runs
// beside the application object's construction, which never asks fontconfig.
class DesktopFontConfiguration {
public:
    DesktopFontConfiguration();  // starts reading
    ~DesktopFontConfiguration();
    DesktopFontConfiguration(const DesktopFontConfiguration&) = delete;
    DesktopFontConfiguration& operator=(const DesktopFontConfiguration&) = delete;

    // Waits for the reading and makes it fontconfig's current configuration;
    // call it before the first widget is made. False, and fontconfig is left
    // to start itself as usual, when the configuration could not be read.
    bool install();

private:
    void read();

    FcConfig* config_ = nullptr;
    std::thread reader_;
};

// The launcher's start-up notification token, which Qt takes out of the
// environment while it starts on X11.
inline constexpr const char* kStartupToken = "DESKTOP_STARTUP_ID";

}  // namespace qt

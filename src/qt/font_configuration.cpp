// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/font_configuration.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

namespace qt {
namespace {

// Without a cache folder fontconfig would scan every font file at each start;
// its own start-up then adds default folders, which is left to it.
bool namesCacheFolder(FcConfig* config)
{
    FcStrList* folders = FcConfigGetCacheDirs(config);
    if (folders == nullptr)
        return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

// Fontconfig reads the environment (HOME, XDG_CONFIG_HOME, ...) on the
// reading thread while Qt, starting, takes the launcher's token out of it.
// Removing a variable moves every later one a place up, so a lookup running
// meanwhile could miss one of them; moved to the end, the token has nothing
// after it, and its removal leaves the others where they are.
void moveStartupTokenLast()
{
    if (const char* value = std::getenv(kStartupToken)) {
        const std::string kept = value;
        unsetenv(kStartupToken);
        setenv(kStartupToken, kept.c_str(), 1);  // a new variable goes at the end
    }
}

}  // namespace

DesktopFontConfiguration::DesktopFontConfiguration()
{
    moveStartupTokenLast();
    try {
        reader_ = std::thread(&DesktopFontConfiguration::read, this);
    } catch (const std::system_error&) {
        read();  // no second thread to be had: read it now
    }
}

DesktopFontConfiguration::~DesktopFontConfiguration()
{
    if (reader_.joinable())
        reader_.join();
    if (config_ != nullptr)
        FcConfigDestroy(config_);
}

void DesktopFontConfiguration::read()
{
    FcConfig* config = FcConfigCreate();
    if (config == nullptr)
        return;
    // A null name is fonts.conf, or the file FONTCONFIG_FILE names, as for FcInit.
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) && namesCacheFolder(config) && FcConfigBuildFonts(config))
        config_ = config;
    else
        FcConfigDestroy(config);
}

bool DesktopFontConfiguration::install()
{
    if (reader_.joinable())
        reader_.join();
    FcConfig* config = std::exchange(config_, nullptr);
    if (config == nullptr)
        return false;
    const bool installed = FcConfigSetCurrent(config);
    FcConfigDestroy(config);  // the current configuration holds its own reference
    return installed;
}

}  // namespace qt

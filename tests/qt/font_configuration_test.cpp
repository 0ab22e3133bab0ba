// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font configuration read before Qt starts: the one fontconfig would read
// itself, the file FONTCONFIG_FILE names, or none at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "qt/font_configuration.h"
#include "support/scratch_directory.h"

extern char** environ;

namespace {

// The file a font request resolves to and how it is rendered, as Qt asks
// fontconfig for each face it opens.
std::string resolved(FcConfig* config, const char* request)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr)
        return "no match";
    FcChar8* text = FcPatternFormat(
        match, reinterpret_cast<const FcChar8*>("%{file} %{hintstyle} %{hinting} %{antialias} %{lcdfilter} %{rgba}"));
    std::string seen = reinterpret_cast<const char*>(text);
    FcStrFree(text);
    FcPatternDestroy(match);
    return seen;
}

// The rule files a configuration has read only to describe them, none in use:
// what fontconfig starting itself reads and ours skips.
int describedOnly(FcConfig* config)
{
    int count = 0;
    FcConfigFileInfoIter iter;
    FcConfigFileInfoIterInit(config, &iter);
    do {
        FcChar8* name = nullptr;
        FcChar8* description = nullptr;
        FcBool enabled = FcTrue;
        if (!FcConfigFileInfoIterGet(config, &iter, &name, &description, &enabled))
            break;
        count += enabled ? 0 : 1;
        FcStrFree(name);
        FcStrFree(description);
    } while (FcConfigFileInfoIterNext(config, &iter));
    return count;
}

TEST(DesktopFontConfiguration, ResolvesEveryFaceAsFontconfigItselfWould)
{
    qt::DesktopFontConfiguration fonts;
    ASSERT_TRUE(fonts.install());
    FcConfig* ours = FcConfigGetCurrent();
    FcConfig* own = FcInitLoadConfigAndFonts();  // what fontconfig would start with
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(describedOnly(ours), 0);
    EXPECT_GT(describedOnly(own), 0);
    EXPECT_EQ(FcConfigGetFonts(ours, FcSetSystem)->nfont, FcConfigGetFonts(own, FcSetSystem)->nfont);
    // The window's faces at their sizes, and the generic ones of message boxes and menus.
    for (const char* request : {"Liberation Sans:pixelsize=13", "Liberation Sans:pixelsize=16:weight=bold",
                                "URW Bookman:pixelsize=19:weight=light:slant=italic",
                                "Liberation Sans Narrow:pixelsize=21", "Sans Serif:pixelsize=12",
                                "monospace:pixelsize=13"}) {
        SCOPED_TRACE(request);
        EXPECT_EQ(resolved(ours, request), resolved(own, request));
        EXPECT_TRUE(resolved(ours, request).starts_with("/usr/share/fonts/"));
    }
    FcConfigDestroy(own);
    // A pattern holds its values at an offset from itself, not by pointer, so
    // at exit LeakSanitizer would take the current configuration's for leaks.
    // The program keeps its configuration to the end; the test frees it.
    FcFini();
}

TEST(DesktopFontConfiguration, ReadsTheFileNamedOrLeavesFontconfigAlone)
{
    test_support::ScratchDirectory scratch("font_configuration");
    const std::string file = scratch.file("fonts.conf");
    std::ofstream(file) << "<fontconfig><dir>/usr/share/fonts/truetype/liberation</dir><cachedir>"
                        << scratch.file("cache") << "</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
    qt::DesktopFontConfiguration named;
    ASSERT_TRUE(named.install());
    FcConfig* current = FcConfigGetCurrent();
    EXPECT_TRUE(resolved(current, "Liberation Sans").starts_with("/usr/share/fonts/truetype/liberation/"));
    EXPECT_TRUE(resolved(current, "DejaVu Sans").starts_with("/usr/share/fonts/truetype/liberation/"));

    {
        qt::DesktopFontConfiguration dropped;  // read, never installed
    }
    setenv("FONTCONFIG_FILE", "/nonexistent/fonts.conf", 1);
    qt::DesktopFontConfiguration unreadable;
    EXPECT_FALSE(unreadable.install());
    unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(FcConfigGetCurrent(), current);
}

// Qt takes the launcher's token out of the environment while fontconfig may be
// reading it: the token goes last, value kept, and nothing else moves.
TEST(DesktopFontConfiguration, PutsTheStartupTokenLast)
{
    const auto environment = [] {
        std::vector<std::string> entries;
        for (char** entry = environ; *entry != nullptr; ++entry)
            entries.emplace_back(*entry);
        return entries;
    };
    const std::string token = std::string(qt::kStartupToken) + "=launcher-42_TIME7";
    for (const bool launched : {false, true}) {
        SCOPED_TRACE(launched ? "launched with a token" : "no token");
        if (launched)
            setenv(qt::kStartupToken, "launcher-42_TIME7", 1);
        setenv("INDICE_UV_TEST_AFTER_TOKEN", "1", 1);
        std::vector<std::string> expected = environment();
        if (std::erase(expected, token) > 0)
            expected.push_back(token);
        {
            qt::DesktopFontConfiguration fonts;
            EXPECT_EQ(environment(), expected);
        }
        unsetenv(qt::kStartupToken);
        unsetenv("INDICE_UV_TEST_AFTER_TOKEN");
    }
}

}  // namespace

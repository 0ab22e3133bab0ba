// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font configuration read before Qt starts is the one fontconfig would
// read itself, less the descriptions of the rule files nobody enabled.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/scratch_directory.h"
#include "ui/font_configuration.h"

extern char** environ;

namespace {

// Sets an environment variable for one scope and puts it back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct ConfigFile {
    std::string name;
    bool enabled;
    bool operator==(const ConfigFile&) const = default;
};

// The configuration files a configuration has read, with whether each is in use.
std::vector<ConfigFile> configFiles(FcConfig* config)
{
    std::vector<ConfigFile> files;
    FcConfigFileInfoIter iter;
    FcConfigFileInfoIterInit(config, &iter);
    do {
        FcChar8* name = nullptr;
        FcChar8* description = nullptr;
        FcBool enabled = FcFalse;
        if (!FcConfigFileInfoIterGet(config, &iter, &name, &description, &enabled))
            break;
        files.push_back({reinterpret_cast<const char*>(name), enabled == FcTrue});
        FcStrFree(name);
        FcStrFree(description);
    } while (FcConfigFileInfoIterNext(config, &iter));
    return files;
}

// What a font request resolves to in a configuration: the file and how it is
// rendered, as Qt asks fontconfig for each face it opens.
std::vector<std::string> resolved(FcConfig* config, const char* request)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::vector<std::string> seen;
    for (const char* object : {FC_FILE, FC_HINT_STYLE, FC_HINTING, FC_ANTIALIAS, FC_LCD_FILTER, FC_RGBA}) {
        FcChar8* text = match ? FcPatternFormat(match, reinterpret_cast<const FcChar8*>(
                                                            (std::string("%{") + object + "}").c_str()))
                              : nullptr;
        seen.push_back(std::string(object) + "=" + (text ? reinterpret_cast<const char*>(text) : "?"));
        FcStrFree(text);
    }
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return seen;
}

TEST(DesktopFontConfiguration, IsFontconfigsOwnLessTheDescriptionsOfUnusedRules)
{
    ui::DesktopFontConfiguration fonts;
    ASSERT_TRUE(fonts.install());
    FcConfig* ours = FcConfigGetCurrent();
    FcConfig* own = FcInitLoadConfigAndFonts();  // what fontconfig would start with
    ASSERT_NE(own, nullptr);

    std::vector<ConfigFile> enabled;
    std::vector<ConfigFile> described;
    for (const ConfigFile& file : configFiles(own))
        (file.enabled ? enabled : described).push_back(file);
    EXPECT_EQ(configFiles(ours), enabled);
    EXPECT_FALSE(described.empty()) << "fontconfig no longer reads rule descriptions at start";

    EXPECT_EQ(FcConfigGetFonts(ours, FcSetSystem)->nfont, FcConfigGetFonts(own, FcSetSystem)->nfont);
    // The window's faces at their sizes, and the desktop's generic ones the
    // message boxes and menus use.
    for (const char* request : {"Liberation Sans:pixelsize=13", "Liberation Sans:pixelsize=16:weight=bold",
                                "URW Bookman:pixelsize=19:weight=light:slant=italic",
                                "Liberation Sans Narrow:pixelsize=21", "Sans Serif:pixelsize=12",
                                "monospace:pixelsize=13"}) {
        SCOPED_TRACE(request);
        EXPECT_EQ(resolved(ours, request), resolved(own, request));
        EXPECT_NE(resolved(ours, request).front(), "file=?");
    }
    FcConfigDestroy(own);
}

TEST(DesktopFontConfiguration, ReadsTheFileFontconfigFileNames)
{
    test_support::ScratchDirectory scratch("font_configuration");
    const std::string file = scratch.file("fonts.conf");
    std::ofstream(file) << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                        << "  <dir>/usr/share/fonts/truetype/liberation</dir>\n"
                        << "  <cachedir>" << scratch.file("cache") << "</cachedir>\n</fontconfig>\n";
    const ScopedVariable named("FONTCONFIG_FILE", file);

    ui::DesktopFontConfiguration fonts;
    ASSERT_TRUE(fonts.install());
    FcConfig* current = FcConfigGetCurrent();
    EXPECT_EQ(configFiles(current), (std::vector<ConfigFile>{{file, true}}));
    const FcFontSet* set = FcConfigGetFonts(current, FcSetSystem);
    ASSERT_GT(set->nfont, 0);
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        ASSERT_EQ(FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family), FcResultMatch);
        EXPECT_TRUE(std::string_view(reinterpret_cast<const char*>(family)).starts_with("Liberation"));
    }
}

TEST(DesktopFontConfiguration, LeavesFontconfigAloneUnlessInstalledAndReadable)
{
    FcConfig* before = FcConfigGetCurrent();
    {
        ui::DesktopFontConfiguration dropped;  // read, never installed
    }
    EXPECT_EQ(FcConfigGetCurrent(), before);

    const ScopedVariable missing("FONTCONFIG_FILE", "/nonexistent/fonts.conf");
    ui::DesktopFontConfiguration unreadable;
    EXPECT_FALSE(unreadable.install());
    EXPECT_EQ(FcConfigGetCurrent(), before);
}

// Qt takes the launcher's token out of the environment while fontconfig may be
// reading it; the token goes last, value kept, and nothing else moves.
TEST(DesktopFontConfiguration, PutsTheStartupTokenLast)
{
    const auto environment = [] {
        std::vector<std::string> entries;
        for (char** entry = environ; *entry != nullptr; ++entry)
            entries.emplace_back(*entry);
        return entries;
    };
    for (const bool launched : {false, true}) {
        SCOPED_TRACE(launched ? "launched with a token" : "no token");
        std::optional<ScopedVariable> token;
        if (launched)
            token.emplace(ui::kStartupToken, "launcher-42_TIME7");
        const ScopedVariable after("INDICE_UV_TEST_AFTER_TOKEN", "1");
        std::vector<std::string> expected = environment();
        const std::string entry = std::string(ui::kStartupToken) + "=launcher-42_TIME7";
        if (launched) {
            std::erase(expected, entry);
            expected.push_back(entry);
        }

        ui::DesktopFontConfiguration fonts;
        EXPECT_EQ(environment(), expected);
        fonts.install();
    }
}

}  // namespace

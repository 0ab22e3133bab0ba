// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/calcular.h"
#include "model/data_file.h"
#include "support/scratch_directory.h"

namespace model {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using test_support::readFile;

// What datos.dat must hold after a complete press with these texts.
std::string completeFile(const InputTexts& texts)
{
    FormState state;
    return std::get<CalcularResult>(Calcular(texts, '.', state)).datos;
}

// A press of "Calcular" as the window makes it: the curve computed, then saved.
bool press(const InputTexts& texts, FormState& state, const std::string& datos)
{
    return saveDataFile(std::get<CalcularResult>(Calcular(texts, '.', state)).datos, datos).saved;
}

std::vector<std::string> filesIn(const fs::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    return names;
}

// A process killed outright in the middle of "Calcular", at any moment, must
// leave datos.dat as the previous complete file or the new complete file, and
// whatever it left behind must be gone after the next press.
TEST(DatosCrash, AKilledPressLeavesAWholeFileAndTheNextPressCleansUp)
{
    const test_support::ScratchDirectory scratch("datos_crash_test");
    const fs::path& directory = scratch.path();
    const std::string datos = (directory / kDataFileName).string();
    const fs::path temporary = directory / ".datos.dat.tmp";

    // Two presses whose files differ, so that "previous" and "new" can be told apart.
    const InputTexts presses[2] = {{"10", "11", "2", "3", "0", "0"}, {"11", "11", "2", "3", "0", "0"}};
    const std::string complete[2] = {completeFile(presses[0]), completeFile(presses[1])};
    ASSERT_NE(complete[0], complete[1]);

    // One press takes this long here; the kills are spread over a few of them.
    FormState state;
    const auto started = Clock::now();
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(press(presses[k % 2], state, datos));
    const auto pressMicroseconds =
        std::max<long>(1, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count() / 4);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, 2 * pressMicroseconds);

    // Enough kills must land while the new file is being written, or the test
    // proves nothing; on a fast disk that window is short, so keep going.
    constexpr int kKills = 200;
    constexpr int kKillsWhileWriting = 20;
    constexpr int kMostKills = 2000;
    int kills = 0;
    int whileWriting = 0;
    int lastPress = 1;
    for (; kills < kMostKills && (kills < kKills || whileWriting < kKillsWhileWriting); ++kills) {
        // The child says when its first press is done, so that the fork and
        // the first touches of its copied memory do not eat into the delay.
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(started[0]);
            FormState childState;
            press(presses[(lastPress + 1) % 2], childState, datos);
            if (::write(started[1], "!", 1) != 1)
                ::_exit(1);
            for (int k = lastPress;; ++k)
                press(presses[k % 2], childState, datos);
        }
        ::close(started[1]);
        char signal = 0;
        const bool childStarted = ::read(started[0], &signal, 1) == 1;
        ::close(started[0]);
        ASSERT_TRUE(childStarted);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended on its own";

        const std::string left = readFile(datos);
        ASSERT_TRUE(left == complete[0] || left == complete[1])
            << "after kill " << kills << " datos.dat holds " << left.size() << " bytes of something else";
        if (fs::exists(temporary))
            ++whileWriting;

        lastPress = kills % 2;
        ASSERT_TRUE(press(presses[lastPress], state, datos));
        ASSERT_EQ(readFile(datos), complete[lastPress]);
        ASSERT_EQ(filesIn(directory), std::vector<std::string>{kDataFileName}) << "after kill " << kills;
    }
    EXPECT_GE(kills, kKills);
    EXPECT_GE(whileWriting, kKillsWhileWriting) << "too few kills landed while the file was being written";
    std::printf("%d kills, %d while the new file was being written (%ld us a press)\n", kills, whileWriting,
                pressMicroseconds);
}

}  // namespace
}  // namespace model

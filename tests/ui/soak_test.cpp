// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Many presses of "Calcular" in one window, with inputs that change every
// time, refusals and the skin-type message among them: the window must not
// keep memory or file descriptors from one press to the next.
//
// INDICE_UV_SOAK_PRESSES sets the number of presses (10,000 by default). The
// memory bound is checked only without AddressSanitizer, whose quarantine holds
// freed memory on purpose; there LeakSanitizer looks for leaks at exit instead.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

#include "qt/decimal_separator.h"
#include "ui/form1.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeaningful = false;
#else
constexpr bool kMemoryIsMeaningful = true;
#endif

constexpr long kAllowedGrowthBytes = 2L * 1024 * 1024;
constexpr int kSettlePresses = 1000;

long residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

long openDescriptors()
{
    long count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

int pressCount()
{
    const QByteArray text = qgetenv("INDICE_UV_SOAK_PRESSES");
    bool ok = false;
    const int count = text.toInt(&ok);
    return ok && count > kSettlePresses ? count : 10000;
}

class CountingMessages : public ui::MessageSink {
public:
    CountingMessages(int& informs, int& warns)
        : informs_(informs)
        , warns_(warns)
    {
    }
    void inform(const QString&, const QString&) override { ++informs_; }
    void warn(const QString&, const QString&) override { ++warns_; }

private:
    int& informs_;
    int& warns_;
};

// Six box texts per press: mostly ordinary numbers in the window's separator,
// now and then a text the window refuses, a skin type it asks again for, or
// an extreme that the chart still has to draw.
class Inputs {
public:
    explicit Inputs(char separator)
        : separator_(separator)
    {
    }

    std::array<QString, 6> next()
    {
        std::array<QString, 6> texts = {
            number(pick(0.5, 18.0, 1)), number(pick(0, 22, 0)), number(pick(0.5, 10, 1)),
            number(pick(1, 6, 0)),      number(pick(-500, 4000, 0)), number(pick(-30, 30, 1)),
        };
        switch (std::uniform_int_distribution<int>(0, 9)(random_)) {
        case 0:
            texts[box()] = oneOf({"abc", "", "1e39", "--1", "3;5", " "});
            break;
        case 1:
            texts[3] = oneOf({"7", "0", number(2.5), "-1", number(6.5)});
            break;
        case 2:
            texts[0] = oneOf({"1e30", "-3", "0", number(99999.9)});
            break;
        case 3:
            texts[2] = oneOf({"0", "100", number(0.01)});
            break;
        default:
            break;
        }
        return texts;
    }

private:
    double pick(double low, double high, int decimals)
    {
        double value = std::uniform_real_distribution<double>(low, high)(random_);
        const double scale = decimals == 0 ? 1.0 : 10.0;
        return std::round(value * scale) / scale;
    }
    QString number(double value) const
    {
        QString text = QString::number(value, 'g', 8);
        return text.replace('.', QChar::fromLatin1(separator_));
    }
    std::size_t box() { return std::uniform_int_distribution<std::size_t>(0, 5)(random_); }
    QString oneOf(std::initializer_list<QString> texts)
    {
        const auto at = std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(random_);
        return *(texts.begin() + at);
    }

    char separator_;
    std::mt19937 random_{20260};
};

// Every press saves datos.dat and waits for the disk; memory is the quicker
// disk, and what the soak looks at does not depend on which one it is.
QString scratchFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/indice-uv-soak-XXXXXX") : QString();
}

TEST(Soak, ManyPressesKeepNeitherMemoryNorFileDescriptors)
{
    const QString scratch = scratchFolder();
    QTemporaryDir folder = scratch.isEmpty() ? QTemporaryDir() : QTemporaryDir(scratch);
    ASSERT_TRUE(folder.isValid());
    int informs = 0;
    int warns = 0;
    ui::Form1Options options;
    options.decimalSeparator = qt::systemDecimalSeparator();
    options.dataFilePath = folder.filePath(QStringLiteral("datos.dat")).toStdString();
    options.messages = std::make_unique<CountingMessages>(informs, warns);
    ui::Form1 window(std::move(options));
    window.show();
    QApplication::processEvents();

    const ui::Form1Controls& c = window.controls();
    QLineEdit* const boxes[] = {c.Text1, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6};
    Inputs inputs(qt::systemDecimalSeparator());
    const int presses = pressCount();
    long descriptorsAfterFirst = 0;
    long residentAfterSettling = 0;
    int results = 0;
    for (int press = 1; press <= presses; ++press) {
        const auto texts = inputs.next();
        for (std::size_t i = 0; i < texts.size(); ++i)
            boxes[i]->setText(texts[i]);
        const QString before = c.Label4->text();
        c.Command1->click();
        if (c.Label4->text() != before)
            ++results;
        // Let the chart and the boxes repaint as they would on screen.
        QApplication::processEvents();
        if (press == 1)
            descriptorsAfterFirst = openDescriptors();
        if (press == kSettlePresses)
            residentAfterSettling = residentBytes();
    }
    const long residentAtEnd = residentBytes();
    const long descriptorsAtEnd = openDescriptors();

    std::printf("soak: %d presses, %d results changed, %d skin-type messages, %d warnings\n", presses, results, informs,
                warns);
    std::printf("soak: resident memory at press %d: %.2f MB, at press %d: %.2f MB, growth %.3f MB\n", kSettlePresses,
                residentAfterSettling / 1048576.0, presses, residentAtEnd / 1048576.0,
                (residentAtEnd - residentAfterSettling) / 1048576.0);
    std::printf("soak: open file descriptors after press 1: %ld, at the end: %ld\n", descriptorsAfterFirst,
                descriptorsAtEnd);

    // The mix really went through every path.
    EXPECT_GT(informs, presses / 50);
    EXPECT_GT(warns, presses / 50);
    EXPECT_GT(results, presses / 2);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"datos.dat"});

    EXPECT_EQ(descriptorsAtEnd, descriptorsAfterFirst);
    ASSERT_GT(residentAfterSettling, 0) << "/proc/self/statm unreadable";
    if (kMemoryIsMeaningful) {
        EXPECT_LE(residentAtEnd - residentAfterSettling, kAllowedGrowthBytes);
    }
}

}  // namespace

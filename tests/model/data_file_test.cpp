// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/data_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/curve.h"
#include "support/scratch_directory.h"

namespace model {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> crlfLines(const fs::path& path)
{
    const std::string text = test_support::readFile(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

class DataFileTest : public testing::Test {
protected:
    test_support::ScratchDirectory scratch_{"data_file_test"};
    const std::string path_ = scratch_.file(kDataFileName);
    runtime::FileCalls calls_;
};

TEST(DataFileLine, TimeThenIndexInTheSecondPrintZone)
{
    EXPECT_EQ(dataFileLine(6.014, 0.00251, '.'), "6.014         0.0025");
    EXPECT_EQ(dataFileLine(13, 10, '.'), "13.000        10.0000");
    EXPECT_EQ(dataFileLine(6.014, 0.00251, ','), "6,014         0,0025");
    EXPECT_EQ(dataFileLine(13, -9.4, ','), "13,000        -9,4000");
    // An index item longer than a zone still starts in column 15.
    EXPECT_EQ(dataFileLine(13, 1e20, '.').substr(0, 15), "13.000        1");
}

TEST_F(DataFileTest, HoldsTheThousandSamplesInBothLocales)
{
    FormState state;
    sampleCurve(10, state);

    ASSERT_TRUE(writeDataFile(state, '.', path_, calls_).saved);
    std::vector<std::string> lines = crlfLines(path_);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[0], "6.014         0.0025");
    EXPECT_EQ(lines[284].substr(0, 14), "9.990         ");
    EXPECT_EQ(lines[285].substr(0, 14), "10.004        ");
    EXPECT_EQ(lines[499], "13.000        10.0000");
    EXPECT_EQ(lines[999], "20.000        0.0024");

    // A second write replaces the file: 1000 lines, not 2000.
    ASSERT_TRUE(writeDataFile(state, ',', path_, calls_).saved);
    lines = crlfLines(path_);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[0], "6,014         0,0025");
    EXPECT_EQ(lines[499], "13,000        10,0000");
    EXPECT_EQ(lines[999], "20,000        0,0024");
}

TEST_F(DataFileTest, AZeroMaximumGivesZeroIndices)
{
    FormState state;
    sampleCurve(0, state);
    ASSERT_TRUE(writeDataFile(state, '.', path_, calls_).saved);
    const std::vector<std::string> lines = crlfLines(path_);
    ASSERT_EQ(lines.size(), 1000u);
    for (const std::string& line : lines)
        ASSERT_EQ(line.substr(14), "0.0000") << line;
}

// A FIFO named datos.dat hands the curve to the program reading it, and
// stays a FIFO for the next press.
TEST_F(DataFileTest, AFifoWithAReaderReceivesTheThousandLines)
{
    FormState state;
    sampleCurve(10, state);
    ASSERT_TRUE(writeDataFile(state, ',', path_, calls_).saved);
    const std::string asAFile = test_support::readFile(path_);
    fs::remove(path_);

    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const int reader = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    // The 1000 lines fit in the FIFO's buffer, so the save need not wait for the reads.
    ASSERT_TRUE(writeDataFile(state, ',', path_, calls_).saved);
    std::string received;
    char buffer[4096];
    for (ssize_t got; (got = ::read(reader, buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    ::close(reader);
    EXPECT_EQ(received, asAFile);
    EXPECT_TRUE(fs::is_fifo(path_));
}

}  // namespace
}  // namespace model

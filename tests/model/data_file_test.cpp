// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/data_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/curve.h"
#include "model/curve_csv.h"
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

    ASSERT_TRUE(saveDataFile(dataFileContents(state, '.'), path_, calls_).saved);
    std::vector<std::string> lines = crlfLines(path_);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[0], "6.014         0.0025");
    EXPECT_EQ(lines[284].substr(0, 14), "9.990         ");
    EXPECT_EQ(lines[285].substr(0, 14), "10.004        ");
    EXPECT_EQ(lines[499], "13.000        10.0000");
    EXPECT_EQ(lines[999], "20.000        0.0024");

    // A second write replaces the file: 1000 lines, not 2000.
    ASSERT_TRUE(saveDataFile(dataFileContents(state, ','), path_, calls_).saved);
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
    ASSERT_TRUE(saveDataFile(dataFileContents(state, '.'), path_, calls_).saved);
    const std::vector<std::string> lines = crlfLines(path_);
    ASSERT_EQ(lines.size(), 1000u);
    for (const std::string& line : lines)
        ASSERT_EQ(line.substr(14), "0.0000") << line;
}

// The CSV keeps what datos.dat rounds: each row reads back as the exact
// sample, with the columns split where the locale's spreadsheets split them.
TEST_F(DataFileTest, CsvHoldsEverySampleExactlyInBothLocales)
{
    FormState state;
    sampleCurve(10, state);
    for (const auto& [decimal, column] : {std::pair{'.', ','}, std::pair{',', ';'}}) {
        const std::string csv = scratch_.file(std::string("curva") + decimal + ".csv");
        ASSERT_TRUE(writeCurveCsv(state, decimal, csv, calls_).saved);
        const std::vector<std::string> lines = crlfLines(csv);
        ASSERT_EQ(lines.size(), 1001u);
        EXPECT_EQ(lines[0], std::string("hora") + column + "indice_uv");
        EXPECT_EQ(lines[500], std::string("13") + column + "10");
        for (int i = 1; i <= kSampleCount; ++i) {
            std::string row = lines[static_cast<std::size_t>(i)];
            const auto split = row.find(column);
            ASSERT_NE(split, std::string::npos) << row;
            ASSERT_EQ(row.find(column, split + 1), std::string::npos) << row;
            std::replace(row.begin(), row.end(), decimal, '.');
            ASSERT_EQ(std::strtod(row.substr(0, split).c_str(), nullptr), state.Tiempo[i]) << row;
            ASSERT_EQ(std::strtod(row.substr(split + 1).c_str(), nullptr), state.IndiceUV[i]) << row;
        }
    }
}

// What a spreadsheet's CSV reader makes of it: Python's csv module, told each
// locale's column separator, reads a header and 1000 numbers of two columns.
TEST_F(DataFileTest, PythonsCsvReaderTakesItInBothLocales)
{
    FormState state;
    sampleCurve(7.5, state);
    const std::string script = scratch_.file("read.py");
    std::ofstream(script) << "import csv, sys\n"
                             "path, column, decimal = sys.argv[1:4]\n"
                             "with open(path, newline='', encoding='utf-8') as f:\n"
                             "    rows = list(csv.reader(f, delimiter=column, strict=True))\n"
                             "assert rows[0] == ['hora', 'indice_uv'], rows[0]\n"
                             "for row in rows[1:]:\n"
                             "    assert len(row) == 2, row\n"
                             "    print(*(repr(float(x.replace(decimal, '.'))) for x in row))\n";
    for (const char decimal : {'.', ','}) {
        const std::string csv = scratch_.file(std::string("curva") + decimal + ".csv");
        ASSERT_TRUE(writeCurveCsv(state, decimal, csv, calls_).saved);
        const std::string command = "/usr/bin/python3 " + script + " " + csv + " '"
            + csvColumnSeparator(decimal) + "' '" + decimal + "'";
        FILE* python = ::popen(command.c_str(), "r");
        ASSERT_NE(python, nullptr);
        int rows = 0;
        double tiempo = 0;
        double indice = 0;
        while (std::fscanf(python, "%lf %lf", &tiempo, &indice) == 2) {
            ++rows;
            ASSERT_LE(rows, kSampleCount);
            EXPECT_EQ(tiempo, state.Tiempo[rows]) << rows;
            EXPECT_EQ(indice, state.IndiceUV[rows]) << rows;
        }
        EXPECT_EQ(::pclose(python), 0) << "with " << decimal;
        EXPECT_EQ(rows, kSampleCount) << "with " << decimal;
    }
}

// A FIFO named datos.dat hands the curve to the program reading it, and
// stays a FIFO for the next press.
TEST_F(DataFileTest, AFifoWithAReaderReceivesTheThousandLines)
{
    FormState state;
    sampleCurve(10, state);
    ASSERT_TRUE(saveDataFile(dataFileContents(state, ','), path_, calls_).saved);
    const std::string asAFile = test_support::readFile(path_);
    fs::remove(path_);

    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const int reader = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    // The 1000 lines fit in the FIFO's buffer, so the save need not wait for the reads.
    ASSERT_TRUE(saveDataFile(dataFileContents(state, ','), path_, calls_).saved);
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

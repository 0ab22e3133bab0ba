#include "model/data_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "model/curve.h"

namespace model {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> crlfLines(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

class DataFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("data_file_test_" + std::to_string(::getpid()));
        fs::create_directories(directory_);
        path_ = (directory_ / kDataFileName).string();
    }
    void TearDown() override { fs::remove_all(directory_); }

    fs::path directory_;
    std::string path_;
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

}  // namespace
}  // namespace model

// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

class CartomancyReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("cartomancy-report-" + std::to_string(::getpid()) + "-" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // Arguments are test-controlled and passed through the shell as they stand.
    RunResult run(const std::string& arguments) const
    {
        const fs::path out = m_folder / "stdout.txt";
        const fs::path err = m_folder / "stderr.txt";
        const std::string command = std::string(CARTOMANCY_REPORT_PATH) + " " + arguments + " >" + out.string() +
                                    " 2>" + err.string();
        const int status = std::system(command.c_str());
        RunResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readFile(out);
        result.err = readFile(err);
        return result;
    }

    fs::path m_folder;
};

TEST_F(CartomancyReportTest, SameSeed_GivesSameBytes_DifferentSeedDiffers)
{
    const RunResult first = run("--spread 17 --seed 42");
    const RunResult second = run("--spread 17 --seed 42");
    const RunResult other = run("--spread 17 --seed 43");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_TRUE(first.out.starts_with("{\\rtf1\\ansi"));
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(first.out, other.out);
}

TEST_F(CartomancyReportTest, SpreadByName_EqualsSpreadByIndex)
{
    const RunResult byIndex = run("--spread 10 --seed 7");
    const RunResult byName = run("--spread 'The Celtic Cross Spread' --seed 7");
    ASSERT_EQ(byIndex.exitCode, 0) << byIndex.err;
    EXPECT_EQ(byIndex.out, byName.out);
    EXPECT_NE(byIndex.out.find("The Celtic Cross Spread"), std::string::npos);
    EXPECT_NE(byIndex.out.find("{\\pict\\wmetafile8"), std::string::npos);
}

TEST_F(CartomancyReportTest, Output_WritesFileAndReplacesExistingOne)
{
    const fs::path target = m_folder / "reading.rtf";
    std::ofstream(target) << "old contents";
    const RunResult result = run("--spread 0 --seed 1 --output " + target.string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(readFile(target), run("--spread 0 --seed 1").out);
    // Only the stdout/stderr captures and the report remain: no temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 3);
}

TEST_F(CartomancyReportTest, BadInput_FailsWithOneLineErrorAndStatusTwo)
{
    for (const std::string arguments :
         {"--spread 18", "--spread -1", "--spread 'single card lay'", "--spread 3 --seed -5", "--spread 3 --seed x",
          "--spread 3 --seed 99999999999999999999999", "", "--frobnicate", "--spread"}) {
        SCOPED_TRACE(arguments);
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.empty());
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    }
}

TEST_F(CartomancyReportTest, UnwritableOutput_FailsAndKeepsExistingFile)
{
    const RunResult missingFolder = run("--spread 2 --output " + (m_folder / "no-such-folder" / "r.rtf").string());
    EXPECT_EQ(missingFolder.exitCode, 2);
    EXPECT_FALSE(missingFolder.err.empty());

    const RunResult intoFolder = run("--spread 2 --output " + m_folder.string());
    EXPECT_EQ(intoFolder.exitCode, 2);
    EXPECT_TRUE(fs::is_directory(m_folder));
}

TEST_F(CartomancyReportTest, ListSpreads_ShowsEighteenNamesWithCounts)
{
    const RunResult result = run("--list-spreads");
    ASSERT_EQ(result.exitCode, 0);
    std::istringstream lines(result.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        ++count;
    EXPECT_EQ(count, 18);
    EXPECT_NE(result.out.find("0\tSingle Card Lay\t1 card\n"), std::string::npos);
    EXPECT_NE(result.out.find("17\tGypsy / Romany Spread\t21 cards"), std::string::npos);
    EXPECT_EQ(run("--help").exitCode, 0);
}

} // namespace

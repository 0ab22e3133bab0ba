// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/text_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_directory.h"

#include <sys/wait.h>
#include <unistd.h>

namespace runtime {
namespace {

namespace fs = std::filesystem;

using test_support::readFile;

void writeAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class TextFileWriterTest : public testing::Test {
protected:

    // Every file in the directory: the target and nothing beside it.
    std::vector<std::string> filesInDirectory() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test_support::ScratchDirectory scratch_{"text_file_test"};
    const fs::path& directory_ = scratch_.path();
};

TextFileWriter twoLines(const fs::path& path)
{
    TextFileWriter file(path.string());
    file.writeLine("uno");
    file.writeLine("dos");
    return file;
}

// Makes one system call fail with a given error, as a full disk or a broken
// device would, and passes every other call through.
class FailingCalls : public FileCalls {
public:
    enum class Step { Open, Write, ShortWritesThenFail, Sync, Close, Rename };
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int openForWriting(const char* path, mode_t mode) override
    {
        return step_ == Step::Open ? fail() : FileCalls::openForWriting(path, mode);
    }
    ssize_t write(int fd, const void* data, size_t size) override
    {
        if (step_ == Step::Write)
            return fail();
        if (step_ == Step::ShortWritesThenFail)
            return ++writes_ < 3 ? FileCalls::write(fd, data, 1) : fail();
        return FileCalls::write(fd, data, size);
    }
    int sync(int fd) override { return step_ == Step::Sync ? fail() : FileCalls::sync(fd); }
    int close(int fd) override
    {
        const int result = FileCalls::close(fd);
        return step_ == Step::Close ? fail() : result;
    }
    int rename(const char* from, const char* to) override
    {
        return step_ == Step::Rename ? fail() : FileCalls::rename(from, to);
    }

private:
    int fail()
    {
        errno = error_;
        return -1;
    }
    Step step_;
    int error_;
    int writes_ = 0;
};

TEST_F(TextFileWriterTest, SavesLinesWithCrLfAndLeavesNothingBeside)
{
    const fs::path target = directory_ / "datos.dat";
    EXPECT_TRUE(twoLines(target).save().saved);
    EXPECT_EQ(readFile(target), "uno\r\ndos\r\n");
    EXPECT_EQ(filesInDirectory(), std::vector<std::string>{"datos.dat"});

    // A second save replaces the file whole rather than appending.
    TextFileWriter other(target.string());
    other.writeLine("tres");
    EXPECT_TRUE(other.save().saved);
    EXPECT_EQ(readFile(target), "tres\r\n");
}

TEST_F(TextFileWriterTest, StaleTemporaryFileFromACrashIsReused)
{
    writeAll(directory_ / ".datos.dat.tmp", "half a file");
    EXPECT_TRUE(twoLines(directory_ / "datos.dat").save().saved);
    EXPECT_EQ(filesInDirectory(), std::vector<std::string>{"datos.dat"});
}

TEST_F(TextFileWriterTest, ReplacedFileKeepsItsPermissions)
{
    const fs::path target = directory_ / "datos.dat";
    writeAll(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(twoLines(target).save().saved);
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(TextFileWriterTest, SymbolicLinkStaysAndItsTargetIsReplaced)
{
    fs::create_directories(directory_ / "real");
    const fs::path real = directory_ / "real" / "curve.txt";
    writeAll(real, "old");
    const fs::path link = directory_ / "datos.dat";
    fs::create_symlink("real/curve.txt", link);

    ASSERT_TRUE(twoLines(link).save().saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), "uno\r\ndos\r\n");
    EXPECT_EQ(filesInDirectory(), (std::vector<std::string>{"datos.dat", "real"}));
}

struct InjectedFailure {
    const char* name;
    FailingCalls::Step step;
    int error;
    const char* reason;
};

class TextFileWriterFailure : public TextFileWriterTest,
                              public testing::WithParamInterface<InjectedFailure> {};

TEST_P(TextFileWriterFailure, KeepsThePreviousFileAndSaysWhy)
{
    const InjectedFailure& row = GetParam();
    const fs::path target = directory_ / "datos.dat";
    const std::string previous = "6.014         0.0025\r\n";
    writeAll(target, previous);

    FailingCalls calls(row.step, row.error);
    const SaveOutcome outcome = twoLines(target).save(calls);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.reason, row.reason);
    EXPECT_EQ(readFile(target), previous);
    EXPECT_EQ(filesInDirectory(), std::vector<std::string>{"datos.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    Injected, TextFileWriterFailure,
    testing::Values(
        InjectedFailure{"OpenDenied", FailingCalls::Step::Open, EACCES, "permiso denegado"},
        InjectedFailure{"DiskFull", FailingCalls::Step::Write, ENOSPC, "no queda espacio en el disco"},
        InjectedFailure{"DiskFullAfterShortWrites", FailingCalls::Step::ShortWritesThenFail, ENOSPC,
                        "no queda espacio en el disco"},
        InjectedFailure{"SyncFails", FailingCalls::Step::Sync, EIO, "error de entrada/salida del disco"},
        InjectedFailure{"CloseFails", FailingCalls::Step::Close, EIO, "error de entrada/salida del disco"},
        InjectedFailure{"RenameFails", FailingCalls::Step::Rename, EROFS,
                        "el sistema de archivos es de solo lectura"}),
    [](const testing::TestParamInfo<InjectedFailure>& info) { return std::string(info.param.name); });

TEST_F(TextFileWriterTest, RealFailuresAreReported)
{
    // A directory where the file should be: nothing is written into it.
    const fs::path directoryNamedLikeTheFile = directory_ / "datos.dat";
    fs::create_directories(directoryNamedLikeTheFile / "inside");
    const SaveOutcome onDirectory = twoLines(directoryNamedLikeTheFile).save();
    EXPECT_FALSE(onDirectory.saved);
    EXPECT_EQ(onDirectory.reason, "existe un directorio con ese nombre");
    EXPECT_TRUE(fs::is_directory(directoryNamedLikeTheFile / "inside"));

    // A folder that does not exist.
    const SaveOutcome missing = twoLines(directory_ / "no-such-folder" / "datos.dat").save();
    EXPECT_FALSE(missing.saved);
    EXPECT_EQ(missing.reason, "la carpeta no existe");
}

TEST_F(TextFileWriterTest, ReadOnlyFolderIsReportedAndTheFileKept)
{
    const fs::path folder = directory_ / "readonly";
    fs::create_directories(folder);
    writeAll(folder / "datos.dat", "old");
    fs::permissions(directory_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                    | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    // The superuser writes anywhere, so the save runs as an ordinary user in a child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const SaveOutcome outcome = twoLines(folder / "datos.dat").save();
        ::_exit(outcome.saved ? 1 : outcome.reason == "permiso denegado" ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved anyway, 2: wrong reason, 3: could not drop privileges";
    EXPECT_EQ(readFile(folder / "datos.dat"), "old");
    fs::permissions(folder, fs::perms::owner_all);
}

}  // namespace
}  // namespace runtime

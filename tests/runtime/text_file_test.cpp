// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/text_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_directory.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    enum class Step { OpenTarget, OpenTemporary, Write, ShortWritesThenFail, Sync, Close, Rename };
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int openExisting(const char* path) override
    {
        return step_ == Step::OpenTarget ? fail() : FileCalls::openExisting(path);
    }
    int openForWriting(const char* path, mode_t mode) override
    {
        return step_ == Step::OpenTemporary ? fail() : FileCalls::openForWriting(path, mode);
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
        InjectedFailure{"OpenDenied", FailingCalls::Step::OpenTarget, EACCES, "permiso denegado"},
        // An immutable file (chattr +i) refuses even the superuser.
        InjectedFailure{"OpenNotPermittedOnAnImmutableFile", FailingCalls::Step::OpenTarget, EPERM, "permiso denegado"},
        InjectedFailure{"NoInodeLeft", FailingCalls::Step::OpenTemporary, ENOSPC, "no queda espacio en el disco"},
        InjectedFailure{"DiskFull", FailingCalls::Step::Write, ENOSPC, "no queda espacio en el disco"},
        InjectedFailure{"DiskFullAfterShortWrites", FailingCalls::Step::ShortWritesThenFail, ENOSPC,
                        "no queda espacio en el disco"},
        InjectedFailure{"SyncFails", FailingCalls::Step::Sync, EIO, "error de entrada/salida del disco"},
        InjectedFailure{"CloseFails", FailingCalls::Step::Close, EIO, "error de entrada/salida del disco"},
        InjectedFailure{"RenameFails", FailingCalls::Step::Rename, EROFS,
                        "el sistema de archivos es de solo lectura"}),
    [](const testing::TestParamInfo<InjectedFailure>& info) { return std::string(info.param.name); });

// Written in place, the file cannot be kept whole; a failure is still reported.
TEST_F(TextFileWriterTest, AFailureWhileWritingInPlaceIsReported)
{
    const fs::path target = directory_ / "datos.dat";
    writeAll(target, "old");
    fs::create_hard_link(target, directory_ / "copia.dat");
    const InjectedFailure rows[] = {
        {"DiskFull", FailingCalls::Step::Write, ENOSPC, "no queda espacio en el disco"},
        {"CloseFails", FailingCalls::Step::Close, EIO, "error de entrada/salida del disco"},
    };
    for (const InjectedFailure& row : rows) {
        FailingCalls calls(row.step, row.error);
        const SaveOutcome outcome = twoLines(target).save(calls);
        EXPECT_FALSE(outcome.saved) << row.name;
        EXPECT_EQ(outcome.reason, row.reason) << row.name;
        EXPECT_TRUE(fs::equivalent(target, directory_ / "copia.dat")) << row.name;
    }
}

TEST_F(TextFileWriterTest, MissingFolderIsReported)
{
    const SaveOutcome missing = twoLines(directory_ / "no-such-folder" / "datos.dat").save();
    EXPECT_FALSE(missing.saved);
    EXPECT_EQ(missing.reason, "la carpeta no existe");
}

// A reader that goes away between the open and the writes must not end the
// program with SIGPIPE: the save fails and says why.
class ReaderLeavesAfterOpen : public FileCalls {
public:
    explicit ReaderLeavesAfterOpen(int reader) : reader_(reader) {}
    int openExisting(const char* path) override
    {
        const int fd = FileCalls::openExisting(path);
        ::close(reader_);
        return fd;
    }

private:
    int reader_;
};

TEST_F(TextFileWriterTest, AFifoWhoseReaderLeavesIsReportedWithoutEndingTheProgram)
{
    const fs::path fifo = directory_ / "datos.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ReaderLeavesAfterOpen calls(reader);

    const SaveOutcome outcome = twoLines(fifo).save(calls);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.reason, "el programa que leía la tubería la cerró");
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0) << "a SIGPIPE is left to end the program later";
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// Who saves: an ordinary user (nobody, when the tests run as root), or the
// superuser, who may write any file and set any owner.
enum class Saver { OrdinaryUser, Superuser };
// Who owns the file beforehand.
enum class Owner { OrdinaryUser, Superuser };
// What stands at the name before the save.
enum class Existing {
    Nothing, File, HardLinkedFile, Fifo, FifoWithReader, Socket, Folder, LinkToDevNull, LinkToDevFull
};
// What the save does to it.
enum class Effect { Created, Replaced, WrittenInPlace, WrittenInto, Untouched };

struct SaveCase {
    const char* name;
    Existing existing;
    fs::perms fileMode;
    Owner owner;
    bool folderWritable;
    Saver saver;
    Effect effect;
    const char* reason;  // empty when saved
    // An error the creation of the temporary file answers instead of the
    // folder's own, as an immutable folder does; 0 for none.
    int temporaryRefused = 0;
};

void PrintTo(const SaveCase& row, std::ostream* out)
{
    *out << row.name;
}

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kUsual = kReadOnly | fs::perms::owner_write;
constexpr auto kPrivate = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
constexpr auto kSetGroupId = static_cast<fs::perms>(02664);
constexpr auto kSetIdExecutable = static_cast<fs::perms>(06775);

uid_t ordinaryUser()
{
    return ::geteuid() == 0 ? 65534 : ::geteuid();
}

gid_t ordinaryGroup()
{
    return ::geteuid() == 0 ? 65534 : ::getegid();
}

// Saves in a child that runs as the ordinary user, and hands back what it
// said; the superuser saves here.
SaveOutcome saveAs(Saver saver, const TextFileWriter& writer, FileCalls& calls)
{
    if (saver == Saver::Superuser)
        return writer.save(calls);
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(10);  // a save that waits, as for a FIFO's reader, fails the row instead of hanging it
        std::string report = "could not become an ordinary user";
        if (::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)) {
            const SaveOutcome outcome = writer.save(calls);
            report = (outcome.saved ? "1" : "0") + outcome.reason;
        }
        const bool told = ::write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        ::_exit(told ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (report.empty() || (report[0] != '0' && report[0] != '1'))
        return {false, "child: " + report};
    return {report[0] == '1', report.substr(1)};
}

// Everything about a name that a save must keep or change.
struct Snapshot {
    bool exists = false;
    struct stat info {};
    std::string bytes;
};

Snapshot snapshot(const fs::path& path)
{
    Snapshot shot;
    shot.exists = ::stat(path.c_str(), &shot.info) == 0;
    if (shot.exists && S_ISREG(shot.info.st_mode))
        shot.bytes = readFile(path);
    return shot;
}

class SaveAsUser : public TextFileWriterTest, public testing::WithParamInterface<SaveCase> {
protected:
    // Builds what the row says at folder/datos.dat; returns a FIFO's reader end or -1.
    int prepare(const SaveCase& row, const fs::path& folder)
    {
        const fs::path target = folder / "datos.dat";
        const uid_t uid = row.owner == Owner::OrdinaryUser ? ordinaryUser() : 0;
        const gid_t gid = row.owner == Owner::OrdinaryUser ? ordinaryGroup() : 0;
        int reader = -1;
        switch (row.existing) {
        case Existing::Nothing:
            break;
        case Existing::File:
        case Existing::HardLinkedFile:
            writeAll(target, "old");
            // The mode after the owner: a change of owner clears set-ID bits.
            EXPECT_EQ(::chown(target.c_str(), uid, gid), 0);
            fs::permissions(target, row.fileMode);
            if (row.existing == Existing::HardLinkedFile)
                fs::create_hard_link(target, folder / "copia.dat");
            break;
        case Existing::Fifo:
        case Existing::FifoWithReader:
            EXPECT_EQ(::mkfifo(target.c_str(), 0666), 0);
            EXPECT_EQ(::chmod(target.c_str(), 0666), 0);  // whatever the umask
            if (row.existing == Existing::FifoWithReader)
                reader = ::open(target.c_str(), O_RDONLY | O_NONBLOCK);
            break;
        case Existing::Socket: {
            socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::snprintf(address.sun_path, sizeof address.sun_path, "%s", target.c_str());
            EXPECT_EQ(::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            EXPECT_EQ(::chmod(target.c_str(), 0666), 0);
            break;
        }
        case Existing::Folder:
            fs::create_directories(target / "inside");
            break;
        case Existing::LinkToDevNull:
            fs::create_symlink("/dev/null", target);
            break;
        case Existing::LinkToDevFull:
            fs::create_symlink("/dev/full", target);
            break;
        }
        EXPECT_EQ(::chown(folder.c_str(), ordinaryUser(), ordinaryGroup()), 0);
        fs::permissions(folder, row.folderWritable ? fs::perms::owner_all | kReadOnly | fs::perms::group_exec
                                                         | fs::perms::others_exec
                                                   : kReadOnly | fs::perms::owner_exec | fs::perms::group_exec
                                                         | fs::perms::others_exec);
        return reader;
    }

    ~SaveAsUser() override
    {
        if (socket_ >= 0)
            ::close(socket_);
    }

    int socket_ = -1;
};

TEST_P(SaveAsUser, DoesWhatOpeningTheFileForWritingAllows)
{
    const SaveCase& row = GetParam();
    if (::geteuid() != 0 && (row.saver == Saver::Superuser || row.owner == Owner::Superuser))
        GTEST_SKIP() << "needs the superuser";

    const fs::path folder = directory_ / row.name;
    fs::create_directories(folder);
    fs::permissions(directory_, fs::perms::owner_all | kReadOnly | fs::perms::group_exec | fs::perms::others_exec);
    const fs::path target = folder / "datos.dat";
    const int reader = prepare(row, folder);
    const Snapshot before = snapshot(target);
    if (row.existing == Existing::File) {
        ASSERT_EQ(before.info.st_mode & 07777, static_cast<mode_t>(row.fileMode));
    }

    FileCalls systemCalls;
    FailingCalls refusing(FailingCalls::Step::OpenTemporary, row.temporaryRefused);
    const SaveOutcome outcome = saveAs(row.saver, twoLines(target), row.temporaryRefused ? refusing : systemCalls);
    const Snapshot after = snapshot(target);
    fs::permissions(folder, fs::perms::owner_all);

    EXPECT_EQ(outcome.saved, *row.reason == '\0') << outcome.reason;
    EXPECT_EQ(outcome.reason, row.reason);
    ASSERT_EQ(after.exists, before.exists || row.effect == Effect::Created);
    // A FIFO stays a FIFO, a device a device, a folder a folder.
    if (before.exists) {
        EXPECT_EQ(after.info.st_mode & S_IFMT, before.info.st_mode & S_IFMT);
    }
    if (row.existing == Existing::LinkToDevNull || row.existing == Existing::LinkToDevFull) {
        EXPECT_TRUE(fs::is_symlink(target));
    }

    const std::string written = "uno\r\ndos\r\n";
    switch (row.effect) {
    case Effect::Created:
        EXPECT_EQ(after.bytes, written);
        EXPECT_EQ(after.info.st_uid, ordinaryUser());
        break;
    case Effect::Replaced:
    case Effect::WrittenInPlace:
        EXPECT_EQ(after.bytes, written);
        EXPECT_EQ(after.info.st_ino == before.info.st_ino, row.effect == Effect::WrittenInPlace);
        EXPECT_EQ(after.info.st_mode, before.info.st_mode);
        EXPECT_EQ(after.info.st_uid, before.info.st_uid);
        EXPECT_EQ(after.info.st_gid, before.info.st_gid);
        EXPECT_EQ(after.info.st_nlink, before.info.st_nlink);
        if (row.existing == Existing::HardLinkedFile) {
            EXPECT_EQ(readFile(folder / "copia.dat"), written);
        }
        break;
    case Effect::WrittenInto:
        if (reader >= 0) {
            char buffer[64] = {};
            const ssize_t got = ::read(reader, buffer, sizeof buffer);
            EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0))), written);
        }
        break;
    case Effect::Untouched:
        EXPECT_EQ(after.bytes, before.bytes);
        EXPECT_EQ(after.info.st_ino, before.info.st_ino);
        EXPECT_EQ(after.info.st_mode, before.info.st_mode);
        EXPECT_EQ(after.info.st_uid, before.info.st_uid);
        EXPECT_EQ(after.info.st_gid, before.info.st_gid);
        EXPECT_EQ(after.info.st_mtim.tv_sec, before.info.st_mtim.tv_sec);
        EXPECT_EQ(after.info.st_mtim.tv_nsec, before.info.st_mtim.tv_nsec);
        break;
    }
    if (reader >= 0)
        ::close(reader);
    // Nothing is left beside the name: no temporary file after any outcome.
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(entry.path().filename() == "datos.dat" || entry.path().filename() == "copia.dat") << entry.path();
}

constexpr const char* kSaved = "";
constexpr const char* kDenied = "permiso denegado";

INSTANTIATE_TEST_SUITE_P(
    Table, SaveAsUser,
    testing::Values(
        SaveCase{"NewFile", Existing::Nothing, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser, Effect::Created,
                 kSaved},
        SaveCase{"NewFileInAFolderNotTheUsers", Existing::Nothing, {}, Owner::OrdinaryUser, false,
                 Saver::OrdinaryUser, Effect::Untouched, kDenied},
        SaveCase{"FileIsReplacedWithItsMode", Existing::File, kPrivate, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::Replaced, kSaved},
        // The mode is kept whole, set-ID bits included, though writing clears them.
        SaveCase{"SetGroupIdFileKeepsItsMode", Existing::File, kSetGroupId, Owner::OrdinaryUser, true,
                 Saver::OrdinaryUser, Effect::Replaced, kSaved},
        SaveCase{"SetIdBitsOfAnExecutableFileAreKept", Existing::File, kSetIdExecutable, Owner::OrdinaryUser, true,
                 Saver::OrdinaryUser, Effect::Replaced, kSaved},
        SaveCase{"ReadOnlyFile", Existing::File, kReadOnly, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::Untouched, kDenied},
        SaveCase{"AnotherUsersFile", Existing::File, kUsual, Owner::Superuser, true, Saver::OrdinaryUser,
                 Effect::Untouched, kDenied},
        SaveCase{"WritableFileInAReadOnlyFolder", Existing::File, kUsual, Owner::OrdinaryUser, false,
                 Saver::OrdinaryUser, Effect::WrittenInPlace, kSaved},
        SaveCase{"WritableFileInAFolderAnsweringEperm", Existing::File, kUsual, Owner::OrdinaryUser, true,
                 Saver::OrdinaryUser, Effect::WrittenInPlace, kSaved, EPERM},
        SaveCase{"ReadOnlyFileInAReadOnlyFolder", Existing::File, kReadOnly, Owner::OrdinaryUser, false,
                 Saver::OrdinaryUser, Effect::Untouched, kDenied},
        SaveCase{"HardLinkedFile", Existing::HardLinkedFile, kUsual, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::WrittenInPlace, kSaved},
        SaveCase{"SuperuserKeepsTheOwnerAndGroup", Existing::File, kPrivate, Owner::OrdinaryUser, true,
                 Saver::Superuser, Effect::Replaced, kSaved},
        SaveCase{"FifoWithoutReader", Existing::Fifo, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::Untouched, "es una tubería (FIFO) que ningún programa está leyendo"},
        SaveCase{"FifoWithReader", Existing::FifoWithReader, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::WrittenInto, kSaved},
        SaveCase{"Socket", Existing::Socket, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser, Effect::Untouched,
                 "es un socket, no un archivo"},
        SaveCase{"Folder", Existing::Folder, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser, Effect::Untouched,
                 "existe una carpeta con ese nombre"},
        SaveCase{"LinkToDevNull", Existing::LinkToDevNull, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::WrittenInto, kSaved},
        SaveCase{"DeviceThatIsFull", Existing::LinkToDevFull, {}, Owner::OrdinaryUser, true, Saver::OrdinaryUser,
                 Effect::WrittenInto, "no queda espacio en el disco"}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace runtime

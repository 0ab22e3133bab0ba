// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/text_file.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

int FileCalls::openExisting(const char* path)
{
    // O_NONBLOCK: a FIFO no program reads fails at once instead of hanging the
    // program. O_NOCTTY: a terminal never becomes the program's own.
    return ::open(path, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
}

int FileCalls::openForWriting(const char* path, mode_t mode)
{
    // O_NOFOLLOW: the temporary file's name must not lead anywhere else.
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
}

int FileCalls::truncate(int fd)
{
    return ::ftruncate(fd, 0);
}

ssize_t FileCalls::write(int fd, const void* data, size_t size)
{
    return ::write(fd, data, size);
}

int FileCalls::sync(int fd)
{
    return ::fdatasync(fd);
}

int FileCalls::close(int fd)
{
    return ::close(fd);
}

int FileCalls::rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

int FileCalls::unlink(const char* path)
{
    return ::unlink(path);
}

namespace {

constexpr const char* kFifoWithoutReader = "es una tubería (FIFO) que ningún programa está leyendo";
constexpr const char* kSocket = "es un socket, no un archivo";

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows a chain of symbolic links to the file it ends at, which need not
// exist yet. Gives up on a loop after as many links as the system allows.
std::string finalTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            return path;
        target.resize(static_cast<std::size_t>(length));
        path = (!target.empty() && target.front() == '/') ? target : directoryOf(path) + target;
    }
    return path;
}

std::string temporaryBeside(const std::string& target)
{
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return directoryOf(target) + "." + name + ".tmp";
}

// The file could not be opened: say why in the user's terms. Opening a FIFO
// that no program reads, or a socket, fails as "no such device".
std::string whyNotOpened(const std::string& target, int error)
{
    struct stat info {};
    if (error == ENXIO && ::lstat(target.c_str(), &info) == 0) {
        if (S_ISFIFO(info.st_mode))
            return kFifoWithoutReader;
        if (S_ISSOCK(info.st_mode))
            return kSocket;
    }
    return describeSystemError(error);
}

// The folder does not let this user create or replace a file in it.
bool folderRefuses(int error)
{
    return error == EACCES || error == EPERM;
}

int writeAll(FileCalls& calls, int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = calls.write(fd, data, left);
        if (written < 0) {
            if (errno != EINTR)
                return errno;
            continue;
        }
        if (written == 0)
            return EIO;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// While alive, a reader that closes its end of a FIFO makes a write fail with
// EPIPE instead of ending the whole program with SIGPIPE.
class BrokenPipeHeld {
public:
    BrokenPipeHeld()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
    }
    ~BrokenPipeHeld()
    {
        // Take back a SIGPIPE the writes raised, so that it is not delivered
        // the moment the mask is restored.
        sigset_t pending;
        sigpending(&pending);
        if (!alreadyPending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            ::sigtimedwait(&pipe_, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    BrokenPipeHeld(const BrokenPipeHeld&) = delete;
    BrokenPipeHeld& operator=(const BrokenPipeHeld&) = delete;

private:
    sigset_t pipe_{};
    sigset_t previous_{};
    bool alreadyPending_ = false;
};

// A FIFO or a device: written into as it is, since it cannot be replaced.
int writeStream(FileCalls& calls, int fd, std::string_view bytes)
{
    // It was opened without waiting; now that a reader is there, the writes
    // wait for it to take the lines.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return errno;
    const BrokenPipeHeld held;
    return writeAll(calls, fd, bytes);
}

// The same file under every name it has, truncated and written again.
int rewriteInPlace(FileCalls& calls, int fd, std::string_view bytes)
{
    if (calls.truncate(fd) != 0)
        return errno;
    if (const int error = writeAll(calls, fd, bytes); error != 0)
        return error;
    return calls.sync(fd) != 0 ? errno : 0;
}

// The new file takes the old one's owner and group where this user may set
// them (another user's file, or a group the user is not in, stays with the
// user), then its permissions, so that the new bytes are never more open to
// others than the old ones were.
int takeOverOwnerAndPermissions(int fd, const struct stat& existing)
{
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0
        && ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) != 0) {
        // Neither can be kept: the file is the user's own, as a new one would be.
    }
    return ::fchmod(fd, existing.st_mode & 0777) != 0 ? errno : 0;
}

// Then, once the bytes are in, the whole mode: changing the owner, and
// writing as anyone but the superuser, clear the set-user-ID bit and the
// set-group-ID bit of a group-executable file.
int takeOverMode(int fd, const struct stat& existing)
{
    return ::fchmod(fd, existing.st_mode & 07777) != 0 ? errno : 0;
}

struct Replacement {
    int error = 0;
    bool folderRefused = false;  // the temporary file or the rename was not allowed
};

// Writes the temporary file and renames it over the target. `existing` is the
// file being replaced, or null for a new one (0666 less the umask).
Replacement replaceWhole(FileCalls& calls, const std::string& target, std::string_view bytes,
                         const struct stat* existing)
{
    const std::string temporary = temporaryBeside(target);
    const int fd = calls.openForWriting(temporary.c_str(), 0666);
    if (fd < 0) {
        const int error = errno;
        return Replacement{error, folderRefuses(error)};
    }
    int error = existing ? takeOverOwnerAndPermissions(fd, *existing) : 0;
    if (error == 0)
        error = writeAll(calls, fd, bytes);
    if (error == 0 && existing)
        error = takeOverMode(fd, *existing);
    // The data reaches the disk before the rename makes it the file: after
    // a power cut the old file or the new one is there, never an empty one.
    if (error == 0 && calls.sync(fd) != 0)
        error = errno;
    if (calls.close(fd) != 0 && error == 0)
        error = errno;
    bool refused = false;
    if (error == 0 && calls.rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        refused = folderRefuses(error);
    }
    if (error != 0)
        calls.unlink(temporary.c_str());
    return Replacement{error, refused};
}

SaveOutcome outcomeOf(int error)
{
    return error == 0 ? SaveOutcome{true, {}} : SaveOutcome{false, describeSystemError(error)};
}

}  // namespace

TextFileWriter::TextFileWriter(std::string path)
    : path_(std::move(path))
{
}

void TextFileWriter::writeLine(std::string_view line)
{
    contents_ += line;
    contents_ += "\r\n";
}

void TextFileWriter::append(std::string_view bytes)
{
    contents_ += bytes;
}

SaveOutcome TextFileWriter::save() const
{
    FileCalls calls;
    return save(calls);
}

SaveOutcome TextFileWriter::save(FileCalls& calls) const
{
    const std::string target = finalTarget(path_);
    const int fd = calls.openExisting(target.c_str());
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return outcomeOf(replaceWhole(calls, target, contents_, nullptr).error);
        return SaveOutcome{false, whyNotOpened(target, error)};
    }

    // The file may be written: how depends on what it is.
    struct stat existing {};
    int error = ::fstat(fd, &existing) != 0 ? errno : 0;
    bool writtenThroughFd = false;
    if (error == 0 && !S_ISREG(existing.st_mode)) {
        error = writeStream(calls, fd, contents_);
        writtenThroughFd = true;
    } else if (error == 0 && existing.st_nlink > 1) {
        error = rewriteInPlace(calls, fd, contents_);
        writtenThroughFd = true;
    } else if (error == 0) {
        const Replacement replacement = replaceWhole(calls, target, contents_, &existing);
        error = replacement.error;
        if (replacement.folderRefused) {
            error = rewriteInPlace(calls, fd, contents_);
            writtenThroughFd = true;
        }
    }
    // A file system may report a failed write only at the close.
    if (calls.close(fd) != 0 && writtenThroughFd && error == 0)
        error = errno;
    return outcomeOf(error);
}

SaveOutcome saveTextFile(const std::string& path, std::string_view bytes, FileCalls& calls)
{
    TextFileWriter file(path);
    file.append(bytes);
    return file.save(calls);
}

SaveOutcome saveTextFile(const std::string& path, std::string_view bytes)
{
    FileCalls calls;
    return saveTextFile(path, bytes, calls);
}

std::string describeSystemError(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return "permiso denegado";
    case ENOSPC:
        return "no queda espacio en el disco";
    case EDQUOT:
        return "se ha excedido la cuota de disco";
    case EROFS:
        return "el sistema de archivos es de solo lectura";
    case EISDIR:
        return "existe una carpeta con ese nombre";
    case ENOENT:
    case ENOTDIR:
        return "la carpeta no existe";
    case EIO:
        return "error de entrada/salida del disco";
    case ELOOP:
        return "demasiados enlaces simbólicos";
    case ENAMETOOLONG:
        return "el nombre del archivo es demasiado largo";
    case ENXIO:
        return "el dispositivo no está disponible";
    case EPIPE:
        return "el programa que leía la tubería la cerró";
    case ETXTBSY:
        return "el archivo es un programa en ejecución";
    default:
        return std::strerror(errorNumber);
    }
}

}  // namespace runtime

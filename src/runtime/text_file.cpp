// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/text_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

int FileCalls::openForWriting(const char* path, mode_t mode)
{
    // O_NOFOLLOW: the temporary file's name must not lead anywhere else.
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
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

SaveOutcome failure(int errorNumber)
{
    return SaveOutcome{false, describeSystemError(errorNumber)};
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
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string temporary = directoryOf(target) + "." + name + ".tmp";

    // A file that replaces an existing one keeps its permissions; a new one
    // gets the usual ones for the user (0666 less the umask).
    mode_t mode = 0666;
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return failure(EISDIR);

    const int fd = calls.openForWriting(temporary.c_str(), mode);
    if (fd < 0)
        return failure(errno);

    int error = 0;
    if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    const char* data = contents_.data();
    std::size_t left = contents_.size();
    while (error == 0 && left > 0) {
        const ssize_t written = calls.write(fd, data, left);
        if (written < 0) {
            if (errno != EINTR)
                error = errno;
            continue;
        }
        if (written == 0) {
            error = EIO;
            continue;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // The data reaches the disk before the rename makes it the file: after
    // a power cut the old file or the new one is there, never an empty one.
    if (error == 0 && calls.sync(fd) != 0)
        error = errno;
    if (calls.close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && calls.rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        calls.unlink(temporary.c_str());
        return failure(error);
    }
    return SaveOutcome{true, {}};
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
        return "existe un directorio con ese nombre";
    case ENOENT:
    case ENOTDIR:
        return "la carpeta no existe";
    case EIO:
        return "error de entrada/salida del disco";
    case ELOOP:
        return "demasiados enlaces simbólicos";
    case ENAMETOOLONG:
        return "el nombre del archivo es demasiado largo";
    default:
        return std::strerror(errorNumber);
    }
}

}  // namespace runtime

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace runtime {

// The system calls the text file writer makes, behind an interface so that a
// test can make any one of them fail the way a full disk or a broken device
// would. Each returns what the POSIX call returns and leaves errno set.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // The file itself, for writing, without creating, truncating or waiting
    // for a reader: it tells whether this user may write it at all.
    virtual int openExisting(const char* path);
    // The temporary file beside it, created or truncated.
    virtual int openForWriting(const char* path, mode_t mode);
    virtual int truncate(int fd);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// Outcome of saving a text file: `reason` says in Spanish why it failed.
struct SaveOutcome {
    bool saved = false;
    std::string reason;
};

// A sequential text file, saved as opening it for writing would allow. Lines
// are collected in memory, then `save` writes them, checking every write and
// the close:
// - a file this user may not write is refused and left exactly as it was;
// - a new file, or a regular file with one name in a folder this user may
//   write, is written to a temporary file beside it that is then renamed over
//   it, with the old file's mode and, where the system lets this user, its
//   owner and group: the file is the previous one or the new one, never half
//   of either, and a failed save removes the temporary file. A crash before
//   the rename leaves the temporary file under a fixed name, so the next save
//   overwrites it instead of leaving a trail of them;
// - a regular file whose folder does not let this user replace it, or that
//   has other hard links, is truncated and written in place, so it stays the
//   same file under every name;
// - anything else (a FIFO, a device) is written into as it is, never replaced:
//   a FIFO no program reads is refused at once instead of waiting for one. A
//   folder or a socket is refused.
// When the name is a symbolic link the file it points to is saved and the
// link stays.
class TextFileWriter {
public:
    explicit TextFileWriter(std::string path);

    // One line, ended with CR LF as the file's readers expect.
    void writeLine(std::string_view line);
    // Bytes as they are, for files that are not made of CR LF lines.
    void append(std::string_view bytes);

    SaveOutcome save(FileCalls& calls) const;
    SaveOutcome save() const;

    const std::string& contents() const { return contents_; }

private:
    std::string path_;
    std::string contents_;
};

// `bytes` as they are saved at `path` by TextFileWriter's rules: whole or not
// at all. Every file the program writes goes through here.
SaveOutcome saveTextFile(const std::string& path, std::string_view bytes, FileCalls& calls);
SaveOutcome saveTextFile(const std::string& path, std::string_view bytes);

// A Spanish explanation of a system error number, for the user.
std::string describeSystemError(int errorNumber);

}  // namespace runtime

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
    virtual int openForWriting(const char* path, mode_t mode);
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

// A sequential text file that is written whole or not at all. Lines are
// collected in memory, then `save` writes them to a temporary file beside the
// target, checks every write and the close, and renames it over the target.
// Whatever happens, the previous file stays byte for byte until the rename,
// and a failed save removes the temporary file. A crash before the rename
// leaves the temporary file under a fixed name, so the next save overwrites it
// instead of leaving a trail of them. When the target is a symbolic link the
// file it points to is replaced and the link stays.
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

// A Spanish explanation of a system error number, for the user.
std::string describeSystemError(int errorNumber);

}  // namespace runtime

// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a profile file from disk.
#include "config/profilesnapshot.h"

#include "config/filenames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

using Source = ProfileSnapshot::Source;

// Reads the open file's bytes, at most MaxProfileFileSize + 1 of them, so a
// file that grows while it is read is still recognised as too large.
Source readAll(int fd, const struct stat &info, QByteArray &bytes)
{
    if (!S_ISREG(info.st_mode))
        return Source::NotRegularFile;
    if (info.st_size > MaxProfileFileSize)
        return Source::TooLarge;
    constexpr qsizetype limit = MaxProfileFileSize + 1;
    bytes.resize(std::min<qsizetype>(qsizetype(info.st_size) + 1, limit));
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used >= limit)
                break;
            bytes.resize(std::min(used * 2, limit));
        }
        const ssize_t got = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (got > 0)
            used += got;
        else if (got < 0 && errno == EINTR)
            continue;
        else if (got < 0)
            return Source::Missing;
        else
            break;
    }
    bytes.truncate(used);
    return used > MaxProfileFileSize ? Source::TooLarge : Source::Read;
}

// Plain system calls, opened non-blocking, so that a named pipe in a file's
// place cannot stall the program.
Source readFile(const QString &path, QByteArray &bytes)
{
    const int fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Source::Missing;
    struct stat info;
    Source source = Source::Missing;
    if (::fstat(fd, &info) == 0)
        source = readAll(fd, info, bytes);
    ::close(fd);
    if (source != Source::Read)
        bytes.clear();
    return source;
}

} // namespace

ProfileSnapshot ProfileSnapshot::fromFile(const QString &path)
{
    QByteArray bytes;
    const Source source = readFile(path, bytes);
    if (source == Source::Read)
        return fromBytes(std::move(bytes));
    ProfileSnapshot empty;
    empty.m_source = source;
    return empty;
}

} // namespace zv

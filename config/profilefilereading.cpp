// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a profile file from disk, once or while it stays the same.
#include "config/profilesnapshot.h"

#include "config/filenames.h"

#include <QMutex>

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

// What tells one state of a file from another without reading it. The change
// time is part of it, as a program can set the modification time back.
struct FileState
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    explicit FileState(const struct stat &info)
        : device(info.st_dev), inode(info.st_ino), size(info.st_size), modified(info.st_mtim),
          changed(info.st_ctim)
    {
    }

    bool operator==(const FileState &o) const
    {
        return device == o.device && inode == o.inode && size == o.size
               && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec
               && changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

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
// place cannot stall the program. `state` is the file's as it was opened.
Source readFile(const QString &path, QByteArray &bytes, std::optional<FileState> &state)
{
    const int fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Source::Missing;
    struct stat info;
    Source source = Source::Missing;
    if (::fstat(fd, &info) == 0) {
        state.emplace(info);
        source = readAll(fd, info, bytes);
    }
    ::close(fd);
    if (source != Source::Read)
        bytes.clear();
    return source;
}

} // namespace

ProfileSnapshot ProfileSnapshot::fromRead(Source source, QByteArray bytes)
{
    if (source == Source::Read)
        return fromBytes(std::move(bytes));
    ProfileSnapshot empty;
    empty.m_source = source;
    return empty;
}

ProfileSnapshot ProfileSnapshot::fromFile(const QString &path)
{
    QByteArray bytes;
    std::optional<FileState> state;
    const Source source = readFile(path, bytes, state);
    return fromRead(source, std::move(bytes));
}

std::shared_ptr<const ProfileSnapshot> ProfileSnapshot::cached(const QString &path)
{
    struct Entry
    {
        QString path;
        FileState state;
        std::shared_ptr<const ProfileSnapshot> snapshot;
    };
    // The language file and the skin, and room for a file tried in passing.
    constexpr std::size_t kept = 4;
    static QMutex mutex;
    static std::deque<Entry> entries;

    struct stat info;
    const bool statted = ::stat(fileNameBytes(path).constData(), &info) == 0;
    const QMutexLocker lock(&mutex);
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->path != path)
            continue;
        if (statted && it->state == FileState(info))
            return it->snapshot;
        entries.erase(it); // changed: read anew below
        break;
    }
    QByteArray bytes;
    std::optional<FileState> state;
    const Source source = readFile(path, bytes, state);
    auto snapshot = std::make_shared<const ProfileSnapshot>(fromRead(source, std::move(bytes)));
    // Only what was read is kept: the rest costs a failed open to ask again.
    if (snapshot->source() == Source::Read && state) {
        if (entries.size() == kept)
            entries.pop_back();
        entries.push_front({path, *state, snapshot});
    }
    return snapshot;
}

} // namespace zv

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/app_error.h"
#include "engine/import_engine.h"
#include "engine/large_buffer.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <stdio.h>
#endif

namespace worvanta::engine {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* openForReading(const std::string& path)
{
#ifdef _WIN32
    // Paths are UTF-8; the wide call reaches every file name.
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return _wfopen(wide.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

struct FileKind {
    bool directory = false;
    std::size_t regularSize = 0;  // 0 when not a regular file
};

FileKind kindOf(std::FILE* file)
{
    FileKind kind;
#ifdef _WIN32
    struct _stat64 status;
    if (_fstat64(_fileno(file), &status) != 0)
        return kind;
    kind.directory = (status.st_mode & _S_IFDIR) != 0;
    if ((status.st_mode & _S_IFREG) != 0)
        kind.regularSize = static_cast<std::size_t>(status.st_size);
#else
    struct stat status;
    if (fstat(fileno(file), &status) != 0)
        return kind;
    kind.directory = S_ISDIR(status.st_mode);
    if (S_ISREG(status.st_mode))
        kind.regularSize = static_cast<std::size_t>(status.st_size);
#endif
    return kind;
}

[[noreturn]] void failWith(const std::string& path, int error)
{
    throw AppError(path + ": " + std::strerror(error));
}

}  // namespace

std::string readFileBytes(const std::string& path)
{
    errno = 0;
    FileHandle file(openForReading(path));
    if (!file)
        failWith(path, errno != 0 ? errno : ENOENT);

    std::string bytes;
    const FileKind kind = kindOf(file.get());
    if (kind.directory)
        failWith(path, EISDIR);
    // One byte more than the file holds, so the read that finds the end needs
    // no larger buffer.
    if (kind.regularSize > 0) {
        bytes.reserve(kind.regularSize + 1);
        adviseLargeBuffer(bytes.data(), bytes.capacity());
    }
    // Read in chunks up to the end: the size may change while reading, and
    // pipes have none.
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    for (;;) {
        const std::size_t used = bytes.size();
        const std::size_t want = std::max(kChunk, bytes.capacity() - used);
        bytes.resize(used + want);
        const std::size_t got = std::fread(bytes.data() + used, 1, want, file.get());
        bytes.resize(used + got);
        if (got < want) {
            if (std::ferror(file.get()))
                failWith(path, errno != 0 ? errno : EIO);
            break;
        }
    }
    return bytes;
}

}  // namespace worvanta::engine

#pragma once
// Every file access of the core goes through this layer, so that tests can
// make any single step fail and prove that no failure loses the user's data.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace horalo {

enum class ReplaceOutcome {
    Done,
    InUse,   // the target is open elsewhere, protected or not ours to replace
    Failed,  // any other reason
};

class FileLayer {
public:
    virtual ~FileLayer() = default;
    virtual std::FILE* Open(const std::string& path, const char* mode) = 0;
    virtual std::size_t Read(std::FILE* file, void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(std::FILE* file, const void* data, std::size_t count) = 0;
    virtual bool Seek(std::FILE* file, long offset, int origin) = 0;
    virtual long Tell(std::FILE* file) = 0;
    // Hands everything written so far to the disk itself, not just the
    // system's cache, so a power cut cannot take it back.
    virtual bool FlushToDisk(std::FILE* file) = 0;
    virtual bool Close(std::FILE* file) = 0;
    // Cuts the file back to `length` bytes; what was buffered is written first.
    virtual bool Truncate(std::FILE* file, long length) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Puts `from` in the place of `to` in one step: afterwards `to` is
    // either the old file or the new one, whole.
    virtual ReplaceOutcome Replace(const std::string& from, const std::string& to) = 0;
    // Gives `path` the second name `alias` without copying a byte (a hard
    // link), so a replace of `path` afterwards leaves the old file there;
    // false where the file system has no such links or `alias` exists.
    virtual bool Link(const std::string& path, const std::string& alias) = 0;
};

// The C and C++ libraries' files, the same on every system. What the
// standard libraries cannot do is left to the layer of each platform
// (src/win, src/posix), which every program installs at its start: reaching
// the disk itself (here only the C library's buffer is handed to the
// system), cutting an open file short (refused here) and a replace that
// also takes the place of an existing file (std::rename does so where
// POSIX holds, not on Windows).
class StdioFileLayer : public FileLayer {
public:
    std::FILE* Open(const std::string& path, const char* mode) override;
    std::size_t Read(std::FILE* file, void* buffer, std::size_t count) override;
    std::size_t Write(std::FILE* file, const void* data, std::size_t count) override;
    bool Seek(std::FILE* file, long offset, int origin) override;
    long Tell(std::FILE* file) override;
    bool FlushToDisk(std::FILE* file) override;
    bool Close(std::FILE* file) override;
    bool Truncate(std::FILE* file, long length) override;
    bool Remove(const std::string& path) override;
    ReplaceOutcome Replace(const std::string& from, const std::string& to) override;
    bool Link(const std::string& path, const std::string& alias) override;
};

// The layer the store uses now: the stdio layer until a program installs
// its platform's layer, or a test sets another.
FileLayer& Files();

// Closes through the file layer; code that must know whether the close
// succeeded (buffered bytes are written then) releases and closes itself.
struct FileCloser {
    void operator()(std::FILE* file) const { Files().Close(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The file's length, its position kept; -1 when the file cannot tell.
long FileLength(std::FILE* file);

// Makes `layer` the current one for its lifetime, then restores the one before.
class ScopedFileLayer {
public:
    explicit ScopedFileLayer(FileLayer& layer);
    ~ScopedFileLayer();
    ScopedFileLayer(const ScopedFileLayer&) = delete;
    ScopedFileLayer& operator=(const ScopedFileLayer&) = delete;

private:
    FileLayer* previous_;
};

}  // namespace horalo

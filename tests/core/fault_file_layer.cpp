#include "fault_file_layer.h"

namespace horalo {

void FaultFileLayer::FailAt(FileStep step, int count, ReplaceOutcome outcome) {
    Reset();
    failStep_ = step;
    failCount_ = count;
    failOutcome_ = outcome;
}

void FaultFileLayer::Reset() {
    calls_.fill(0);
    failCount_ = 0;
    fired_ = false;
}

bool FaultFileLayer::Fails(FileStep step) {
    const int call = ++calls_[static_cast<std::size_t>(step)];
    if (failCount_ == 0 || step != failStep_ || call != failCount_) return false;
    fired_ = true;
    return true;
}

std::FILE* FaultFileLayer::Open(const std::string& path, const char* mode) {
    return Fails(FileStep::Open) ? nullptr : inner_.Open(path, mode);
}

std::size_t FaultFileLayer::Read(std::FILE* file, void* buffer, std::size_t count) {
    return Fails(FileStep::Read) ? 0 : inner_.Read(file, buffer, count);
}

// A failed write has written a part, as on a full disk: the first half.
std::size_t FaultFileLayer::Write(std::FILE* file, const void* data, std::size_t count) {
    if (!Fails(FileStep::Write)) return inner_.Write(file, data, count);
    inner_.Write(file, data, count / 2);
    return count / 2;
}

bool FaultFileLayer::Seek(std::FILE* file, long offset, int origin) {
    return !Fails(FileStep::Seek) && inner_.Seek(file, offset, origin);
}

long FaultFileLayer::Tell(std::FILE* file) { return Fails(FileStep::Tell) ? -1 : inner_.Tell(file); }

bool FaultFileLayer::FlushToDisk(std::FILE* file) {
    return !Fails(FileStep::Flush) && inner_.FlushToDisk(file);
}

// Like fclose, a failed close still releases the file.
bool FaultFileLayer::Close(std::FILE* file) {
    const bool fails = Fails(FileStep::Close);
    return inner_.Close(file) && !fails;
}

bool FaultFileLayer::Truncate(std::FILE* file, long length) {
    return !Fails(FileStep::Truncate) && inner_.Truncate(file, length);
}

bool FaultFileLayer::Remove(const std::string& path) {
    return !Fails(FileStep::Remove) && inner_.Remove(path);
}

ReplaceOutcome FaultFileLayer::Replace(const std::string& from, const std::string& to) {
    return Fails(FileStep::Replace) ? failOutcome_ : inner_.Replace(from, to);
}

bool FaultFileLayer::Link(const std::string& path, const std::string& alias) {
    return !Fails(FileStep::Link) && inner_.Link(path, alias);
}

}  // namespace horalo

#pragma once
// A file layer for tests that makes the Nth call of one kind of step fail,
// and counts the calls of every kind so a test can try each one in turn.
// The steps that do not fail are done by the layer installed when it was
// made: the platform's layer the test program installs at its start.
#include <array>

#include "core/io/file_layer.h"

namespace horalo {

enum class FileStep { Open, Read, Write, Seek, Tell, Flush, Close, Replace, Truncate, Remove, Link };
inline constexpr std::size_t kFileStepCount = 11;

class FaultFileLayer : public FileLayer {
public:
    // Makes call number `count` (from 1) of `step` fail; a failed replace
    // reports `outcome`. One fault at a time; the counts start again at 0.
    void FailAt(FileStep step, int count, ReplaceOutcome outcome = ReplaceOutcome::Failed);
    // Counts the calls of every step from 0 again, without a fault.
    void Reset();
    int Calls(FileStep step) const { return calls_[static_cast<std::size_t>(step)]; }
    // Whether the fault has been met.
    bool Fired() const { return fired_; }

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

private:
    bool Fails(FileStep step);

    FileLayer& inner_ = Files();
    std::array<int, kFileStepCount> calls_{};
    FileStep failStep_ = FileStep::Open;
    int failCount_ = 0;  // 0: no fault
    ReplaceOutcome failOutcome_ = ReplaceOutcome::Failed;
    bool fired_ = false;
};

}  // namespace horalo

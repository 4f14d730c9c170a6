#pragma once
// A file's bytes held in memory in one block: the time log is read this way
// for every month and every rewrite, the special days once at start.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/io/byte_codec.h"

namespace horalo {

// Filled by reading, so it is never cleared first.
class ByteBlock {
public:
    explicit ByteBlock(std::size_t size = 0)
        : data_(std::make_unique_for_overwrite<std::uint8_t[]>(size)), size_(size), capacity_(size) {}
    std::uint8_t* data() { return data_.get(); }
    std::size_t size() const { return size_; }
    operator ByteSpan() const { return {data_.get(), size_}; }
    // Keeps the memory when it is large enough; the bytes are then stale.
    void Resize(std::size_t size) {
        if (size > capacity_) {
            data_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
            capacity_ = size;
        }
        size_ = size;
    }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_;
    std::size_t capacity_;
};

// Reads the file from its position to its end in one block; none when the
// file cannot tell its length, holds more than `largest` bytes there, or
// gives fewer bytes than it claimed. The bound is checked before anything
// is allocated: a directory opened as a file, or a file grown far beyond
// what the caller ever writes, is refused at once instead of exhausting
// memory and time.
std::optional<ByteBlock> ReadToEnd(std::FILE* file, std::size_t largest);
// The same into `block`, whose memory is reused when it is large enough:
// a caller that reads the log again and again is spared the first touch of
// a new block each time. False (the block's bytes then stale) on failure.
bool ReadToEnd(std::FILE* file, ByteBlock& block, std::size_t largest);

}  // namespace horalo

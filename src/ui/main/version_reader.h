#pragma once
// The version numbers of a module, taken from the fixed part of its version
// resource (the 52-byte block that starts with the signature 0xFEEF04BD).
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace horalo {

constexpr std::size_t kFixedInfoSize = 52;
using FixedInfoBlock = std::array<std::uint8_t, kFixedInfoSize>;

// Looks through raw version-resource bytes at 4-byte steps for the signature
// and copies the block that starts there. Bytes the resource does not hold
// stay zero, as does the whole block when there is no signature.
FixedInfoBlock ParseFixedInfo(const std::uint8_t* data, std::size_t size);

class VersionReader {
public:
    // False when the module has no version resource 1; the readers then
    // give 0xFFFFFFFF.
    bool Load(HMODULE module);
    void LoadBytes(const std::uint8_t* data, std::size_t size);

    std::uint32_t FileVersionMS() const { return Read(8); }
    std::uint32_t FileVersionLS() const { return Read(12); }
    std::uint32_t ProductVersionMS() const { return Read(16); }
    std::uint32_t ProductVersionLS() const { return Read(20); }

private:
    std::uint32_t Read(std::size_t offset) const;

    std::optional<FixedInfoBlock> block_;
};

}  // namespace horalo

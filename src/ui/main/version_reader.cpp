#include "ui/main/version_reader.h"

#include <algorithm>

#include "core/io/byte_codec.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr std::uint32_t kSignature = 0xFEEF04BD;

}  // namespace

FixedInfoBlock ParseFixedInfo(const std::uint8_t* data, std::size_t size) {
    FixedInfoBlock block{};
    if (!data) return block;
    for (std::size_t offset = 0; offset + 4 <= size; offset += 4) {
        if (LoadU32(data + offset) != kSignature) continue;
        // A signature near the end must not make us read past the resource.
        const std::size_t available = std::min(kFixedInfoSize, size - offset);
        std::copy_n(data + offset, available, block.begin());
        break;
    }
    return block;
}

bool VersionReader::Load(HMODULE module) {
    block_.reset();
    const ByteSpan bytes = win::ResourceBytes(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    if (bytes.empty()) return false;
    LoadBytes(bytes.data(), bytes.size());
    return true;
}

void VersionReader::LoadBytes(const std::uint8_t* data, std::size_t size) { block_ = ParseFixedInfo(data, size); }

std::uint32_t VersionReader::Read(std::size_t offset) const {
    return block_ ? LoadU32(block_->data() + offset) : 0xFFFFFFFFu;
}

}  // namespace horalo

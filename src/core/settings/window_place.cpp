#include "core/settings/window_place.h"

#include <algorithm>

#include "core/io/byte_codec.h"

namespace horalo {
namespace {
constexpr std::uint16_t kMaximised = 1;
}  // namespace

WindowPlaceBytes EncodeWindowPlace(const WindowPlace& place) {
    Bytes out;
    ByteWriter writer(out);
    writer.U16(kWindowPlaceVersion);
    writer.U16(place.maximised ? kMaximised : 0);
    for (const int edge : {place.left, place.top, place.right, place.bottom}) writer.I32(edge);
    WindowPlaceBytes bytes{};
    std::copy_n(out.begin(), bytes.size(), bytes.begin());
    return bytes;
}

std::optional<WindowPlace> DecodeWindowPlace(const WindowPlaceBytes& bytes) {
    ByteReader reader(bytes);
    if (reader.U16() != kWindowPlaceVersion) return std::nullopt;
    WindowPlace place;
    place.maximised = (reader.U16() & kMaximised) != 0;
    place.left = reader.I32();
    place.top = reader.I32();
    place.right = reader.I32();
    place.bottom = reader.I32();
    if (place.right <= place.left || place.bottom <= place.top) return std::nullopt;
    return place;
}

}  // namespace horalo

#include "iptc/image_resources.h"

#include <algorithm>
#include <array>

#include "iptc/byte_reader.h"

namespace iptc {
namespace {

constexpr std::array<uint8_t, 4> kSignature = {'8', 'B', 'I', 'M'};
constexpr uint16_t kIptcResource = 0x0404;

}  // namespace

void readImageResources(std::span<const uint8_t> stream, FoundFields& found) {
    ByteReader reader(stream);
    // Every pass takes at least the 12 bytes of a resource header, so the walk ends.
    while (!reader.atEnd() && !found.complete()) {
        if (!std::ranges::equal(reader.bytes(kSignature.size()), kSignature)) break;
        const uint16_t id = reader.u16be();
        // A Pascal name: a length byte and the characters, padded to an even total.
        const uint8_t nameLength = reader.u8();
        reader.skip(nameLength + (nameLength % 2 == 0 ? 1 : 0));
        const uint32_t size = reader.u32be();
        if (!reader.ok()) break;
        const auto data = reader.upTo(size);
        reader.upTo(size % 2);  // the pad byte after odd-sized data, when it is there
        if (id == kIptcResource) readIimBlock(data, found);
    }
}

}  // namespace iptc

#include "iptc/jpeg_segments.h"

#include <algorithm>
#include <array>
#include <optional>

namespace iptc {
namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kStuffedZero = 0x00;
constexpr uint8_t kTem = 0x01;
constexpr uint8_t kRst0 = 0xD0;
constexpr uint8_t kRst7 = 0xD7;
constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kEoi = 0xD9;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kApp13 = 0xED;

constexpr std::array<uint8_t, 14> kPhotoshopHeader = {'P', 'h', 'o', 't', 'o', 's', 'h',
                                                      'o', 'p', ' ', '3', '.', '0', '\0'};

struct Marker {
    uint64_t offset = 0;  // of its 0xFF
    uint8_t code = 0;
};

bool isMarkerCode(uint8_t b) { return b != kStuffedZero && b != kMarkerPrefix; }

bool standsAlone(uint8_t code) {
    return code == kTem || code == kSoi || (code >= kRst0 && code <= kRst7);
}

// The first marker whose 0xFF lies in [from, limit).
std::optional<Marker> findMarker(ByteSource& source, uint64_t from, uint64_t limit) {
    uint64_t pos = from;
    size_t scan = kFirstScan;
    while (pos < limit) {
        // One byte more than the range, so a 0xFF at its last place shows its code.
        const size_t count = static_cast<size_t>(std::min<uint64_t>(scan, limit - pos + 1));
        scan = kScanBlock;
        const auto block = source.view(pos, count);
        if (block.size() < 2) return std::nullopt;
        for (size_t i = 0; i + 1 < block.size(); ++i) {
            if (block[i] == kMarkerPrefix && isMarkerCode(block[i + 1])) {
                return Marker{pos + i, block[i + 1]};
            }
        }
        pos += block.size() - 1;  // the last byte is looked at again, with its successor
    }
    return std::nullopt;
}

bool startsWithPhotoshopHeader(std::span<const uint8_t> body) {
    return body.size() >= kPhotoshopHeader.size() &&
           std::ranges::equal(body.first(kPhotoshopHeader.size()), kPhotoshopHeader);
}

}  // namespace

JpegHeader readJpegHeader(ByteSource& source) {
    JpegHeader header;
    const auto soi = source.view(0, 2);
    header.isJpeg = soi.size() == 2 && soi[0] == kMarkerPrefix && soi[1] == kSoi;
    if (!header.isJpeg) return header;

    uint64_t pos = 2;
    uint64_t segmentEnd = 2;
    // Every pass moves `pos` on by at least two bytes, so the walk ends.
    while (true) {
        const auto marker = findMarker(source, pos, segmentEnd + kMaxGap);
        if (!marker || marker->code == kSos || marker->code == kEoi) break;
        pos = marker->offset + 2;
        if (standsAlone(marker->code)) continue;

        const auto lengthBytes = source.view(pos, 2);
        if (lengthBytes.size() < 2) break;
        const uint64_t length = static_cast<uint64_t>(lengthBytes[0]) << 8 | lengthBytes[1];
        if (length < 2) break;
        const uint64_t bodyStart = pos + 2;
        const uint64_t end = pos + length;

        if (marker->code == kApp13) {
            const auto body = source.view(bodyStart, static_cast<size_t>(length - 2));
            if (startsWithPhotoshopHeader(body)) {
                const auto resources = body.subspan(kPhotoshopHeader.size());
                header.resourceStream.insert(header.resourceStream.end(), resources.begin(),
                                             resources.end());
            }
        }
        // A segment that runs past the end leaves no bytes for the next search.
        pos = segmentEnd = end;
    }
    return header;
}

}  // namespace iptc

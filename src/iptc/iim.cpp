#include "iptc/iim.h"

#include <algorithm>
#include <array>

#include "iptc/byte_reader.h"
#include "iptc/text_encoding.h"

namespace iptc {
namespace {

constexpr uint8_t kTagMarker = 0x1C;
constexpr uint16_t kExtendedLength = 0x8000;  // the low 15 bits count the length bytes
constexpr uint16_t kLengthByteCount = 0x7FFF;
constexpr uint16_t kMaxLengthBytes = 4;

constexpr uint8_t kEnvelopeRecord = 1;
constexpr uint8_t kCodedCharacterSet = 90;
constexpr std::array<uint8_t, 3> kUtf8Escape = {0x1B, 0x25, 0x47};  // ESC % G

constexpr uint8_t kApplicationRecord = 2;
constexpr uint8_t kByLine = 80;
constexpr uint8_t kByLineTitle = 85;
constexpr uint8_t kSource = 115;

struct Dataset {
    uint8_t record = 0;
    uint8_t number = 0;
    std::span<const uint8_t> value;
};

// Reads the dataset at the reader's position; nothing when the walk must stop.
std::optional<Dataset> nextDataset(ByteReader& reader) {
    if (reader.u8() != kTagMarker) return std::nullopt;
    Dataset dataset;
    dataset.record = reader.u8();
    dataset.number = reader.u8();
    const uint16_t lengthField = reader.u16be();
    uint64_t length = lengthField;
    if (lengthField & kExtendedLength) {
        const auto lengthBytes = static_cast<uint16_t>(lengthField & kLengthByteCount);
        if (lengthBytes == 0 || lengthBytes > kMaxLengthBytes) return std::nullopt;
        length = 0;
        for (uint16_t i = 0; i < lengthBytes; ++i) length = length << 8 | reader.u8();
    }
    dataset.value = reader.bytes(length);
    if (!reader.ok()) return std::nullopt;
    return dataset;
}

}  // namespace

void readIimBlock(std::span<const uint8_t> block, FoundFields& found) {
    // Raw values first: the character set may stand anywhere in the block.
    std::optional<std::span<const uint8_t>> byLine, byLineTitle, source, characterSet;
    const auto keepFirst = [](std::optional<std::span<const uint8_t>>& slot, const Dataset& d) {
        if (!slot) slot = d.value;
    };

    ByteReader reader(block);
    while (!reader.atEnd()) {
        const auto dataset = nextDataset(reader);
        if (!dataset) break;
        if (dataset->record == kEnvelopeRecord && dataset->number == kCodedCharacterSet) {
            keepFirst(characterSet, *dataset);
        } else if (dataset->record == kApplicationRecord) {
            if (dataset->number == kByLine) keepFirst(byLine, *dataset);
            if (dataset->number == kByLineTitle) keepFirst(byLineTitle, *dataset);
            if (dataset->number == kSource) keepFirst(source, *dataset);
        }
    }

    const bool utf8 = characterSet && std::ranges::equal(*characterSet, kUtf8Escape);
    const auto decode = [utf8](std::span<const uint8_t> raw) {
        return utf8 ? std::string(raw.begin(), raw.end()) : cp1252ToUtf8(raw);
    };
    if (byLine && !found.byLine) found.byLine = decode(*byLine);
    if (byLineTitle && !found.byLineTitle) found.byLineTitle = decode(*byLineTitle);
    if (source && !found.source) found.source = decode(*source);
}

}  // namespace iptc

#include "iptc/jpeg_builder.h"

#include <algorithm>
#include <stdexcept>

namespace iptc::test {
namespace {

void appendBigEndian(Bytes& out, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Bytes bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes dataset(uint8_t record, uint8_t number, std::string_view value) {
    if (value.size() >= 0x8000) throw std::invalid_argument("use extendedDataset");
    Bytes out = {0x1C, record, number};
    appendBigEndian(out, value.size(), 2);
    return cat({out, bytes(value)});
}

Bytes extendedDataset(uint8_t record, uint8_t number, std::string_view value, int lengthBytes) {
    Bytes out = {0x1C, record, number};
    appendBigEndian(out, 0x8000u | static_cast<unsigned>(lengthBytes), 2);
    appendBigEndian(out, value.size(), lengthBytes);
    return cat({out, bytes(value)});
}

Bytes byLine(std::string_view value) { return dataset(2, 80, value); }
Bytes byLineTitle(std::string_view value) { return dataset(2, 85, value); }
Bytes source(std::string_view value) { return dataset(2, 115, value); }
Bytes utf8Charset() { return dataset(1, 90, "\x1B%G"); }

Bytes resource(uint16_t id, const Bytes& data, std::string_view name, std::string_view signature) {
    Bytes out = bytes(signature);
    appendBigEndian(out, id, 2);
    out.push_back(static_cast<uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    if (out.size() % 2 != 0) out.push_back(0);  // the header so far is 6 + the name field
    appendBigEndian(out, data.size(), 4);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) out.push_back(0);
    return out;
}

Bytes iptcResource(const Bytes& iim, std::string_view name) { return resource(0x0404, iim, name); }

Bytes marker(uint8_t code) { return {0xFF, code}; }

Bytes segment(uint8_t code, const Bytes& body) {
    if (body.size() > 0xFFFD) throw std::invalid_argument("segment body too long");
    Bytes out = marker(code);
    appendBigEndian(out, body.size() + 2, 2);
    return cat({out, body});
}

Bytes photoshopSegment(const Bytes& resources) {
    return segment(
        0xED, cat({Bytes{'P', 'h', 'o', 't', 'o', 's', 'h', 'o', 'p', ' ', '3', '.', '0', '\0'},
                   resources}));
}

Bytes photoshopSegments(const Bytes& resources) {
    constexpr size_t kPart = 0xFFFD - 14;
    Bytes out;
    for (size_t from = 0; from < resources.size(); from += kPart) {
        const size_t to = std::min(resources.size(), from + kPart);
        out = cat({out, photoshopSegment(Bytes(resources.begin() + from, resources.begin() + to))});
    }
    return out;
}

Bytes app0() { return segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}); }

Bytes imageData() {
    Bytes quantTable(65, 1);
    quantTable[0] = 0;
    return cat({segment(0xDB, quantTable),
                segment(0xC0, {8, 0, 1, 0, 1, 1, 1, 0x11, 0}),
                segment(0xDA, {1, 1, 0, 0, 63, 0}),
                {0x12, 0xFF, 0x00, 0x34},  // a scan with a stuffed zero
                marker(0xD9)});
}

Bytes jpeg(std::initializer_list<Bytes> headerParts) {
    return cat({marker(0xD8), cat(headerParts), imageData()});
}

}  // namespace iptc::test

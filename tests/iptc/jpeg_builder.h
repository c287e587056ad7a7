#pragma once
// Builds small JPEG byte streams for the IPTC reader's tests and fuzz seeds:
// markers, segments, Photoshop image resources and IIM datasets, each as the
// bytes a writer would put in the file, so a test can also break them.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace iptc::test {

using Bytes = std::vector<uint8_t>;

Bytes bytes(std::string_view text);
Bytes cat(std::initializer_list<Bytes> parts);

// An IIM dataset with the standard 2-byte length.
Bytes dataset(uint8_t record, uint8_t number, std::string_view value);
// An IIM dataset with an extended length held in `lengthBytes` bytes.
Bytes extendedDataset(uint8_t record, uint8_t number, std::string_view value, int lengthBytes);
Bytes byLine(std::string_view value);       // 2:80
Bytes byLineTitle(std::string_view value);  // 2:85
Bytes source(std::string_view value);       // 2:115
Bytes utf8Charset();                        // 1:90 = ESC % G

// An image resource: signature, id, Pascal name padded to even, size, data
// padded to even.
Bytes resource(uint16_t id, const Bytes& data, std::string_view name = "",
               std::string_view signature = "8BIM");
Bytes iptcResource(const Bytes& iim, std::string_view name = "");

Bytes marker(uint8_t code);                      // FF code
Bytes segment(uint8_t code, const Bytes& body);  // FF code, length, body
Bytes photoshopSegment(const Bytes& resources);  // APP13 "Photoshop 3.0\0" + resources
// As many Photoshop APP13 segments as `resources` needs, each as full as it can be.
Bytes photoshopSegments(const Bytes& resources);
Bytes app0();       // a JFIF APP0
Bytes imageData();  // DQT, SOF0, SOS, a scan and EOI

// SOI, the header parts, then the image data.
Bytes jpeg(std::initializer_list<Bytes> headerParts);

}  // namespace iptc::test

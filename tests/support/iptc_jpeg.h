#pragma once
// Builds the bytes of a small JPEG whose APP13 segment carries the given IPTC
// fields, for tests that need page images and plain JPEGs on disk. The picture
// data is a stub: only the header segments are meaningful.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct IptcFieldValues {
    std::optional<std::string> byLine;       // 2:80
    std::optional<std::string> byLineTitle;  // 2:85
    std::optional<std::string> source;       // 2:115
};

// A JPEG with the fields given (UTF-8, marked so in 1:90); absent fields are left out.
std::vector<uint8_t> jpegWithIptc(const IptcFieldValues& fields);

// A page image: the title, the page marker and the address.
std::vector<uint8_t> pageImage(const std::string& title, const std::string& address);

// A JPEG without any IPTC record.
std::vector<uint8_t> plainJpeg();

}  // namespace testsupport

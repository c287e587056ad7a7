#pragma once
// The walk over a JPEG file's markers that gathers its Photoshop APP13 data.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "iptc/byte_source.h"

namespace iptc {

// How far the walk searches for the next marker after a segment's end. One
// maximal segment: a length that is off by up to a whole segment is bridged.
inline constexpr uint64_t kMaxGap = uint64_t{64} * 1024;

// Bytes looked at per view while searching for a marker; each view overlaps
// the one before by a byte. A marker nearly always sits right where the last
// segment ended, so the first look is short and stays inside what the source
// has buffered; later looks are longer.
inline constexpr size_t kFirstScan = 32;
inline constexpr size_t kScanBlock = 4096;

struct JpegHeader {
    bool isJpeg = false;  // the input starts with the SOI marker FF D8
    // The bodies of the Photoshop APP13 segments after their 14-byte
    // "Photoshop 3.0\0" headers, joined in file order: one resource stream.
    std::vector<uint8_t> resourceStream;
};

// Walks the markers from SOI to the first SOS or EOI and gathers the Photoshop
// APP13 bodies; every other segment is skipped unread. Its rules:
// - 0xFF fill bytes before a marker are allowed;
// - between segments, bytes that are not a marker (garbage, a stray FF 00) are
//   skipped up to the next 0xFF followed by a marker byte (not 00, not FF); the
//   walk ends when none starts within kMaxGap bytes of the last segment's end;
// - TEM, RSTn and a repeated SOI stand alone (no length);
// - a length below 2 ends the walk; so does a segment that runs past the end
//   of the input, after its bytes up to the end are used when it is an APP13.
// Allocation is bounded by the input's size.
JpegHeader readJpegHeader(ByteSource& source);

}  // namespace iptc

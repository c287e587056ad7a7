#pragma once
// The IPTC reader's parse over bytes, apart from opening a file: what LoadFile
// runs on a file, and what tests and the fuzzer run on a buffer. The rules it
// follows are listed in iptc_reader.h.

#include <cstdint>
#include <span>

#include "iptc/byte_source.h"
#include "iptc/iptc_reader.h"

namespace iptc {

enum class ParseOutcome {
    read,       // a JPEG: `fields` holds what was found, possibly nothing
    notJpeg,    // the input does not start with FF D8
    readFault,  // the source failed while it was read
};

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::notJpeg;
    IptcFields fields;  // empty unless `outcome` is `read`
};

ParseResult readIptcFields(ByteSource& source);
ParseResult readIptcFields(std::span<const uint8_t> bytes);

}  // namespace iptc

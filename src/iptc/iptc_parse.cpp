#include "iptc/iptc_parse.h"

#include "iptc/image_resources.h"
#include "iptc/jpeg_segments.h"

namespace iptc {

ParseResult readIptcFields(ByteSource& source) {
    const JpegHeader header = readJpegHeader(source);
    if (source.failed()) return {ParseOutcome::readFault, {}};
    if (!header.isJpeg) return {ParseOutcome::notJpeg, {}};

    FoundFields found;
    readImageResources(header.resourceStream, found);
    return {ParseOutcome::read,
            {found.byLine.value_or(""), found.byLineTitle.value_or(""), found.source.value_or("")}};
}

ParseResult readIptcFields(std::span<const uint8_t> bytes) {
    MemorySource source(bytes);
    return readIptcFields(source);
}

}  // namespace iptc

// libFuzzer target: the IPTC reader's parse over arbitrary bytes, the same
// path LoadFile runs on a file's contents. Built and run by scripts/fuzz.sh.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "iptc/iptc_parse.h"

namespace {

// Each field is decoded from bytes of the input, at most 3 UTF-8 bytes each.
bool plausible(const iptc::ParseResult& result, size_t inputSize) {
    const iptc::IptcFields& f = result.fields;
    const size_t total = f.byLine.size() + f.byLineTitle.size() + f.source.size();
    if (result.outcome != iptc::ParseOutcome::read) return total == 0;
    return total <= 3 * inputSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const iptc::ParseResult result = iptc::readIptcFields(input);
    const bool startsAsJpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    if (startsAsJpeg != (result.outcome == iptc::ParseOutcome::read)) std::abort();
    if (!plausible(result, size)) std::abort();
    return 0;
}

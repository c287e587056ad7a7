#pragma once
// The IIM datasets inside one IPTC resource (Photoshop resource 0x0404).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace iptc {

// The fields found so far across the resources of one file. A field once set
// is never replaced: the first occurrence of a dataset is the one that counts.
struct FoundFields {
    std::optional<std::string> byLine;
    std::optional<std::string> byLineTitle;
    std::optional<std::string> source;

    bool complete() const noexcept { return byLine && byLineTitle && source; }
};

// Walks the datasets of one IIM block and sets the fields of `found` that are
// still unset. The walk stops, keeping what it found before, at a byte other
// than the 0x1C tag marker, at an extended length of more than 4 bytes, and at
// a dataset that runs past the block. Text is UTF-8 when the block's first
// 1:90 dataset is ESC % G, else Windows-1252; the bytes are kept exactly.
void readIimBlock(std::span<const uint8_t> block, FoundFields& found);

}  // namespace iptc

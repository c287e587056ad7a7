#pragma once
// The Photoshop image resources carried by a JPEG's APP13 segments.

#include <cstdint>
#include <span>

#include "iptc/iim.h"

namespace iptc {

// Walks the resources of `stream` (the APP13 bodies after their "Photoshop 3.0"
// headers, joined in file order) and reads every IPTC resource (id 0x0404)
// into `found`. The walk ends at a signature other than "8BIM" and at a
// resource header cut by the end; a resource whose size runs past the end is
// read as far as the stream goes.
void readImageResources(std::span<const uint8_t> stream, FoundFields& found);

}  // namespace iptc

#pragma once
// FileSource: a ByteSource over a file on disk that reads only what is asked.
//
// Views are served from one buffer that is refilled with a single seek and
// read per miss: a block of kBlockSize bytes, or more when one view needs more
// (a segment body of up to 64 KB). Segments the walk skips are never read.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <span>
#include <string_view>
#include <vector>

#include "iptc/byte_source.h"

namespace iptc {

class FileSource final : public ByteSource {
public:
    // Large enough for the header segments of a typical JPEG in one read, small
    // enough that a file with little before its image data costs little.
    static constexpr size_t kBlockSize = size_t{8} * 1024;

    enum class OpenResult {
        opened,
        notFound,      // no such path, or not a regular file (a folder, a device)
        accessDenied,  // the file exists but cannot be opened (permissions, a lock)
    };

    // `blockSize` is the least a refill reads; tests vary it to probe the edges.
    explicit FileSource(size_t blockSize = kBlockSize) noexcept : blockSize_(blockSize) {}

    // Opens the file at `utf8Path` for reading; call once.
    OpenResult open(std::string_view utf8Path);

    std::span<const uint8_t> view(uint64_t offset, size_t count) override;
    bool failed() const noexcept override { return failed_; }

private:
    bool fill(uint64_t offset, size_t count);

    size_t blockSize_;
    std::ifstream in_;
    uint64_t size_ = 0;
    uint64_t filePosition_ = 0;  // where the next read starts without a seek
    std::vector<uint8_t> buffer_;
    uint64_t bufferStart_ = 0;
    size_t bufferLength_ = 0;
    bool failed_ = false;
};

}  // namespace iptc

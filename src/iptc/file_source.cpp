#include "iptc/file_source.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "base/utf8_path.h"

namespace iptc {

FileSource::OpenResult FileSource::open(std::string_view utf8Path) {
    const auto path = base::pathFromUtf8(utf8Path);
    if (!path) return OpenResult::notFound;

    // One stat tells a missing path, a folder or device, and the size; the size
    // taken here bounds every read, so a file that grows later is read as it was.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(*path, error);
    if (error == std::errc::permission_denied) return OpenResult::accessDenied;
    if (error) return OpenResult::notFound;

    // Unbuffered: every view is one read of exactly what the walk needs.
    in_.rdbuf()->pubsetbuf(nullptr, 0);
    in_.open(*path, std::ios::binary);
    if (!in_.is_open()) return OpenResult::accessDenied;
    size_ = size;
    return OpenResult::opened;
}

std::span<const uint8_t> FileSource::view(uint64_t offset, size_t count) {
    if (failed_ || offset >= size_) return {};
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
    const bool buffered = offset >= bufferStart_ && offset - bufferStart_ + wanted <= bufferLength_;
    if (!buffered && !fill(offset, wanted)) return {};
    return std::span<const uint8_t>(buffer_).subspan(static_cast<size_t>(offset - bufferStart_),
                                                     wanted);
}

bool FileSource::fill(uint64_t offset, size_t wanted) {
    const size_t length =
        static_cast<size_t>(std::min<uint64_t>(std::max(wanted, blockSize_), size_ - offset));
    if (buffer_.size() < length) buffer_.resize(length);
    bufferLength_ = 0;
    if (filePosition_ != offset) in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(buffer_.data()), static_cast<std::streamsize>(length));
    filePosition_ = offset + static_cast<uint64_t>(in_.gcount());
    // The size was taken at open: a short read means an I/O error or a file
    // that shrank while we read it; either way the bytes cannot be trusted.
    if (in_.gcount() != static_cast<std::streamsize>(length)) {
        failed_ = true;
        return false;
    }
    bufferStart_ = offset;
    bufferLength_ = length;
    return true;
}

}  // namespace iptc

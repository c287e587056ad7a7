#pragma once
// IptcReader: reads the By-line (2:80), By-line Title (2:85) and Source (2:115)
// datasets of a JPEG file's IPTC record. Portable; no Windows headers.
//
// The operations mirror the reader's COM interface: each returns a Status, and
// a failing Status is what the caller raises as an error with the Status's code
// (an HRESULT, as a signed number) and description.
//
// Where the reader looks. Only the file's header is read: the markers from SOI
// up to the first SOS or EOI, with every segment other than APP13 skipped by a
// seek. The bodies of the APP13 segments that start "Photoshop 3.0\0", after
// those 14 bytes, are joined in file order into one stream of Photoshop image
// resources, so a resource continued in the next APP13 segment is read whole
// and IPTC data in a second, separate APP13 segment is read as well. Every
// "8BIM" resource with id 0x0404 is an IIM block. IPTC data elsewhere (in a
// trailer after EOI, in XMP, outside APP13) is not read.
//
// What it takes from an IIM block. A repeated dataset gives its FIRST
// occurrence, across all 0x0404 resources in stream order; an empty dataset is
// an occurrence. The text is taken as UTF-8 when the block's first 1:90
// (coded character set) dataset is ESC % G, and decoded from Windows-1252
// otherwise. The bytes are otherwise kept exactly: nothing is trimmed, a
// trailing NUL or blank stays in the value.
//
// Damaged structure. A file that starts with FF D8 is read successfully even
// when it breaks later; the fields hold what was found before the break.
// - Fill bytes 0xFF before a marker are allowed. Bytes between segments that
//   are not a marker (garbage, a stray FF 00) are skipped to the next 0xFF that
//   is followed by a marker byte; when none starts within 64 KB of the last
//   segment's end, the walk ends.
// - A segment length below 2 ends the walk. A segment running past the end of
//   the file ends it too; an APP13 segment cut so is used up to the end.
// - The resource walk ends at a signature other than "8BIM" (such as "AgHg",
//   "DCSR", "PHUT") and at a resource header cut by the stream's end. A
//   resource whose size runs past the stream is read up to the stream's end.
// - The dataset walk of a block ends at a byte other than the 0x1C tag marker,
//   at an extended length of more than 4 bytes, and at a dataset whose length
//   runs past its resource: that dataset and the rest of the resource are
//   ignored, the fields found before stay.

#include <cstdint>
#include <string>
#include <string_view>

namespace iptc {

// HRESULT-style status: negative codes are failures.
struct Status {
    int32_t code = 0;
    std::string description;

    bool ok() const noexcept { return code >= 0; }
};

namespace status_code {
inline constexpr int32_t ok = 0;
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND): no such file, or not a file.
inline constexpr int32_t fileNotFound = static_cast<int32_t>(0x80070002u);
// HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED): the file exists but cannot be opened.
inline constexpr int32_t accessDenied = static_cast<int32_t>(0x80070005u);
// HRESULT_FROM_WIN32(ERROR_READ_FAULT): reading the open file failed.
inline constexpr int32_t readFault = static_cast<int32_t>(0x8007001Eu);
// E_FAIL: the file does not start as a JPEG does.
inline constexpr int32_t notJpeg = static_cast<int32_t>(0x80004005u);
}  // namespace status_code

// The three fields of one file, UTF-8; a dataset the file lacks is empty.
struct IptcFields {
    std::string byLine;
    std::string byLineTitle;
    std::string source;
};

class IptcReader {
public:
    // Kept for the interface. A repeated dataset gives its first occurrence, so
    // the delimiter never appears inside a field.
    Status Delimiter(std::string_view delimiter);
    // Reads the IPTC record of the file at `path` (UTF-8; a backslash separates
    // folders, also where the system's separator is '/'). Replaces the fields of
    // any earlier load; on failure the fields are empty.
    Status LoadFile(std::string_view path);
    Status ByLine(std::string& value) const;
    Status ByLineTitle(std::string& value) const;
    Status Source(std::string& value) const;

private:
    std::string delimiter_;
    IptcFields fields_;
};

}  // namespace iptc

#pragma once
// What makes a JPEG a page image: the three IPTC fields written when the page
// was captured, and the marker in the second of them.

#include <string>
#include <string_view>

namespace tags {

// The marker a page image carries in its By-line Title, exactly.
inline constexpr std::string_view tagMarker = "*+*+*";

// The three fields of one file; a field the file lacks is "".
struct PageRecord {
    std::string title;    // By-line
    std::string marker;   // By-line Title
    std::string address;  // Source
};

// Reads the three fields of the file at `path`, where it lies: the one read
// of a file's tags, for the tag check and the folder scan alike. Raises a
// failing status of the IPTC reader as the program's error.
PageRecord readPageRecord(std::string_view path);

// Compared exactly: no trimming, letter case matters, nothing before or after.
inline bool isTagMarker(std::string_view marker) { return marker == tagMarker; }

// Whether the file at `path` carries the marker; raises as readPageRecord.
inline bool isPageImage(std::string_view path) { return isTagMarker(readPageRecord(path).marker); }

// The one-line description of a check kept in the last-run record.
inline std::string tagSummary(const PageRecord& record) {
    return "By-Line:" + record.title + "# By-Title:" + record.marker + "# Source:" + record.address;
}

}  // namespace tags

#include "iptc/iptc_reader.h"

#include <exception>

#include "iptc/file_source.h"
#include "iptc/iptc_parse.h"

namespace iptc {
namespace {

Status failure(int32_t code, std::string_view description) {
    return {code, std::string(description)};
}

}  // namespace

Status IptcReader::Delimiter(std::string_view delimiter) {
    delimiter_ = delimiter;
    return {};
}

Status IptcReader::LoadFile(std::string_view path) {
    fields_ = {};
    // The interface reports through its status, never by throwing.
    try {
        FileSource file;
        switch (file.open(path)) {
            case FileSource::OpenResult::opened:
                break;
            case FileSource::OpenResult::notFound:
                return failure(status_code::fileNotFound, "The file was not found.");
            case FileSource::OpenResult::accessDenied:
                return failure(status_code::accessDenied, "The file cannot be opened.");
        }
        ParseResult result = readIptcFields(file);
        switch (result.outcome) {
            case ParseOutcome::read:
                fields_ = std::move(result.fields);
                return {};
            case ParseOutcome::notJpeg:
                return failure(status_code::notJpeg, "Not a JPEG file.");
            case ParseOutcome::readFault:
                break;
        }
    } catch (const std::exception&) {
        // Out of memory, or a stream error the library reported by throwing.
    }
    return failure(status_code::readFault, "The file could not be read.");
}

Status IptcReader::ByLine(std::string& value) const {
    value = fields_.byLine;
    return {};
}

Status IptcReader::ByLineTitle(std::string& value) const {
    value = fields_.byLineTitle;
    return {};
}

Status IptcReader::Source(std::string& value) const {
    value = fields_.source;
    return {};
}

}  // namespace iptc

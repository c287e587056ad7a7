#include "tags/page_tags.h"

#include "iptc/iptc_reader.h"
#include "tags/iptc_status.h"

namespace tags {

PageRecord readPageRecord(std::string_view path) {
    iptc::IptcReader reader;
    raiseOnFailure(reader.Delimiter("\r\n"));
    raiseOnFailure(reader.LoadFile(path));
    PageRecord record;
    raiseOnFailure(reader.ByLine(record.title));
    raiseOnFailure(reader.ByLineTitle(record.marker));
    raiseOnFailure(reader.Source(record.address));
    return record;
}

}  // namespace tags

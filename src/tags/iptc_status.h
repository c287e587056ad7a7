#pragma once

#include "base/app_error.h"
#include "iptc/iptc_reader.h"

namespace tags {

// Raises a failing status of the IPTC reader as the program's error, with the
// status's number and description.
inline void raiseOnFailure(const iptc::Status& status) {
    if (!status.ok()) throw base::AppError(status.code, status.description);
}

}  // namespace tags

#pragma once

#include <string>
#include <vector>

#include "base/rounding.h"
#include "ui/control.h"

namespace ui {

// The listing of one folder's files that match a pattern. The program keeps
// it hidden and reads it as data; whoever sets the folder supplies the names.
class FileListBox : public Control {
public:
    using Control::Control;

    const std::string& pattern() const noexcept { return pattern_; }
    void setPattern(std::string pattern) { pattern_ = std::move(pattern); }

    // The folder as the control reports it: no trailing backslash, except for
    // a drive root ("C:\").
    const std::string& path() const noexcept { return path_; }
    const std::vector<std::string>& items() const noexcept { return items_; }
    // The count is 16-bit: a folder of more than 32767 entries raises overflow (6).
    int16_t listCount() const { return base::roundTo<int16_t>(items_.size()); }

    void setListing(std::string path, std::vector<std::string> items);

private:
    std::string pattern_;
    std::string path_;
    std::vector<std::string> items_;
};

}  // namespace ui

#pragma once

#include <string>
#include <vector>

#include "base/rounding.h"
#include "ui/control.h"

namespace ui {

// A list of text items. The program uses its lists hidden, as data.
class ListBox : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const noexcept { return items_; }
    // The count is 16-bit: more than 32767 items raise overflow (6).
    int16_t listCount() const { return base::roundTo<int16_t>(items_.size()); }
    void addItem(std::string item);
    void clear();

private:
    std::vector<std::string> items_;
};

}  // namespace ui

#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A list of text items. The program uses its lists hidden, as data.
class ListBox : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const noexcept { return items_; }
    int16_t listCount() const noexcept { return static_cast<int16_t>(items_.size()); }
    void addItem(std::string item);
    void clear();

private:
    std::vector<std::string> items_;
};

}  // namespace ui

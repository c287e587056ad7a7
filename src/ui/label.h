#pragma once

#include <string>
#include <utility>

namespace ui {

// A text label of a window. Holds its caption; the window toolkit draws it.
class Label {
public:
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

private:
    std::string caption_;
};

}  // namespace ui

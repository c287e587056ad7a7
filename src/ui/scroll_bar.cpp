#include "ui/scroll_bar.h"

#include "base/app_error.h"

namespace ui {

void FlatScrollBar::setValue(int16_t value) {
    if (value < 0 || value > max_)
        throw base::AppError(base::error_number::invalidPropertyValue, "Invalid property value");
    if (value == value_) return;
    value_ = value;
    notify(ui::Change::content);
    if (Change) Change();
}

void FlatScrollBar::setMax(int16_t max) {
    if (max < 0)
        throw base::AppError(base::error_number::invalidPropertyValue, "Invalid property value");
    max_ = max;
    notify(ui::Change::content);
    if (value_ > max_) setValue(max_);
}

}  // namespace ui

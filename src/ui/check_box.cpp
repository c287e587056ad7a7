#include "ui/check_box.h"

#include "base/app_error.h"

namespace ui {

namespace {

void checkValue(int16_t value) {
    if (value != CheckBox::cleared && value != CheckBox::ticked)
        throw base::AppError(base::error_number::invalidPropertyValue, "Invalid property value");
}

}  // namespace

void CheckBox::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Change::content);
}

void CheckBox::setFont(Font font) {
    font_ = std::move(font);
    notify(Change::content);
}

void CheckBox::setValue(int16_t value) {
    checkValue(value);
    if (value == value_) return;
    value_ = value;
    notify(Change::content);
}

void CheckBox::userClick() {
    setValue(value_ == ticked ? cleared : ticked);
    fireClick();
}

void CheckBox::backendClicked(int16_t value) {
    checkValue(value);
    value_ = value;
    fireClick();
}

}  // namespace ui

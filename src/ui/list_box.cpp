#include "ui/list_box.h"

namespace ui {

void ListBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify(Change::content);
}

void ListBox::clear() {
    items_.clear();
    notify(Change::content);
}

}  // namespace ui

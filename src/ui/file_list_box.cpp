#include "ui/file_list_box.h"

namespace ui {

void FileListBox::setListing(std::string path, std::vector<std::string> items) {
    path_ = std::move(path);
    items_ = std::move(items);
    notify(Change::content);
}

}  // namespace ui

#include "ui/label.h"

namespace ui {

void Label::setCaption(std::string caption) { update(caption_, std::move(caption)); }

}  // namespace ui

#include "refhost/widgets/Widget.h"

namespace refhost {

std::u16string Widget::Text() const {
  const std::u16string* text = Property<std::u16string>("text");
  return text ? *text : std::u16string();
}

double Widget::Position() const {
  const double* position = Property<double>("position");
  return position ? *position : 0.0;
}

bool Widget::Flag(const std::string& key) const {
  const bool* flag = Property<bool>(key);
  return flag && *flag;
}

}  // namespace refhost

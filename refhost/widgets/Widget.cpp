#include "refhost/widgets/Widget.h"

#include "abi/WidgetProtocol.h"

namespace refhost {

std::u16string Widget::Text() const {
  const std::u16string* text = Property<std::u16string>(widget_key::kText);
  return text ? *text : std::u16string();
}

double Widget::Position() const {
  const double* position = Property<double>(widget_key::kPosition);
  return position ? *position : 0.0;
}

bool Widget::Flag(const std::string& key) const {
  const bool* flag = Property<bool>(key);
  return flag && *flag;
}

}  // namespace refhost

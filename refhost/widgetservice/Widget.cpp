#include "refhost/widgetservice/Widget.h"

#include <cmath>
#include <limits>
#include <sstream>

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

double Widget::Lowest() const {
  const double* lowest = Property<double>(widget_key::kMin);
  return lowest ? *lowest : -std::numeric_limits<double>::infinity();
}

double Widget::Highest() const {
  const double* highest = Property<double>(widget_key::kMax);
  return highest ? *highest : std::numeric_limits<double>::infinity();
}

bool Widget::Admits(double position) const {
  return std::isfinite(position) && position >= Lowest() && position <= Highest();
}

std::string Widget::Range() const {
  std::ostringstream text;
  text << Lowest() << " to " << Highest();
  return text.str();
}

bool Widget::Flag(const std::string& key) const {
  const bool* flag = Property<bool>(key);
  return flag && *flag;
}

}  // namespace refhost

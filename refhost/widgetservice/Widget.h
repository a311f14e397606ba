#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "refhost/RefhostApi.h"

namespace refhost {

// A property as the plug-in last set it, in the protocol's value types.
using PropertyValue = std::variant<std::string, std::u16string, int, bool, double>;

struct ListItem {
  std::u16string text;
  std::uint64_t tag = 0;
};

// One host widget. Destroyed widgets stay in the tree, marked, so that tests
// can still look at them; their identifiers are never reused.
struct REFHOST_API Widget {
  int id = 0;
  std::string kind;  // "frame", "button", ..., "dialog", or "main_window"
  int parent = 0;
  std::vector<int> children;      // in attach order
  std::vector<int> childWindows;  // dialogs attached with AddChildWindow
  std::map<std::string, PropertyValue> properties;
  std::vector<ListItem> items;
  int currentIndex = -1;  // -1: no item selected
  bool destroyed = false;

  template <class T>
  const T* Property(const std::string& key) const {
    auto found = properties.find(key);
    return found == properties.end() ? nullptr : std::get_if<T>(&found->second);
  }
  std::u16string Text() const;
  double Position() const;
  // A spin box's limits as the plug-in set them; unbounded where it set none.
  double Lowest() const;
  double Highest() const;
  // True for a finite position within the limits: what a user can enter.
  bool Admits(double position) const;
  // The limits as a person reads them: "-200 to 200".
  std::string Range() const;
  bool Flag(const std::string& key) const;
};

}  // namespace refhost

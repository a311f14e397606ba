#pragma once

#include <cstdint>
#include <string>

#include "widgets/MQWidgetBase.h"

// A host list box whose items each carry an opaque 64-bit tag, created with
// the wrapper.
class MQListBox : public MQWidgetBase {
 public:
  MQListBox();

  // Appends an item; returns its index, -1 when the host does not answer.
  int AddItem(const std::u16string& text, std::uint64_t tag);
  // The selected index as the host reports it; 0 when it does not answer.
  int GetCurrentIndex() const;
  // The tag stored with the item at `index`; 0 when the host does not answer.
  std::uint64_t GetItemTag(int index) const;
};

#pragma once

#include <cstddef>
#include <map>

#include "widgets/WidgetID.h"

class MQWidgetBase;

// The process-wide map from host identifiers to the live wrappers bound to
// them. It owns no wrapper: emptying it at unload deletes nothing.
class WidgetRegistry {
 public:
  // The one registry, created empty when the module is loaded.
  static WidgetRegistry& Instance();

  // Keeps an entry already held under `id`: the first wrapper bound to an
  // identifier stays registered. Throws only the map's allocation and
  // length errors.
  void Insert(WidgetID id, MQWidgetBase* widget);
  // Removes whichever wrapper is held under `id`.
  void Remove(WidgetID id);
  // The wrapper held under `id`, or null.
  MQWidgetBase* Find(WidgetID id) const;
  std::size_t Count() const;

 private:
  std::map<WidgetID, MQWidgetBase*> entries_;
};

#include "widgets/WidgetRegistry.h"

namespace {
// Namespace scope rather than a function-local static: the registry exists
// from load, before any wrapper is made.
WidgetRegistry g_registry;
}  // namespace

WidgetRegistry& WidgetRegistry::Instance() { return g_registry; }

void WidgetRegistry::Insert(WidgetID id, MQWidgetBase* widget) { entries_.emplace(id, widget); }

void WidgetRegistry::Remove(WidgetID id) { entries_.erase(id); }

MQWidgetBase* WidgetRegistry::Find(WidgetID id) const {
  const auto entry = entries_.find(id);
  return entry == entries_.end() ? nullptr : entry->second;
}

std::size_t WidgetRegistry::Count() const { return entries_.size(); }

#include "merge/PluginObject.h"

#include <cstdlib>
#include <new>

namespace {

// Raw static storage rather than a function-local static: the host calls us
// from one thread, so no initialisation guard (a lock) is wanted.
alignas(Blendforge) unsigned char g_storage[sizeof(Blendforge)];
bool g_constructed = false;

Blendforge* Instance() { return std::launder(reinterpret_cast<Blendforge*>(g_storage)); }

void DestroyPlugInObject() { Instance()->~Blendforge(); }

}  // namespace

Blendforge& GetPlugInObject() {
  if (g_constructed) return *Instance();
  g_constructed = true;
  new (g_storage) Blendforge();
  // Runs when the module is unloaded (the module's own exit list).
  std::atexit(DestroyPlugInObject);
  return *Instance();
}

bool IsPlugInObjectConstructed() { return g_constructed; }

#include "plugin/EventDispatch.h"

#include "plugin/CommandEvents.h"
#include "plugin/MQImportPlugin.h"
#include "plugin/OptionBlock.h"
#include "plugin/StationEvents.h"

namespace {

int DispatchImportEvent(MQImportPlugin& plugin, int code, void* option) {
  if (code == 300) return plugin.OnEvent300();
  if (code != 301) return 0;
  plugin.background = GetOptionInt(option, "background", 0);
  plugin.args = FindOptionValue(option, "args");
  return 1;
}

}  // namespace

int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int code, void* option) {
  if (auto* station = dynamic_cast<MQStationPlugin*>(&plugin)) {
    // Input goes to command plug-ins only; no other kind is asked.
    if (IsCommandEvent(code)) {
      auto* command = dynamic_cast<MQCommandPlugin*>(station);
      return command ? DispatchCommandEvent(*command, doc, code, option) : 0;
    }
    if (IsStationEvent(code)) return DispatchStationEvent(*station, doc, code, option);
  }
  auto* importer = dynamic_cast<MQImportPlugin*>(&plugin);
  return importer ? DispatchImportEvent(*importer, code, option) : 0;
}

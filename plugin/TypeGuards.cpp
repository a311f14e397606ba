#include "plugin/TypeGuards.h"

#include "abi/PlugInType.h"
#include "plugin/MQImportPlugin.h"
#include "plugin/MQMenuBasePlugin.h"
#include "plugin/MQStationPlugin.h"

namespace {

// File plug-ins reach their strings and their one file operation through the
// slots that the import plug-in class declares.
MQImportPlugin* AsFilePlugIn(MQBasePlugin& plugin) {
  if (!plugin_type::IsFilePlugIn(plugin.GetPlugInType())) return nullptr;
  return dynamic_cast<MQImportPlugin*>(&plugin);
}

}  // namespace

const char* EnumStringByType(MQBasePlugin& plugin, int index) {
  const int type = plugin.GetPlugInType();
  if (plugin_type::IsMenuPlugIn(type)) {
    auto* menu = dynamic_cast<MQMenuBasePlugin*>(&plugin);
    return menu ? menu->EnumString(index) : nullptr;
  }
  if (plugin_type::IsSingleStringPlugIn(type) && index == 0) {
    auto* station = dynamic_cast<MQStationPlugin*>(&plugin);
    return station ? station->EnumString() : nullptr;
  }
  return nullptr;
}

const char* EnumFileTypeByType(MQBasePlugin& plugin, int index) {
  MQImportPlugin* file = AsFilePlugIn(plugin);
  return file ? file->EnumFileType(index) : nullptr;
}

const char* EnumFileExtByType(MQBasePlugin& plugin, int index) {
  MQImportPlugin* file = AsFilePlugIn(plugin);
  return file ? file->EnumFileExt(index) : nullptr;
}

int FileOperationByType(MQBasePlugin& plugin, int index, const char* filename, MQDocument doc) {
  MQImportPlugin* file = AsFilePlugIn(plugin);
  return file ? file->ImportFile(index, filename, doc) : 0;
}

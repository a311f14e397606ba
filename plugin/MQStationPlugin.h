#pragma once

#include <cstdint>

#include "abi/HostApi.h"
#include "plugin/MQBasePlugin.h"

using MQScene = struct MQCScene*;
using MQXmlElement = struct MQCXmlElement*;

// What events 200 and 202 hand to a station plug-in. During 202 the plug-in
// sets save_uid nonzero to have the host record its unique IDs.
struct DocumentFileInfo {
  MQXmlElement xml_elem;
  std::int32_t save_uid;
};

// A plug-in that lives beside the document and takes host events (types 6
// and 7 offer a single menu string). The order of the operations is the
// order of the host's virtual table.
class MQStationPlugin : public MQBasePlugin {
 public:
  // The single string of a type-6 or type-7 plug-in.
  virtual const char* EnumString() = 0;
  virtual std::intptr_t OnEvent3(int index) = 0;
  virtual std::intptr_t OnEvent4(int index) = 0;
  virtual int OnEvent1() = 0;
  virtual int OnEvent2() = 0;
  virtual int OnEvent100(MQDocument doc, int flag) = 0;
  virtual int OnEvent101(MQDocument doc) = 0;
  virtual int OnEvent104(MQDocument doc, int index) = 0;
  virtual int OnEvent102(MQDocument doc, int flag) = 0;
  // A message from the plug-in named by `srcProduct` and `srcID`.
  virtual int OnEvent103(MQDocument doc, std::uint32_t srcProduct, std::uint32_t srcID,
                         void* description, void* message) = 0;
  virtual int OnEvent110(MQDocument doc, MQScene scene, int width, int height) = 0;
  virtual int OnEvent200(MQDocument doc, const char* filename, DocumentFileInfo* info) = 0;
  virtual int OnEvent201(MQDocument doc) = 0;
  virtual int OnEvent202(MQDocument doc, const char* filename, DocumentFileInfo* info) = 0;
  virtual int OnEvent210(MQDocument doc, int state) = 0;
  virtual int OnEvent211(MQDocument doc, int state) = 0;
  virtual int OnEvent212(MQDocument doc, int state, int size) = 0;
  virtual int OnEvent221(MQDocument doc) = 0;
  virtual int OnEvent222(MQDocument doc) = 0;
  virtual int OnEvent220(MQDocument doc) = 0;
  virtual int OnEvent231(MQDocument doc) = 0;
  virtual int OnEvent230(MQDocument doc) = 0;
  virtual int OnEvent240(MQDocument doc, MQScene scene) = 0;
  // `trigger`: 1 screen, 2 world, 3 local, 0 any other kind.
  virtual int OnEvent250(MQDocument doc, int trigger) = 0;
  // Holds its place in the table; nothing in the frame calls it.
  virtual int ReservedOperation() = 0;
};

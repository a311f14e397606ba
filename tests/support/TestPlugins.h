#pragma once

#include <gmock/gmock.h>

#include <cstdint>

#include "plugin/MQCommandPlugin.h"
#include "plugin/MQImportPlugin.h"
#include "plugin/MQMenuBasePlugin.h"
#include "plugin/MQStationPlugin.h"

// Plug-ins of every kind that the frame serves, with each operation a mock:
// tests state which calls they expect, with which arguments, and what the
// plug-in answers. Each reports the type code it was made with.

template <class Base>
class MockPluginIdentity : public Base {
 public:
  explicit MockPluginIdentity(int type) : type_(type) {}
  void GetPlugInID(std::uint32_t* product, std::uint32_t* id) override {
    *product = 0;
    *id = 0;
  }
  const char* GetPlugInName() override { return "test plug-in"; }
  int GetPlugInType() override { return type_; }

 private:
  int type_;
};

template <class Base>
class MockStationOperations : public MockPluginIdentity<Base> {
 public:
  explicit MockStationOperations(int type) : MockPluginIdentity<Base>(type) {}
  MOCK_METHOD(const char*, EnumString, (), (override));
  MOCK_METHOD(std::intptr_t, OnEvent3, (int index), (override));
  MOCK_METHOD(std::intptr_t, OnEvent4, (int index), (override));
  MOCK_METHOD(int, OnEvent1, (), (override));
  MOCK_METHOD(int, OnEvent2, (), (override));
  MOCK_METHOD(int, OnEvent100, (MQDocument doc, int flag), (override));
  MOCK_METHOD(int, OnEvent101, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent104, (MQDocument doc, int index), (override));
  MOCK_METHOD(int, OnEvent102, (MQDocument doc, int flag), (override));
  MOCK_METHOD(int, OnEvent103,
              (MQDocument doc, std::uint32_t srcProduct, std::uint32_t srcID, void* description,
               void* message),
              (override));
  MOCK_METHOD(int, OnEvent110, (MQDocument doc, MQScene scene, int width, int height), (override));
  MOCK_METHOD(int, OnEvent200, (MQDocument doc, const char* filename, DocumentFileInfo* info),
              (override));
  MOCK_METHOD(int, OnEvent201, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent202, (MQDocument doc, const char* filename, DocumentFileInfo* info),
              (override));
  MOCK_METHOD(int, OnEvent210, (MQDocument doc, int state), (override));
  MOCK_METHOD(int, OnEvent211, (MQDocument doc, int state), (override));
  MOCK_METHOD(int, OnEvent212, (MQDocument doc, int state, int size), (override));
  MOCK_METHOD(int, OnEvent221, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent222, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent220, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent231, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent230, (MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent240, (MQDocument doc, MQScene scene), (override));
  MOCK_METHOD(int, OnEvent250, (MQDocument doc, int trigger), (override));
  MOCK_METHOD(int, ReservedOperation, (), (override));
};

// A station plug-in; by default of type 6, one of the single-string types.
class MockStationPlugin : public MockStationOperations<MQStationPlugin> {
 public:
  explicit MockStationPlugin(int type = 6) : MockStationOperations(type) {}
};

class MockCommandPlugin : public MockStationOperations<MQCommandPlugin> {
 public:
  explicit MockCommandPlugin(int type = 7) : MockStationOperations(type) {}
  MOCK_METHOD(int, OnEvent120, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent121, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent122, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent123, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent124, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent125, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent126, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent127, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent128, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent129, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent130, (MQDocument doc, MQScene scene, InputState* state), (override));
  MOCK_METHOD(int, OnEvent140, (MQDocument doc, MQScene scene, int key, InputState* state),
              (override));
  MOCK_METHOD(int, OnEvent141, (MQDocument doc, MQScene scene, int key, InputState* state),
              (override));
};

// A file plug-in; by default of type 1.
class MockImportPlugin : public MockPluginIdentity<MQImportPlugin> {
 public:
  explicit MockImportPlugin(int type = 1) : MockPluginIdentity(type) {}
  MOCK_METHOD(const char*, EnumFileType, (int index), (override));
  MOCK_METHOD(const char*, EnumFileExt, (int index), (override));
  MOCK_METHOD(int, ImportFile, (int index, const char* filename, MQDocument doc), (override));
  MOCK_METHOD(int, OnEvent300, (), (override));
};

// A menu plug-in; by default of type 4, as this program's own.
class MockMenuPlugin : public MockPluginIdentity<MQMenuBasePlugin> {
 public:
  explicit MockMenuPlugin(int type = 4) : MockPluginIdentity(type) {}
  MOCK_METHOD(const char*, EnumString, (int index), (override));
  MOCK_METHOD(int, ModifyObject, (int index, MQDocument document), (override));
};

// Morph naming over names of any bytes: core names, the target-name test,
// and the free-name search through a reference host document whose object
// names, empty positions, removed objects and name fault come from the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "abi/MorphNaming.h"
#include "fuzz/FuzzCheck.h"
#include "merge/Blendforge.h"
#include "plugin/HostFunctionTable.h"
#include "refhost/host/Host.h"
#include "refhost/host/LibraryPath.h"

namespace {

constexpr int kMaxObjects = 12;

// A name as the plug-in reads it back from the host, cut or filled as the
// host's fault mode has it.
std::string SeenByPlugin(const cmq::CMQDocument& document, const refhost::Object& object) {
  return document.GetObjectAt(object.index()).GetName();
}

void CheckPureNaming(const std::string& name, const std::string& morphName) {
  const std::string core = GetCoreName(name);
  Check(name.find(core) != std::string::npos, "the core name is part of the name");
  const std::string composed = ComposeTargetName(morphName, core);
  Check(IsMorphTargetName(core, composed) == (morphName.find('-') == std::string::npos),
        "a composed name is a target name exactly when the morph name holds no \"-\"");
  Check(!IsMorphTargetName(core, name.substr(0, 4)), "a name shorter than the prefix is no target");
}

struct FuzzedDocument {
  refhost::Document* document = nullptr;
  std::vector<refhost::Object*> held;
};

FuzzedDocument MakeDocument(FuzzedDataProvider& input) {
  refhost::Host& host = refhost::Host::Instance();
  FuzzedDocument made{&host.NewDocument(), {}};
  const int count = input.ConsumeIntegralInRange(1, kMaxObjects);
  for (int i = 0; i < count; ++i) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
      case 0:
        made.document->AddEmptyPosition();
        break;
      case 1:
        made.document->Remove(made.document->AddObject(input.ConsumeRandomLengthString(300)));
        break;
      default:
        made.held.push_back(&made.document->AddObject(input.ConsumeRandomLengthString(300)));
    }
  }
  if (made.held.empty()) made.held.push_back(&made.document->AddObject("body"));
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (host::BindHostFunctions(refhost::LibraryPath().c_str()) != 1) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  refhost::Host& host = refhost::Host::Instance();
  host.Reset();
  const std::string morphName = input.ConsumeRandomLengthString(40);
  FuzzedDocument made = MakeDocument(input);
  host.faults().unterminatedNames = input.ConsumeBool();

  Blendforge plugin;
  plugin.document = cmq::CMQDocument(made.document->handle());
  const refhost::Object& base =
      *made.held[input.ConsumeIntegralInRange<std::size_t>(0, made.held.size() - 1)];
  plugin.base = plugin.document.GetObjectAt(base.index());
  const std::string baseName = SeenByPlugin(plugin.document, base);
  CheckPureNaming(baseName, morphName);

  const std::string unique = plugin.MakeUniqueTargetName(morphName);
  Check(unique.rfind("elem:" + morphName, 0) == 0,
        "the unique name starts with the prefix and morph name");
  const std::string tail = "-" + GetCoreName(baseName);
  Check(unique.size() >= tail.size() &&
            unique.compare(unique.size() - tail.size(), tail.size(), tail) == 0,
        "the unique name ends with \"-\" and the core name");
  for (const refhost::Object* object : made.held) {
    Check(SeenByPlugin(plugin.document, *object) != unique, "the unique name is free");
  }
  Check(host.misuses().empty(), "the plug-in used the host soundly");
  host.Reset();
  return 0;
}

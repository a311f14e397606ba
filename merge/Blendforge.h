#pragma once

#include <string>
#include <vector>

#include "abi/PlugInType.h"
#include "merge/CMQDocument.h"
#include "merge/CMQObject.h"
#include "plugin/MQObjectPlugin.h"

// The plug-in object: identity, the one menu command, and the merge settings
// that the command and its dialog share.
class Blendforge final : public MQObjectPlugin {
 public:
  static constexpr std::uint32_t kProductID = 0xE3F7A830;
  static constexpr std::uint32_t kPlugInID = 0xBD9A1885;
  static constexpr int kPlugInType = plugin_type::kObject;

  void GetPlugInID(std::uint32_t* product, std::uint32_t* id) override;
  const char* GetPlugInName() override;
  int GetPlugInType() override;
  const char* EnumString(int index) override;
  int ModifyObject(int index, MQDocument document) override;

  // The merge command: 1 when a new object was added to `document`.
  int MergeMorphTargets();
  // Shows the merge dialog; on OK stores the five choices below and answers true.
  bool RunMergeDialog();

  // The other objects of the document that are morph targets of `base`, in
  // document order.
  std::vector<cmq::CMQObject> ListMorphTargets() const;
  bool IsObjectNameUsed(const std::string& name) const;
  // "elem:" + morphName (+ a counter) + "-" + the base's core name, free in the document.
  std::string MakeUniqueTargetName(const std::string& morphName) const;

  // Merge settings, kept between commands; see MergeMorphTargets.
  cmq::CMQDocument document;
  cmq::CMQObject base;
  cmq::CMQObject target1;
  cmq::CMQObject target2;
  double weight1 = 0.0;
  double weight2 = 0.0;
  std::u16string newName;
};

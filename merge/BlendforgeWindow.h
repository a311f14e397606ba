#pragma once

#include <string>

#include "widgets/MQDialog.h"

class Blendforge;
class MQDoubleSpinBox;
class MQEdit;
class MQListBox;

// The merge dialog: the base's name, its morph targets twice with a weight
// in percent for each, and the name of the object to create. It owns every
// widget it shows and writes into its owner only when asked after OK.
class BlendforgeWindow : public MQDialog {
 public:
  // Builds the whole dialog; `owner`'s base must be valid and its document set.
  BlendforgeWindow(MQWindowBase& parent, Blendforge* owner);

  // Stores the name, both targets and both weights, as the user left them,
  // into the owner's merge settings.
  void WriteChoices() const;

 private:
  void AddBaseRow(MQWidgetBase* root, const std::string& baseName);
  void AddTargetRow(MQWidgetBase* root);
  MQListBox* AddTargetColumn(MQWidgetBase* row, MQDoubleSpinBox*& weightSpin);
  void FillTargetLists();
  void AddNameRow(MQWidgetBase* root);
  void AddButtonRow(MQWidgetBase* root);

  Blendforge* owner;
  MQListBox* targetList1 = nullptr;
  MQListBox* targetList2 = nullptr;
  MQDoubleSpinBox* weightSpin1 = nullptr;
  MQDoubleSpinBox* weightSpin2 = nullptr;
  MQEdit* nameEdit = nullptr;
};

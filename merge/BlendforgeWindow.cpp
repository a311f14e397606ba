#include "merge/BlendforgeWindow.h"

#include <clocale>
#include <cstdint>

#include "merge/Blendforge.h"
#include "merge/TextConversion.h"
#include "plugin/HostFunctionTable.h"
#include "widgets/MQButton.h"
#include "widgets/MQDoubleSpinBox.h"
#include "widgets/MQEdit.h"
#include "widgets/MQFrame.h"
#include "widgets/MQLabel.h"
#include "widgets/MQListBox.h"
#include "widgets/ModalResult.h"

namespace {

constexpr double kMinWeightPercent = -200.0;
constexpr double kMaxWeightPercent = 200.0;
constexpr double kWeightStepPercent = 10.0;
constexpr double kInitialWeightPercent = 100.0;
constexpr double kPercent = 100.0;
constexpr double kCancelFillBeforeRate = 80.0;

// The unique ID is unsigned 32-bit; zero fill keeps it whole in the tag.
std::uint64_t TagOf(const cmq::CMQObject& target) {
  const int uniqueID = HOST_FN(MQObj_GetIntValue)(target.object(), kObjectValueUniqueID);
  return static_cast<std::uint32_t>(uniqueID);
}

// The chosen item is mapped back to its object by its tag, not by its place
// in the list.
std::uint64_t CurrentTag(const MQListBox& list) {
  const int index = list.GetCurrentIndex();
  return list.GetItemTag(index);
}

cmq::CMQObject TargetOfTag(const cmq::CMQDocument& document, std::uint64_t tag) {
  return document.GetObjectFromUniqueID(static_cast<int>(static_cast<std::uint32_t>(tag)));
}

}  // namespace

BlendforgeWindow::BlendforgeWindow(MQWindowBase& parent, Blendforge* owner)
    : MQDialog(parent), owner(owner) {
  // Every name below is converted in the user's locale; the setting stays
  // for the command's conversion of the new name afterwards.
  std::setlocale(LC_CTYPE, "");
  SetTitle(u"Blendforge");
  MQFrame* root = CreateVertFrame(this);
  AddBaseRow(root, owner->base.GetName());
  AddTargetRow(root);
  FillTargetLists();
  AddNameRow(root);
  AddButtonRow(root);
}

void BlendforgeWindow::AddBaseRow(MQWidgetBase* root, const std::string& baseName) {
  MQFrame* row = CreateHorzFrame(root);
  row->SetHorzLayout("fill");
  CreateLabel(row, u"base:");
  MQEdit* baseEdit = CreateEdit(row, ToWideString(baseName));
  baseEdit->SetReadOnly(true);
  baseEdit->SetHorzLayout("fill");
}

void BlendforgeWindow::AddTargetRow(MQWidgetBase* root) {
  MQFrame* row = CreateHorzFrame(root);
  targetList1 = AddTargetColumn(row, weightSpin1);
  targetList2 = AddTargetColumn(row, weightSpin2);
}

MQListBox* BlendforgeWindow::AddTargetColumn(MQWidgetBase* row, MQDoubleSpinBox*& weightSpin) {
  MQFrame* column = CreateVertFrame(row);
  MQListBox* list = CreateListBox(column);
  list->SetVertLayout("fill");
  weightSpin = CreateDoubleSpinBox(column);
  weightSpin->SetMin(kMinWeightPercent);
  weightSpin->SetMax(kMaxWeightPercent);
  weightSpin->SetIncrement(kWeightStepPercent);
  weightSpin->SetPosition(kInitialWeightPercent);
  return list;
}

void BlendforgeWindow::FillTargetLists() {
  for (const cmq::CMQObject& target : owner->ListMorphTargets()) {
    const std::u16string text = ToWideString(target.GetName());
    const std::uint64_t tag = TagOf(target);
    targetList1->AddItem(text, tag);
    targetList2->AddItem(text, tag);
  }
}

void BlendforgeWindow::AddNameRow(MQWidgetBase* root) {
  MQFrame* row = CreateHorzFrame(root);
  row->SetHorzLayout("fill");
  CreateLabel(row, u"new morph name");
  nameEdit = CreateEdit(row, u"");
  nameEdit->SetText(ToWideString(owner->MakeUniqueTargetName("new")));
  nameEdit->SetHorzLayout("fill");
}

void BlendforgeWindow::AddButtonRow(MQWidgetBase* root) {
  MQFrame* row = CreateHorzFrame(root);
  row->SetHorzLayout("fill");
  MQButton* cancel = CreateButton(row, u"Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(ModalResult::Cancel);
  MQButton* ok = CreateButton(row, u"OK");
  ok->SetDefault(true);
  ok->SetModalResult(ModalResult::OK);
  cancel->SetFillBeforeRate(kCancelFillBeforeRate);
}

void BlendforgeWindow::WriteChoices() const {
  owner->newName = nameEdit->GetText();
  const std::uint64_t tag1 = CurrentTag(*targetList1);
  const std::uint64_t tag2 = CurrentTag(*targetList2);
  owner->target1 = TargetOfTag(owner->document, tag1);
  owner->target2 = TargetOfTag(owner->document, tag2);
  owner->weight1 = weightSpin1->GetPosition() / kPercent;
  owner->weight2 = weightSpin2->GetPosition() / kPercent;
}

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/widgets/WidgetCallSpy.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQButton.h"
#include "widgets/MQDialog.h"
#include "widgets/MQDoubleSpinBox.h"
#include "widgets/MQEdit.h"
#include "widgets/MQFrame.h"
#include "widgets/MQLabel.h"
#include "widgets/MQListBox.h"
#include "widgets/MQWindow.h"
#include "widgets/MQWindowBase.h"
#include "widgets/WidgetRegistry.h"

namespace {

struct Creation {
  const char* name;
  std::function<MQWidgetBase*(MQWindowBase&, MQWidgetBase*)> create;
  const char* kind;
  const char* key;  // the one property set right after creation, or null
  const char* value;
};

const Creation kCreations[] = {
    {"HorzFrame", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateHorzFrame(p); }, "frame",
     "alignment", "\"horz\""},
    {"VertFrame", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateVertFrame(p); }, "frame",
     "alignment", "\"vert\""},
    {"Button", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateButton(p, u"OK"); }, "button",
     "text", "\"OK\""},
    {"Label", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateLabel(p, u"base:"); }, "label",
     "text", "\"base:\""},
    {"Edit", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateEdit(p, u"name"); }, "edit",
     "text", "\"name\""},
    {"EmptyEdit", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateEdit(p, u""); }, "edit",
     "text", "\"\""},
    {"ListBox", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateListBox(p); }, "listbox",
     nullptr, nullptr},
    {"DoubleSpinBox", [](MQWindowBase& w, MQWidgetBase* p) { return w.CreateDoubleSpinBox(p); },
     "doublespinbox", nullptr, nullptr},
};

class MQWindowBaseCreationTest : public WidgetTest, public ::testing::WithParamInterface<Creation> {
 protected:
  // Create, then the one property when there is one, then whatever follows.
  std::size_t CheckCreateAndProperty(WidgetID id) {
    const Creation& creation = GetParam();
    EXPECT_EQ(calls().at(0).code, WidgetOp::Create);
    EXPECT_EQ(calls().at(0).Value("type"), '"' + std::string(creation.kind) + '"');
    if (creation.key == nullptr) return 1;
    EXPECT_EQ(calls().at(1).code, WidgetOp::SetValue)
        << "the property follows the creation at once";
    EXPECT_EQ(calls().at(1).target, id);
    EXPECT_EQ(calls().at(1).Value(creation.key), creation.value)
        << "the property must be sent, even an empty text";
    return 2;
  }
};

TEST_P(MQWindowBaseCreationTest, CreatesSetsThenPlacesInTheParent) {
  MQWindowBase window;
  MQFrame* parent = window.CreateVertFrame(nullptr);
  service().ClearRecord();

  MQWidgetBase* widget = GetParam().create(window, parent);

  const std::size_t next = CheckCreateAndProperty(widget->GetID());
  ASSERT_EQ(calls().size(), next + 1) << "nothing but creation, property and placing";
  EXPECT_EQ(calls()[next].code, WidgetOp::AddChild);
  EXPECT_EQ(calls()[next].target, parent->GetID());
  EXPECT_EQ(service().Find(widget->GetID())->parent, parent->GetID());
}

TEST_P(MQWindowBaseCreationTest, NullParentOwnsTheWidgetButPlacesItNowhere) {
  WidgetID id = 0;
  {
    MQWindowBase window;
    id = GetParam().create(window, nullptr)->GetID();

    const std::size_t next = CheckCreateAndProperty(id);
    EXPECT_EQ(calls().size(), next) << "a null parent must not be sent AddChild";
    EXPECT_EQ(service().Find(id)->parent, 0);
  }
  EXPECT_TRUE(service().Find(id)->destroyed) << "the window owns the widget all the same";
}

INSTANTIATE_TEST_SUITE_P(Operations, MQWindowBaseCreationTest, ::testing::ValuesIn(kCreations),
                         [](const auto& info) { return std::string(info.param.name); });

using MQWindowBaseTest = WidgetTest;

TEST_F(MQWindowBaseTest, DeletingAWindowDestroysItsWidgetsByAddressThenItself) {
  MQWindow mainWindow;
  auto dialog = std::make_unique<MQDialog>(mainWindow);
  MQFrame* root = dialog->CreateVertFrame(dialog.get());
  const std::vector<MQWidgetBase*> widgets = {
      root,
      dialog->CreateHorzFrame(root),
      dialog->CreateButton(root, u"OK"),
      dialog->CreateLabel(nullptr, u"never placed"),
      dialog->CreateListBox(root),
      dialog->CreateEdit(root, u""),
      dialog->CreateDoubleSpinBox(root),
  };
  std::map<const MQWidgetBase*, int> idsByAddress;
  for (const MQWidgetBase* widget : widgets) idsByAddress[widget] = widget->GetID();
  std::vector<int> expected(idsByAddress.size());
  std::transform(idsByAddress.begin(), idsByAddress.end(), expected.begin(),
                 [](const auto& entry) { return entry.second; });
  expected.push_back(dialog->GetID());

  std::vector<int> stillRegistered;
  WidgetCallSpy spy([&](int id, WidgetOp code, void**) {
    if (code == WidgetOp::Destroy && WidgetRegistry::Instance().Find(id) != nullptr) {
      stillRegistered.push_back(id);
    }
  });
  service().ClearRecord();
  dialog.reset();

  EXPECT_EQ(DestroyedTargets(), expected)
      << "one Destroy per created widget, lowest address first, and the dialog's own last";
  EXPECT_TRUE(stillRegistered.empty()) << "each entry must go before its Destroy is sent";
  EXPECT_EQ(WidgetRegistry::Instance().Find(mainWindow.GetID()), &mainWindow)
      << "the parent window is not the dialog's to remove";
}

TEST_F(MQWindowBaseTest, WidgetPlacedInAnotherWindowStaysWithItsCreator) {
  MQWindow mainWindow;
  auto creator = std::make_unique<MQDialog>(mainWindow);
  auto holder = std::make_unique<MQDialog>(mainWindow);
  MQFrame* frame = holder->CreateVertFrame(holder.get());
  MQButton* button = creator->CreateButton(frame, u"OK");
  const WidgetID id = button->GetID();
  ASSERT_EQ(service().Find(id)->parent, frame->GetID());

  holder.reset();
  EXPECT_FALSE(service().Find(id)->destroyed) << "the holding window does not own the widget";
  EXPECT_EQ(WidgetRegistry::Instance().Find(id), button) << "the wrapper must still be alive";

  creator.reset();
  EXPECT_TRUE(service().Find(id)->destroyed) << "the creating window deletes it";
}

TEST_F(MQWindowBaseTest, AddChildWindowOfNullSendsNothing) {
  MQWindow mainWindow;
  service().ClearRecord();

  mainWindow.AddChildWindow(nullptr);

  EXPECT_TRUE(calls().empty()) << "a null window must not reach the host";
}

}  // namespace

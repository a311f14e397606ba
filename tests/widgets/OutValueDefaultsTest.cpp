#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "tests/widgets/DoubleBits.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQButton.h"
#include "widgets/MQDialog.h"
#include "widgets/MQDoubleSpinBox.h"
#include "widgets/MQEdit.h"
#include "widgets/MQFrame.h"
#include "widgets/MQListBox.h"
#include "widgets/MQWindow.h"
#include "widgets/ModalResult.h"

namespace {

// A dialog whose host widgets all hold values other than the defaults, so
// that a read which returns the default can only have taken it from the
// preset.
struct Scene {
  Scene() : dialog(mainWindow) {
    frame = dialog.CreateVertFrame(&dialog);
    listBox = dialog.CreateListBox(frame);
    listBox->AddItem(u"first", 77);
    listBox->AddItem(u"second", 78);
    edit = dialog.CreateEdit(frame, u"abc");
    spinBox = dialog.CreateDoubleSpinBox(frame);
    spinBox->SetPosition(100.0);
    button = dialog.CreateButton(frame, u"OK");
    button->SetDefault(true);
    button->SetModalResult(ModalResult::OK);
  }

  MQWindow mainWindow;
  MQDialog dialog;
  MQFrame* frame;
  MQListBox* listBox;
  MQEdit* edit;
  MQDoubleSpinBox* spinBox;
  MQButton* button;
};

struct UnansweredRead {
  const char* name;
  std::function<std::int64_t(Scene&)> read;
  std::int64_t expected;
};

const UnansweredRead kReads[] = {
    {"CreateID", [](Scene&) { return std::int64_t{MQFrame().GetID()}; }, 0},
    {"GetSystemResult", [](Scene&) { return std::int64_t{MQWidgetBase::GetMainWindowID()}; }, -1},
    {"AddChildResult", [](Scene& scene) { return std::int64_t{scene.frame->AddChild(scene.edit)}; },
     -1},
    {"AddItemResult",
     [](Scene& scene) { return std::int64_t{scene.listBox->AddItem(u"third", 79)}; }, -1},
    {"CurrentIndex", [](Scene& scene) { return std::int64_t{scene.listBox->GetCurrentIndex()}; },
     0},
    {"ItemTag",
     [](Scene& scene) { return static_cast<std::int64_t>(scene.listBox->GetItemTag(1)); }, 0},
    {"TextLength",
     [](Scene& scene) { return static_cast<std::int64_t>(scene.edit->GetText().size()); }, 0},
    {"Position",
     [](Scene& scene) { return static_cast<std::int64_t>(Bits(scene.spinBox->GetPosition())); },
     static_cast<std::int64_t>(Bits(0.0))},
    {"ExecuteResult", [](Scene& scene) { return std::int64_t{scene.dialog.ExecuteModal()}; }, 0},
};

class OutValueDefaultsTest : public WidgetTest,
                             public ::testing::WithParamInterface<UnansweredRead> {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    scene = std::make_unique<Scene>();
    service().FindMutable(scene->listBox->GetID())->currentIndex = 1;
  }
  void TearDown() override {
    scene.reset();
    WidgetTest::TearDown();
  }

  std::unique_ptr<Scene> scene;
};

TEST_P(OutValueDefaultsTest, UnansweredReadYieldsTheKeyDefault) {
  faults().writeNoOutValues = true;

  EXPECT_EQ(GetParam().read(*scene), GetParam().expected)
      << "an out-value the host leaves alone must read as its preset default";
}

INSTANTIATE_TEST_SUITE_P(OutValues, OutValueDefaultsTest, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

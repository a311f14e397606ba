#pragma once

#include <set>
#include <string>

#include "widgets/MQWidgetBase.h"

class MQButton;
class MQDoubleSpinBox;
class MQEdit;
class MQFrame;
class MQLabel;
class MQListBox;

// A widget that owns the widgets created through it and deletes them all
// before itself. Where a widget is placed is independent of which window
// owns it.
class MQWindowBase : public MQWidgetBase {
 public:
  // Unbound, with nothing created yet.
  MQWindowBase();
  // Wraps a host-owned window; see MQWidgetBase(WidgetID).
  explicit MQWindowBase(WidgetID id);
  // Deletes the created widgets lowest address first, then ends as every
  // widget does, so an owned window's Destroy follows all of theirs.
  ~MQWindowBase() override;

  // Attaches a dialog window to this one; the host's status is not used.
  void AddChildWindow(MQWindowBase* window);

  // Each creates a widget owned by this window and, when `parent` is not
  // null, places it there.
  MQFrame* CreateHorzFrame(MQWidgetBase* parent);
  MQFrame* CreateVertFrame(MQWidgetBase* parent);
  MQButton* CreateButton(MQWidgetBase* parent, const std::u16string& text);
  MQListBox* CreateListBox(MQWidgetBase* parent);
  MQLabel* CreateLabel(MQWidgetBase* parent, const std::u16string& text);
  // Sends the text even when it is empty.
  MQEdit* CreateEdit(MQWidgetBase* parent, const std::u16string& text);
  MQDoubleSpinBox* CreateDoubleSpinBox(MQWidgetBase* parent);

 private:
  template <class Widget>
  Widget* Adopt();
  template <class Widget>
  Widget* CreateWithText(MQWidgetBase* parent, const std::u16string& text);
  MQFrame* CreateFrame(MQWidgetBase* parent, const char* alignment);

  std::set<MQWidgetBase*> created_;
};

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "widgets/SendWidgetValues.h"
#include "widgets/WidgetID.h"

// The root of the widget family: binds one wrapper to one host widget.
// A wrapper is unbound (identifier 0), owned (it created the host widget and
// destroys it with itself) or wrapped (a host-owned widget, never destroyed).
// Every class of the family is deleted through the virtual destructor.
class MQWidgetBase {
 public:
  // Unbound: not registered, sends nothing.
  MQWidgetBase();
  // Wraps a widget the host owns; registered unless `id` is 0. Sends nothing.
  explicit MQWidgetBase(WidgetID id);
  MQWidgetBase(const MQWidgetBase&) = delete;
  MQWidgetBase& operator=(const MQWidgetBase&) = delete;
  // Removes the registry entry before it destroys an owned host widget.
  virtual ~MQWidgetBase();

  WidgetID GetID() const;

  // Places `child` inside this widget; ownership of the wrapper stays where
  // it was. Returns the host's status, -1 for a null child (nothing sent).
  int AddChild(MQWidgetBase* child);
  void SetHorzLayout(const char* mode);
  void SetVertLayout(const char* mode);
  void SetFillBeforeRate(double rate);

  // The host's main window; -1 when the host does not answer.
  static WidgetID GetMainWindowID();

 protected:
  // Creates a host widget of `kind` and binds this wrapper to it, unless the
  // host answers no identifier. Call it from a derived constructor's body:
  // should registration throw, this base is then fully built, so its
  // destructor destroys the new host widget again before the error leaves.
  void BindNewWidget(const char* kind);

  // SetValue of one property; `value` points to the type the key wants.
  void SetProperty(const char* key, const void* value);
  // SetValue of a bool property, which the host reads as one byte 1 or 0.
  void SetFlag(const char* key, bool flag);
  // GetValue of one property; `preset` is what an unanswered read yields.
  template <class Value>
  Value GetProperty(const char* key, Value preset) const {
    SendWidgetValues(id_, WidgetOp::GetValue, {{key, &preset}});
    return preset;
  }

 private:
  WidgetID id_ = 0;
  bool owns_ = false;
  // Shared references kept alive with the wrapper; nothing adds to it yet.
  std::vector<std::shared_ptr<void>> attached_;
};

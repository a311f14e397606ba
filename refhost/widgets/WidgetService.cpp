#include "refhost/widgets/WidgetService.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "refhost/widgets/ScriptedDriver.h"

namespace refhost {
namespace {

const char* const kCreatableKinds[] = {"frame", "label",         "button", "listbox",
                                       "edit",  "doublespinbox", "dialog"};

bool IsCreatable(const std::string& kind) {
  return std::any_of(std::begin(kCreatableKinds), std::end(kCreatableKinds),
                     [&](const char* creatable) { return kind == creatable; });
}

void* FindValue(const std::vector<ReadPair>& pairs, const char* key) {
  for (const ReadPair& pair : pairs) {
    if (std::strcmp(pair.spec->key, key) == 0) return pair.value;
  }
  return nullptr;
}

int ReadInt(const void* value) { return *static_cast<const std::int32_t*>(value); }

}  // namespace

WidgetService& WidgetService::Instance() {
  static WidgetService service;
  return service;
}

WidgetService::WidgetService() { Reset(); }

void WidgetService::Reset() {
  widgets_.clear();
  Widget& mainWindow = widgets_[kMainWindowID];
  mainWindow.id = kMainWindowID;
  mainWindow.kind = "main_window";
  nextID_ = 100;
  faults_ = WidgetFaults();
  driver_.reset();
  ClearRecord();
  executions_ = 0;
}

void WidgetService::ClearRecord() {
  calls_.clear();
  breaches_.clear();
}

const Widget* WidgetService::Find(int id) const {
  auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : &found->second;
}

Widget* WidgetService::FindMutable(int id) {
  auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : &found->second;
}

std::vector<const Widget*> WidgetService::Created() const {
  std::vector<const Widget*> created;
  for (const auto& entry : widgets_) {
    if (entry.first != kMainWindowID) created.push_back(&entry.second);
  }
  std::sort(created.begin(), created.end(),
            [](const Widget* a, const Widget* b) { return a->id < b->id; });
  return created;
}

std::vector<const Widget*> WidgetService::CreatedOfKind(const std::string& kind) const {
  std::vector<const Widget*> ofKind;
  for (const Widget* widget : Created()) {
    if (widget->kind == kind) ofKind.push_back(widget);
  }
  return ofKind;
}

void WidgetService::Breach(std::string what) {
  breaches_.push_back({calls_.size() - 1, std::move(what)});
}

template <class T>
void WidgetService::Answer(void* value, T answer) const {
  if (value == nullptr || faults_.writeNoOutValues) return;
  std::memcpy(value, &answer, sizeof answer);
}

void WidgetService::Value(int id, int code, void** values) {
  Widget* target = FindMutable(id);
  if (target != nullptr && target->destroyed) target = nullptr;
  calls_.push_back({id, code, {}});
  std::vector<std::string> problems;
  const Pairs pairs = ReadValueList(code, target ? target->kind : "", values, calls_.back(), problems);
  for (std::string& problem : problems) Breach(std::move(problem));

  switch (code) {
    case widget_op::kExecute: return Execute(target, pairs);
    case widget_op::kGetSystem: return GetSystem(pairs);
    case widget_op::kCreate: return Create(pairs);
    case widget_op::kDestroy: return Destroy(target);
    case widget_op::kAddChild: return AddChild(target, pairs, false);
    case widget_op::kAddChildWindow: return AddChild(target, pairs, true);
    case widget_op::kGetValue: return GetValue(target, pairs);
    case widget_op::kSetValue: return SetValue(target, pairs);
    case widget_op::kCallMethod: return CallMethod(target, pairs);
    default: Breach("unknown operation code " + std::to_string(code));
  }
}

void WidgetService::Execute(Widget* target, const Pairs& pairs) {
  const void* type = FindValue(pairs, "type");
  if (type == nullptr || std::strcmp(static_cast<const char*>(type), "modal") != 0) {
    return Breach("Execute needs \"type\" \"modal\"");
  }
  if (target == nullptr || target->kind != "dialog") return;
  ++executions_;
  DialogSession session(*this, target->id);
  const std::optional<int> result = driver_ ? driver_->Run(session) : PressDefaultButton(session);
  if (result) Answer(FindValue(pairs, "result"), static_cast<std::int32_t>(*result));
}

void WidgetService::GetSystem(const Pairs& pairs) {
  const void* name = FindValue(pairs, "system");
  if (name == nullptr) return Breach("GetSystem needs \"system\"");
  if (faults_.noMainWindow || std::strcmp(static_cast<const char*>(name), "main_window") != 0) {
    return;
  }
  Answer(FindValue(pairs, "result"), static_cast<std::int32_t>(kMainWindowID));
}

void WidgetService::Create(const Pairs& pairs) {
  const void* type = FindValue(pairs, "type");
  if (type == nullptr) return Breach("Create needs \"type\"");
  const std::string kind = static_cast<const char*>(type);
  if (!IsCreatable(kind)) return Breach("cannot create a widget of kind \"" + kind + '"');
  if (faults_.createFails || faults_.writeNoOutValues) return;
  Widget& widget = widgets_[nextID_];
  widget.id = nextID_++;
  widget.kind = kind;
  Answer(FindValue(pairs, "id"), static_cast<std::int32_t>(widget.id));
}

void WidgetService::Destroy(Widget* target) {
  if (target == nullptr) return Breach("Destroy of a widget that does not exist");
  if (target->id == kMainWindowID) return Breach("Destroy of the host's main window");
  target->destroyed = true;
}

void WidgetService::AddChild(Widget* target, const Pairs& pairs, bool window) {
  const void* child = FindValue(pairs, "child");
  if (child == nullptr) return Breach("AddChild needs \"child\"");
  Widget* attached = FindMutable(ReadInt(child));
  if (target == nullptr || attached == nullptr || attached->destroyed) return;
  if (window != (attached->kind == "dialog")) {
    return Breach(window ? "AddChildWindow of a widget that is not a dialog"
                         : "AddChild of a dialog; dialogs attach with AddChildWindow");
  }
  attached->parent = target->id;
  (window ? target->childWindows : target->children).push_back(attached->id);
  Answer(FindValue(pairs, "result"), std::int32_t{0});
}

void WidgetService::GetValue(Widget* target, const Pairs& pairs) {
  if (target == nullptr) return;
  int index = -1;
  for (const ReadPair& pair : pairs) {
    const std::string key = pair.spec->key;
    if (key == "index") index = ReadInt(pair.value);
    if (key == "currentindex") Answer(pair.value, static_cast<std::int32_t>(target->currentIndex));
    if (key == "item.tag" && index >= 0 && index < static_cast<int>(target->items.size())) {
      Answer(pair.value, target->items[index].tag);
    }
    if (key == "position") Answer(pair.value, target->Position());
    if (key == "text.length") {
      const int length = faults_.negativeTextLength ? -1 : static_cast<int>(target->Text().size());
      Answer(pair.value, static_cast<std::int32_t>(length));
    }
    if (key == "text" && !faults_.writeNoOutValues) {
      // The caller sized the buffer from the length the host reports.
      const std::u16string text = target->Text();
      std::memcpy(pair.value, text.data(), text.size() * sizeof(char16_t));
      if (!faults_.unterminatedText) static_cast<char16_t*>(pair.value)[text.size()] = u'\0';
    }
  }
}

void WidgetService::SetValue(Widget* target, const Pairs& pairs) {
  if (target == nullptr || pairs.size() != 1) return;
  const ReadPair& pair = pairs.front();
  PropertyValue& property = target->properties[pair.spec->key];
  switch (pair.spec->type) {
    case ValueType::Narrow: property = std::string(static_cast<const char*>(pair.value)); break;
    case ValueType::Wide: property = ReadWide(pair.value); break;
    case ValueType::Int: property = ReadInt(pair.value); break;
    case ValueType::Bool: property = *static_cast<const unsigned char*>(pair.value) == 1; break;
    case ValueType::Double: property = *static_cast<const double*>(pair.value); break;
    default: break;
  }
}

void WidgetService::CallMethod(Widget* target, const Pairs& pairs) {
  if (pairs.empty() || std::strcmp(pairs.front().spec->key, "additem") != 0) return;
  const void* text = FindValue(pairs, "text");
  const void* tag = FindValue(pairs, "tag");
  if (text == nullptr || tag == nullptr) return Breach("additem needs \"text\" and \"tag\"");
  if (target == nullptr) return;
  target->items.push_back({ReadWide(text), *static_cast<const std::uint64_t*>(tag)});
  // A list box selects its first item, as most hosts' list boxes do.
  if (target->currentIndex < 0) target->currentIndex = 0;
  Answer(FindValue(pairs, "result"), static_cast<std::int32_t>(target->items.size() - 1));
}

}  // namespace refhost

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "abi/WidgetProtocol.h"
#include "refhost/text/WideText.h"
#include "refhost/widgetservice/WidgetService.h"

// What the host does for each operation, once the reader has checked the list.
namespace refhost {
namespace {

const char* const kCreatableKinds[] = {
    widget_kind::kFrame, widget_kind::kLabel,         widget_kind::kButton, widget_kind::kListBox,
    widget_kind::kEdit,  widget_kind::kDoubleSpinBox, widget_kind::kDialog};

bool IsCreatable(const std::string& kind) {
  return std::any_of(std::begin(kCreatableKinds), std::end(kCreatableKinds),
                     [&](const char* creatable) { return kind == creatable; });
}

void* FindValue(const std::vector<ReadPair>& pairs, const char* key) {
  for (const ReadPair& pair : pairs) {
    if (std::strcmp(pair.keySpec->key, key) == 0) return pair.value;
  }
  return nullptr;
}

int ReadInt(const void* value) { return *static_cast<const std::int32_t*>(value); }

void Erase(std::vector<int>& ids, int id) {
  ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
}

}  // namespace

void WidgetService::Execute(Widget* target, const Pairs& pairs) {
  const void* type = FindValue(pairs, widget_key::kType);
  if (type == nullptr) return Breach(BreachKind::MissingValue, "Execute needs \"type\"");
  if (std::strcmp(static_cast<const char*>(type), kExecuteModal) != 0) {
    return Breach(BreachKind::BadValue, "Execute knows only \"type\" \"modal\"");
  }
  if (target == nullptr || target->kind != widget_kind::kDialog) return;
  ++executions_;
  // Held here, so that a driver that swaps the driver keeps running.
  const std::shared_ptr<DialogDriver> driver = driver_;
  DialogSession session(*this, target->id);
  const std::optional<int> result = driver ? driver->Run(session) : PressDefaultButton(session);
  if (result) Answer(FindValue(pairs, widget_key::kResult), static_cast<std::int32_t>(*result));
}

void WidgetService::GetSystem(const Pairs& pairs) {
  const void* name = FindValue(pairs, widget_key::kSystem);
  if (name == nullptr) return Breach(BreachKind::MissingValue, "GetSystem needs \"system\"");
  if (std::strcmp(static_cast<const char*>(name), kMainWindowSystemName) != 0) {
    return Breach(BreachKind::BadValue, "the host has no system widget \"" +
                                            std::string(static_cast<const char*>(name)) + '"');
  }
  if (faults_.noMainWindow) return;
  Answer(FindValue(pairs, widget_key::kResult), static_cast<std::int32_t>(kMainWindowID));
}

void WidgetService::Create(const Pairs& pairs) {
  const void* type = FindValue(pairs, widget_key::kType);
  if (type == nullptr) return Breach(BreachKind::MissingValue, "Create needs \"type\"");
  const std::string kind = static_cast<const char*>(type);
  if (!IsCreatable(kind)) {
    return Breach(BreachKind::BadValue, "cannot create a widget of kind \"" + kind + '"');
  }
  if (faults_.createFails || faults_.writeNoOutValues) return;
  Widget& widget = widgets_[nextID_];
  widget.id = nextID_++;
  widget.kind = kind;
  Answer(FindValue(pairs, widget_key::kID), static_cast<std::int32_t>(widget.id));
}

void WidgetService::Destroy(Widget* target, int id) {
  if (target == nullptr) {
    // A second Destroy is already flagged as a call after Destroy.
    if (Find(id) == nullptr) {
      Breach(BreachKind::BadTarget,
             "Destroy of widget " + std::to_string(id) + ", which the host never created");
    }
    return;
  }
  if (target->id == kMainWindowID) {
    return Breach(BreachKind::BadTarget, "Destroy of the host's main window");
  }
  target->destroyed = true;
}

void WidgetService::AddChild(Widget* target, const Pairs& pairs, bool window) {
  const void* child = FindValue(pairs, widget_key::kChild);
  if (child == nullptr) return Breach(BreachKind::MissingValue, "AddChild needs \"child\"");
  Widget* attached = FindMutable(ReadInt(child));
  if (target == nullptr || attached == nullptr) return;
  if (attached->destroyed) {
    return Breach(BreachKind::BadValue, "child " + std::to_string(attached->id) + " was destroyed");
  }
  if (window != (attached->kind == widget_kind::kDialog)) {
    return Breach(BreachKind::BadValue,
                  window ? "AddChildWindow of a widget that is not a dialog"
                         : "AddChild of a dialog; dialogs attach with AddChildWindow");
  }
  if (WouldCycle(*target, *attached)) {
    return Breach(BreachKind::BadValue,
                  "widget " + std::to_string(attached->id) + " would be placed inside itself");
  }
  if (Widget* previous = FindMutable(attached->parent)) {
    Erase(previous->children, attached->id);
    Erase(previous->childWindows, attached->id);
  }
  attached->parent = target->id;
  (window ? target->childWindows : target->children).push_back(attached->id);
  Answer(FindValue(pairs, widget_key::kResult), std::int32_t{0});
}

bool WidgetService::WouldCycle(const Widget& parent, const Widget& child) const {
  for (const Widget* above = &parent; above != nullptr; above = Find(above->parent)) {
    if (above->id == child.id) return true;
  }
  return false;
}

void WidgetService::GetValue(Widget* target, const Pairs& pairs) {
  if (target == nullptr) return;
  int index = -1;
  for (const ReadPair& pair : pairs) {
    const std::string key = pair.keySpec->key;
    if (key == widget_key::kIndex) index = ReadInt(pair.value);
    if (key == widget_key::kCurrentIndex)
      Answer(pair.value, static_cast<std::int32_t>(target->currentIndex));
    if (key == widget_key::kItemTag && index >= 0 &&
        index < static_cast<int>(target->items.size())) {
      Answer(pair.value, target->items[index].tag);
    }
    if (key == widget_key::kPosition) Answer(pair.value, target->Position());
    if (key == widget_key::kTextLength) {
      const int length = faults_.negativeTextLength ? -1 : static_cast<int>(target->Text().size());
      Answer(pair.value, static_cast<std::int32_t>(length));
      if (!faults_.writeNoOutValues) reportedTextLengths_[target->id] = length;
    }
    if (key == widget_key::kText) WriteText(*target, pair.value);
  }
}

// The caller sized the buffer from the length the host last reported, so no
// more than that is written, even if the content has grown since.
void WidgetService::WriteText(Widget& edit, void* buffer) {
  auto reported = reportedTextLengths_.find(edit.id);
  if (reported == reportedTextLengths_.end() || reported->second < 0) {
    return Breach(BreachKind::PairOrder,
                  "\"text\" read with no \"text.length\" to size its buffer");
  }
  if (faults_.writeNoOutValues) return;
  const std::u16string text = edit.Text();
  const std::size_t units = std::min(text.size(), static_cast<std::size_t>(reported->second));
  auto* out = static_cast<char16_t*>(buffer);
  std::memcpy(out, text.data(), units * sizeof(char16_t));
  if (!faults_.unterminatedText) out[units] = u'\0';
}

void WidgetService::SetValue(Widget* target, const Pairs& pairs) {
  if (target == nullptr || pairs.size() != 1) return;
  const ReadPair& pair = pairs.front();
  PropertyValue& property = target->properties[pair.keySpec->key];
  switch (pair.keySpec->type) {
    case ValueType::Narrow:
      property = std::string(static_cast<const char*>(pair.value));
      break;
    case ValueType::Wide:
      property = ReadWide(pair.value);
      break;
    case ValueType::Int:
      property = ReadInt(pair.value);
      break;
    case ValueType::Bool:
      property = *static_cast<const unsigned char*>(pair.value) == 1;
      break;
    case ValueType::Double:
      property = *static_cast<const double*>(pair.value);
      break;
    default:
      break;
  }
}

void WidgetService::CallMethod(Widget* target, const Pairs& pairs) {
  if (pairs.empty() || std::strcmp(pairs.front().keySpec->key, widget_key::kAddItem) != 0) return;
  const void* text = FindValue(pairs, widget_key::kText);
  const void* tag = FindValue(pairs, widget_key::kTag);
  if (text == nullptr || tag == nullptr) {
    return Breach(BreachKind::MissingValue, "additem needs \"text\" and \"tag\"");
  }
  if (target == nullptr) return;
  target->items.push_back({ReadWide(text), *static_cast<const std::uint64_t*>(tag)});
  // A list box selects its first item, as most hosts' list boxes do.
  if (target->currentIndex < 0) target->currentIndex = 0;
  Answer(FindValue(pairs, widget_key::kResult),
         static_cast<std::int32_t>(target->items.size() - 1));
}

}  // namespace refhost

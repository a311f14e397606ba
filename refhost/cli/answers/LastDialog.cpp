#include "refhost/cli/answers/LastDialog.h"

#include "abi/WidgetProtocol.h"
#include "refhost/text/WideText.h"
#include "refhost/widgetservice/WidgetService.h"

namespace refhost::cli {
namespace {

// A merge dialog has one list box and one spin box per target.
constexpr std::size_t kMergeTargets = 2;

bool Within(const WidgetService& widgets, const Widget& widget, int ancestor) {
  for (const Widget* at = &widget; at != nullptr; at = widgets.Find(at->parent))
    if (at->id == ancestor) return true;
  return false;
}

// The widgets of `kind` in the dialog created last, in creation order.
std::vector<const Widget*> InLastDialog(const std::string& kind) {
  const WidgetService& widgets = WidgetService::Instance();
  const std::vector<const Widget*> dialogs = widgets.CreatedOfKind(widget_kind::kDialog);
  std::vector<const Widget*> found;
  if (dialogs.empty()) return found;
  for (const Widget* widget : widgets.CreatedOfKind(kind))
    if (Within(widgets, *widget, dialogs.back()->id)) found.push_back(widget);
  return found;
}

const Object* ItemObject(const Document& document, const Widget& list) {
  if (list.currentIndex < 0 || list.currentIndex >= static_cast<int>(list.items.size()))
    return nullptr;
  const auto tag = static_cast<std::uint32_t>(list.items[list.currentIndex].tag);
  return document.FindByUniqueID(static_cast<int>(tag));
}

// Each list box's current object with the spin box of the same number.
std::vector<ChosenTarget> Chosen(const Document& document, const std::vector<const Widget*>& lists,
                                 const std::vector<const Widget*>& spins) {
  std::vector<ChosenTarget> chosen;
  for (std::size_t at = 0; at < lists.size(); ++at)
    chosen.push_back(
        {ItemObject(document, *lists[at]), at < spins.size() ? spins[at]->Position() : 100.0});
  return chosen;
}

}  // namespace

std::vector<ChosenTarget> ChosenTargets(const Document& document) {
  return Chosen(document, InLastDialog(widget_kind::kListBox),
                InLastDialog(widget_kind::kDoubleSpinBox));
}

std::optional<MorphMix> ChosenMix(const Document& document, const Object& base) {
  const std::vector<const Widget*> lists = InLastDialog(widget_kind::kListBox);
  const std::vector<const Widget*> spins = InLastDialog(widget_kind::kDoubleSpinBox);
  if (lists.size() != kMergeTargets || spins.size() != kMergeTargets) return std::nullopt;
  MorphMix mix{base.uniqueID(), {}};
  for (const ChosenTarget& target : Chosen(document, lists, spins)) {
    if (target.object == nullptr) continue;
    mix.terms.push_back({target.object->uniqueID(), static_cast<float>(target.percent / 100.0)});
  }
  return mix;
}

int EditHolding(const std::string& text) {
  const std::vector<const Widget*> edits = InLastDialog(widget_kind::kEdit);
  for (std::size_t at = 0; at < edits.size(); ++at)
    if (!edits[at]->Flag(widget_key::kReadOnly) && ToUtf8(edits[at]->Text()) == text)
      return static_cast<int>(at) + 1;
  return 0;
}

}  // namespace refhost::cli

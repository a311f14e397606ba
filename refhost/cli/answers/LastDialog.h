#pragma once

#include <optional>
#include <string>
#include <vector>

#include "refhost/document/Document.h"

namespace refhost::cli {

// A target as the last dialog had chosen it when it closed.
struct ChosenTarget {
  const Object* object = nullptr;  // null when the item's tag finds no object
  double percent = 100.0;
};

// What the last dialog's list boxes had chosen, read as the merge command
// reads them: each current item names its object by its tag (the unique ID
// in the low 32 bits), and the spin box of the same number in creation
// order holds its weight in percent. Empty for a dialog without list boxes.
std::vector<ChosenTarget> ChosenTargets(const Document& document);

// The mix by which a merge of `base` made its one new object, from the
// chosen targets that the document holds, weighted as the blend weights
// them; none when the dialog was not a merge dialog of two list boxes and
// two spin boxes.
std::optional<MorphMix> ChosenMix(const Document& document, const Object& base);

// The number (from 1) of the last dialog's editable box that held `text` when
// it closed, as --edit counts them; 0 when none did.
int EditHolding(const std::string& text);

}  // namespace refhost::cli

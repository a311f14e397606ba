#pragma once

// The value a button closes a modal dialog with ("modalresult"), which
// ExecuteModal hands back; 0 when the host reports none.
namespace ModalResult {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
}  // namespace ModalResult

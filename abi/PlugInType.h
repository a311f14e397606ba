#pragma once

// The type code a plug-in reports decides which entry points the host offers
// it: strings and file operations for file plug-ins, menu strings and menu
// commands for menu plug-ins, one string for single-string plug-ins.
namespace plugin_type {
inline constexpr int kObject = 4;

constexpr bool IsFilePlugIn(int type) { return type == 1 || type == 2; }
constexpr bool IsMenuPlugIn(int type) { return type >= 3 && type <= 5; }
constexpr bool IsSingleStringPlugIn(int type) { return type == 6 || type == 7; }
}  // namespace plugin_type

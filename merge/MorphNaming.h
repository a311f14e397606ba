#pragma once

#include <string>

// Morph targets are tied to their base by name alone: "elem:", a morph name
// without "-", then "-" and the base's core name.

// The base's name after its first ":", cut before its first "-" when at
// least two bytes precede that "-".
std::string GetCoreName(const std::string& name);

// Whether `name` is a morph target name of the base whose core name is `coreName`.
bool IsMorphTargetName(const std::string& coreName, const std::string& name);

// "elem:" + morphName + "-" + coreName.
std::string ComposeTargetName(const std::string& morphName, const std::string& coreName);

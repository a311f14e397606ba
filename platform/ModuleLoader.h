#pragma once

// Binding a host module by path: the only loader services the plug-in uses.
namespace platform {

using ModuleHandle = void*;
using EntryPoint = void (*)();

// Loads (or adds a reference to) the module at `path`; null on failure.
ModuleHandle OpenModule(const char* path);

// The module's export called `name`, or null when it has none.
EntryPoint FindEntryPoint(ModuleHandle module, const char* name);

// Drops the reference that OpenModule took.
void CloseModule(ModuleHandle module);

// True while the module at `path` is loaded in this process. Lets callers
// check that a load and its release balance out.
bool IsModuleLoaded(const char* path);

}  // namespace platform

// Where a module's file lies: the one place that asks GetModuleFileNameW,
// growing its buffer for paths longer than MAX_PATH.
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// Full path of `module` (null: the process's executable). The buffer starts
// at MAX_PATH characters and doubles while the path fills it, ten times at
// most. Empty on failure.
std::wstring ModuleFileName(HMODULE module);

// The folder part of a path (without the last separator); empty when the
// path has no folder.
std::wstring FolderOf(const std::wstring& path);

}  // namespace plqr

// Names that outside data turns into paths below a folder of ours: the entries
// of the help cabinet and the resource library's name in the driver INI. A
// name is accepted only when, joined to that folder, it names something inside
// it; everything else is refused before any file is touched.
//
// Portable: char16_t text, no platform headers, pure functions of the text.
#pragma once

#include <string_view>

namespace plqr {

// A relative path of names separated by '\' or '/' that stays below the folder
// it is joined to. Refused: an empty path; a root ("\x", "/x"), UNC and device
// paths ("\\server", "\\?\", "\\.\"), a doubled or trailing separator (all of
// them have an empty name); a drive or a stream (any ':'); a name made only of
// dots and blanks ("..", ".", ". ", which Windows reads as the folder or its
// parent once trailing dots and blanks are dropped); the characters Windows
// forbids in names (< > " | ? * and controls); DOS device names (CON, PRN, AUX,
// NUL, COM1-COM9, LPT1-LPT9, also with an extension), which name a device in
// every folder.
bool IsContainedRelativePath(std::u16string_view path);

// A single name (no '\' or '/', no ".." anywhere in it) that
// IsContainedRelativePath accepts.
bool IsPlainFileName(std::u16string_view name);

}  // namespace plqr

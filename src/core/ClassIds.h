// Class IDs under which the core driver creates this plug-in.
#pragma once

#include "PrintOem.h"

namespace plqr {

// The plug-in's own class ID; the driver package names the library under it.
// {24470368-8FF4-4DAA-BFB6-7E583892FE87}
inline constexpr CLSID CLSID_PLQRDVXSUI = {
    0x24470368, 0x8FF4, 0x4DAA, {0xBF, 0xB6, 0x7E, 0x58, 0x38, 0x92, 0xFE, 0x87}};

inline bool IsPluginClassId(REFCLSID rclsid) {
  return IsEqualCLSID(rclsid, CLSID_OEMUI) || IsEqualCLSID(rclsid, CLSID_PLQRDVXSUI);
}

}  // namespace plqr

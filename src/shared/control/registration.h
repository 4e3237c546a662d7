// Self-registration: the registry entries of the control class, its ProgIDs and AppID, and the
// registration of the embedded type library.
#pragma once

#include <windows.h>

#include <string>

#include "control_descriptor.h"

namespace orvane {

// Writes every entry for the DLL at `module_path`. The class key is deleted first, so stale
// subkeys of an earlier registration do not survive.
HRESULT RegisterControl(const ControlDescriptor& descriptor, const std::wstring& module_path);

// Removes every entry RegisterControl wrote (the CLSID and AppID roots stay). Entries that are
// already gone are no error.
HRESULT UnregisterControl(const ControlDescriptor& descriptor);

}  // namespace orvane

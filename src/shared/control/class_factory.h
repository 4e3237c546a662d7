// The class object of the DLL's one control class.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "control_descriptor.h"

namespace orvane {

// A new class object for `descriptor`, asked for `iid`. Each class object keeps the DLL loaded
// for as long as it lives.
HRESULT CreateClassFactory(const ControlDescriptor& descriptor, REFIID iid, void** object);

}  // namespace orvane

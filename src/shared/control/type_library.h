// The type library embedded in the DLL (resource TYPELIB 1), loaded from the module itself so
// that dispatch works before, and without, registration.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace orvane {

// The library, AddRef'd for the caller; loaded on first use and kept until ReleaseTypeLibrary.
HRESULT LoadTypeLibrary(ITypeLib** library);

// The type information of `guid` in the library (for the dual interface, its dispatch view),
// AddRef'd for the caller; cached like the library.
HRESULT TypeInfoOf(REFGUID guid, ITypeInfo** info);

// Drops the cached library and type information once nothing of the DLL is in use.
void ReleaseTypeLibrary();

}  // namespace orvane

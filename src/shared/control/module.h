// The DLL as a whole: its instance handle and path, and the count of objects and locks that
// keeps it loaded.
#pragma once

#include <windows.h>

#include <string>

namespace orvane::module {

void SetInstance(HINSTANCE instance);
HINSTANCE Instance();

// Full path of the DLL, as the registry and the type-library loader need it.
std::wstring Path();

// Every live object and every IClassFactory::LockServer(TRUE) holds one count.
void AddRef();
void Release();
bool InUse();

}  // namespace orvane::module

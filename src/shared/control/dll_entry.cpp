// The DLL's entry point and its four exports, the same for every control.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "class_factory.h"
#include "control_descriptor.h"
#include "control_window.h"
#include "module.h"
#include "registration.h"
#include "type_library.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    orvane::module::SetInstance(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Unloaded by FreeLibrary: a later load may sit at another address, so the window class
    // must not outlive this copy of the window procedure.
    orvane::UnregisterControlWindowClass();
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, *orvane::kControlDescriptor.clsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return orvane::CreateClassFactory(orvane::kControlDescriptor, iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  if (orvane::module::InUse()) return S_FALSE;
  orvane::ReleaseTypeLibrary();
  return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return orvane::RegisterControl(orvane::kControlDescriptor, orvane::module::Path());
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return orvane::UnregisterControl(orvane::kControlDescriptor);
}

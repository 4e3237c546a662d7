#include "registration.h"

#include <oleauto.h>

#include <initializer_list>

#include "type_library.h"

namespace orvane {
namespace {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// One registry write: the key `path` under the classes root, created if missing, and either
// its default value (`name` null) or a named value. A null `value` only creates the key.
struct Entry {
  std::wstring path;
  const wchar_t* name;
  const wchar_t* value;
};

LSTATUS Write(const Entry& entry) {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, entry.path.c_str(), 0, nullptr, 0,
                                   KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  if (entry.value != nullptr) {
    const DWORD bytes = static_cast<DWORD>((wcslen(entry.value) + 1) * sizeof(wchar_t));
    status = RegSetValueExW(key, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value),
                            bytes);
  }
  RegCloseKey(key);
  return status;
}

LSTATUS DeleteTree(const std::wstring& path) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
    // RegDeleteTree empties a key but leaves the key itself.
    const LSTATUS removed = RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
    return removed == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : removed;
  }
  return status;
}

std::wstring ClassKey(const ControlDescriptor& d) { return L"CLSID\\" + GuidText(*d.clsid); }

std::wstring AppIdKey(const ControlDescriptor& d) { return L"AppID\\" + GuidText(*d.appid); }

std::wstring AppIdNameKey(const ControlDescriptor& d) {
  return std::wstring(L"AppID\\") + d.deliverable + L".DLL";
}

HRESULT RegisterTypeLibrary(const std::wstring& module_path) {
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibrary(&library);
  if (FAILED(hr)) return hr;
  hr = RegisterTypeLib(library, const_cast<LPOLESTR>(module_path.c_str()), nullptr);
  library->Release();
  return hr;
}

HRESULT UnregisterTypeLibrary() {
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibrary(&library);
  if (FAILED(hr)) return hr;
  TLIBATTR* attributes = nullptr;
  hr = library->GetLibAttr(&attributes);
  if (SUCCEEDED(hr)) {
    // A library that is not registered has nothing left to remove (and UnRegisterTypeLib
    // would call that a failure).
    BSTR registered_path = nullptr;
    if (SUCCEEDED(QueryPathOfRegTypeLib(attributes->guid, attributes->wMajorVerNum,
                                        attributes->wMinorVerNum, attributes->lcid,
                                        &registered_path))) {
      SysFreeString(registered_path);
      hr = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum,
                             attributes->wMinorVerNum, attributes->lcid, attributes->syskind);
    }
    library->ReleaseTLibAttr(attributes);
  }
  library->Release();
  return hr;
}

}  // namespace

HRESULT RegisterControl(const ControlDescriptor& d, const std::wstring& module_path) {
  if (module_path.empty()) return SELFREG_E_CLASS;
  const std::wstring clsid = GuidText(*d.clsid);
  const std::wstring appid = GuidText(*d.appid);
  const std::wstring libid = GuidText(*d.libid);
  const std::wstring toolbox = module_path + L", 102";
  const std::wstring misc_status = std::to_wstring(d.misc_status);
  const std::wstring class_key = ClassKey(d);
  const std::wstring prog_id = d.prog_id;
  const std::wstring independent = d.version_independent_prog_id;

  if (DeleteTree(class_key) != ERROR_SUCCESS) return SELFREG_E_CLASS;
  const std::initializer_list<Entry> entries = {
      {prog_id, nullptr, d.description},
      {prog_id + L"\\CLSID", nullptr, clsid.c_str()},
      {independent, nullptr, d.description},
      {independent + L"\\CLSID", nullptr, clsid.c_str()},
      {independent + L"\\CurVer", nullptr, d.prog_id},
      {class_key, nullptr, d.description},
      {class_key + L"\\ProgID", nullptr, d.prog_id},
      {class_key + L"\\VersionIndependentProgID", nullptr, d.version_independent_prog_id},
      {class_key + L"\\Programmable", nullptr, nullptr},
      {class_key + L"\\InprocServer32", nullptr, module_path.c_str()},
      {class_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {class_key, L"AppID", appid.c_str()},
      {class_key + L"\\Control", nullptr, nullptr},
      {class_key + L"\\ToolboxBitmap32", nullptr, toolbox.c_str()},
      {class_key + L"\\MiscStatus", nullptr, L"0"},
      {class_key + L"\\MiscStatus\\1", nullptr, misc_status.c_str()},
      {class_key + L"\\TypeLib", nullptr, libid.c_str()},
      {class_key + L"\\Version", nullptr, L"1.0"},
      {AppIdKey(d), nullptr, d.deliverable},
      {AppIdNameKey(d), L"AppID", appid.c_str()},
  };
  for (const Entry& entry : entries) {
    if (Write(entry) != ERROR_SUCCESS) return SELFREG_E_CLASS;
  }
  if (FAILED(RegisterTypeLibrary(module_path))) return SELFREG_E_TYPELIB;
  return S_OK;
}

HRESULT UnregisterControl(const ControlDescriptor& d) {
  HRESULT result = S_OK;
  if (FAILED(UnregisterTypeLibrary())) result = SELFREG_E_TYPELIB;
  for (const std::wstring& key :
       {std::wstring(d.prog_id), std::wstring(d.version_independent_prog_id), ClassKey(d),
        AppIdKey(d), AppIdNameKey(d)}) {
    if (DeleteTree(key) != ERROR_SUCCESS) result = SELFREG_E_CLASS;
  }
  return result;
}

}  // namespace orvane

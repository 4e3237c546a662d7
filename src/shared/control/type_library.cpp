#include "type_library.h"

#include <string>

#include "module.h"

namespace orvane {
namespace {

ITypeLib* g_library = nullptr;

// The frame asks for two type infos only (the automation interface and the coclass); a small
// table keeps each lookup to one comparison.
struct CachedInfo {
  GUID guid;
  ITypeInfo* info;
};
CachedInfo g_infos[4] = {};

}  // namespace

HRESULT LoadTypeLibrary(ITypeLib** library) {
  if (library == nullptr) return E_POINTER;
  *library = nullptr;
  if (g_library == nullptr) {
    const std::wstring path = module::Path();
    if (path.empty()) return E_FAIL;
    ITypeLib* loaded = nullptr;
    const HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &loaded);
    if (FAILED(hr)) return hr;
    g_library = loaded;
  }
  g_library->AddRef();
  *library = g_library;
  return S_OK;
}

HRESULT TypeInfoOf(REFGUID guid, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  for (const CachedInfo& cached : g_infos) {
    if (cached.info != nullptr && IsEqualGUID(cached.guid, guid)) {
      cached.info->AddRef();
      *info = cached.info;
      return S_OK;
    }
  }
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibrary(&library);
  if (FAILED(hr)) return hr;
  ITypeInfo* found = nullptr;
  hr = library->GetTypeInfoOfGuid(guid, &found);
  library->Release();
  if (FAILED(hr)) return hr;
  for (CachedInfo& cached : g_infos) {
    if (cached.info == nullptr) {
      cached = {guid, found};
      found->AddRef();
      break;
    }
  }
  *info = found;
  return S_OK;
}

void ReleaseTypeLibrary() {
  for (CachedInfo& cached : g_infos) {
    if (cached.info != nullptr) cached.info->Release();
    cached = {};
  }
  if (g_library != nullptr) g_library->Release();
  g_library = nullptr;
}

}  // namespace orvane

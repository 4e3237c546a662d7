// OrvaneTestImages.dll: a scriptable helper of the script test. VBScript cannot build a byte
// array itself, so this object makes image arrays, reads their bytes back and tells whether a
// variable still holds the same array. Registered as "OrvaneTest.Images"; dispatch only.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>

#include <cstdint>
#include <cstdio>
#include <new>
#include <string>

namespace {

// {73DCBBD1-9D2E-4776-BAAC-2E49D80EBF13}
constexpr CLSID kClsid = {
    0x73dcbbd1, 0x9d2e, 0x4776, {0xba, 0xac, 0x2e, 0x49, 0xd8, 0x0e, 0xbf, 0x13}};
constexpr wchar_t kProgId[] = L"OrvaneTest.Images";

HINSTANCE g_instance = nullptr;
LONG g_objects = 0;

enum Member : DISPID { kUniform = 1, kPixel = 2, kIdentity = 3 };

constexpr struct {
  const wchar_t* name;
  DISPID id;
} kMembers[] = {{L"Uniform", kUniform}, {L"Pixel", kPixel}, {L"Identity", kIdentity}};

// The array a script variable holds, however it was passed; null if none.
SAFEARRAY* ArrayOf(const VARIANT& argument) {
  const VARIANT* value = &argument;
  if (value->vt == (VT_BYREF | VT_VARIANT)) value = value->pvarVal;
  if (value->vt == (VT_ARRAY | VT_UI1)) return value->parray;
  if (value->vt == (VT_BYREF | VT_ARRAY | VT_UI1)) return *value->pparray;
  return nullptr;
}

bool LongOf(const VARIANT& argument, LONG& out) {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&argument), 0, VT_I4))) {
    return false;
  }
  out = converted.lVal;
  return true;
}

class Images final : public IDispatch {
 public:
  Images() { InterlockedIncrement(&g_objects); }
  Images(const Images&) = delete;
  Images& operator=(const Images&) = delete;
  ~Images() { InterlockedDecrement(&g_objects); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG count = InterlockedDecrement(&references_);
    if (count == 0) delete this;
    return count;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (const auto& member : kMembers) {
        if (i == 0 && _wcsicmp(names[i], member.name) == 0) ids[i] = member.id;
      }
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (params == nullptr) return E_INVALIDARG;
    // Arguments arrive last first.
    auto argument = [&](UINT i) -> const VARIANT& { return params->rgvarg[params->cArgs - 1 - i]; };
    switch (member) {
      case kUniform: {  // Uniform(width, height, value): colour bytes `value`, fourth byte 0
        LONG width, height, value;
        if (params->cArgs != 3 || !LongOf(argument(0), width) || !LongOf(argument(1), height) ||
            !LongOf(argument(2), value) || width < 1 || height < 1) {
          return DISP_E_BADPARAMCOUNT;
        }
        SAFEARRAYBOUND bounds[3] = {
            {4, 0}, {static_cast<ULONG>(width), 0}, {static_cast<ULONG>(height), 0}};
        SAFEARRAY* array = SafeArrayCreate(VT_UI1, 3, bounds);
        if (array == nullptr) return E_OUTOFMEMORY;
        auto* bytes = static_cast<std::uint8_t*>(array->pvData);
        for (LONG i = 0; i < width * height * 4; ++i) {
          bytes[i] = i % 4 == 3 ? 0 : static_cast<std::uint8_t>(value);
        }
        if (result == nullptr) {
          SafeArrayDestroy(array);
          return S_OK;
        }
        result->vt = VT_ARRAY | VT_UI1;
        result->parray = array;
        return S_OK;
      }
      case kPixel: {  // Pixel(image, x, y, channel): one byte, or -1 outside the image
        LONG x, y, channel;
        SAFEARRAY* array = params->cArgs == 4 ? ArrayOf(argument(0)) : nullptr;
        if (array == nullptr || !LongOf(argument(1), x) || !LongOf(argument(2), y) ||
            !LongOf(argument(3), channel)) {
          return DISP_E_TYPEMISMATCH;
        }
        LONG width = 0, height = 0, lower = 0, upper = 0;
        SafeArrayGetLBound(array, 2, &lower);
        SafeArrayGetUBound(array, 2, &upper);
        width = upper - lower + 1;
        SafeArrayGetLBound(array, 3, &lower);
        SafeArrayGetUBound(array, 3, &upper);
        height = upper - lower + 1;
        LONG value = -1;
        if (x >= 0 && x < width && y >= 0 && y < height && channel >= 0 && channel < 4) {
          value = static_cast<const std::uint8_t*>(array->pvData)[(y * width + x) * 4 + channel];
        }
        if (result != nullptr) {
          result->vt = VT_I4;
          result->lVal = value;
        }
        return S_OK;
      }
      case kIdentity: {  // Identity(image): the array's address as text, "" for none
        SAFEARRAY* array = params->cArgs == 1 ? ArrayOf(argument(0)) : nullptr;
        wchar_t text[32] = L"";
        if (array != nullptr) swprintf(text, 32, L"%p", static_cast<void*>(array));
        if (result != nullptr) {
          result->vt = VT_BSTR;
          result->bstrVal = SysAllocString(text);
        }
        return S_OK;
      }
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  LONG references_ = 1;
};

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    Images* images = new (std::nothrow) Images();
    if (images == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = images->QueryInterface(iid, object);
    images->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      InterlockedIncrement(&g_objects);
    } else {
      InterlockedDecrement(&g_objects);
    }
    return S_OK;
  }
};

Factory g_factory;

std::wstring ClsidText() {
  wchar_t text[40] = {};
  StringFromGUID2(kClsid, text, 40);
  return text;
}

bool SetString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, kClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(g_instance, path, MAX_PATH);
  const std::wstring clsid = ClsidText();
  const std::wstring server = L"CLSID\\" + clsid + L"\\InprocServer32";
  const bool ok = SetString(std::wstring(kProgId) + L"\\CLSID", nullptr, clsid) &&
                  SetString(server, nullptr, path) &&
                  SetString(server, L"ThreadingModel", L"Apartment");
  return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kProgId);
  const std::wstring key = L"CLSID\\" + ClsidText();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
  return S_OK;
}

#include "test_support.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

// Every test program runs in a single-threaded apartment with OLE initialised, as a container
// or a script host does.
class OleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(OleInitialize(nullptr), S_OK); }
  void TearDown() override { OleUninitialize(); }
};

[[maybe_unused]] ::testing::Environment* const kOleEnvironment =
    ::testing::AddGlobalTestEnvironment(new OleEnvironment);

using ExportFn = HRESULT(STDAPICALLTYPE*)();

ExportFn ExportOf(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<ExportFn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

std::wstring BinPath(const std::wstring& file) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory = path;
  directory.resize(directory.find_last_of(L'\\') + 1);
  return directory + file;
}

std::wstring DllPath(const ControlRow& control) {
  return BinPath(std::wstring(control.deliverable) + L".dll");
}

HRESULT CallDllExport(const ControlRow& control, const char* name) {
  HMODULE module = LoadLibraryW(DllPath(control).c_str());
  const ExportFn function = ExportOf(module, name);
  const HRESULT hr = function != nullptr ? function() : E_FAIL;
  if (module != nullptr) FreeLibrary(module);
  return hr;
}

bool RegisterBuiltControls() {
  bool all = true;
  for (const ControlRow& control : BuiltControls()) {
    const bool registered = CallDllExport(control, "DllRegisterServer") == S_OK;
    all = all && registered;
  }
  return all;
}

HRESULT DllCanUnloadNowOf(const ControlRow& control) {
  HMODULE module = GetModuleHandleW(DllPath(control).c_str());
  const ExportFn can_unload = ExportOf(module, "DllCanUnloadNow");
  return can_unload != nullptr ? can_unload() : E_FAIL;
}

ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id) {
  CLSID clsid;
  ComPtr<IDispatch> object;
  if (SUCCEEDED(CLSIDFromProgID(prog_id, &clsid))) {
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object));
  }
  return object;
}

VARIANT Long(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT Double(double value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8;
  v.dblVal = value;
  return v;
}

VARIANT RefTo(VARIANT* variable) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_VARIANT;
  v.pvarVal = variable;
  return v;
}

DISPID DispIdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT Invoke(IDispatch* object, DISPID member, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result, EXCEPINFO* exception) {
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO ignored = {};
  UINT argument_error = 0;
  const HRESULT hr = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                    exception != nullptr ? exception : &ignored, &argument_error);
  if (exception == nullptr) {
    SysFreeString(ignored.bstrSource);
    SysFreeString(ignored.bstrDescription);
    SysFreeString(ignored.bstrHelpFile);
  }
  return hr;
}

HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result, EXCEPINFO* exception) {
  return Invoke(object, DispIdOf(object, name), flags, std::move(arguments), result, exception);
}

}  // namespace orvane::test

// Helpers of the Windows tests: the OLE apartment, where the DLLs are, registration, images as
// safe arrays and late-bound calls.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "control_table.h"

namespace orvane::test {

using Microsoft::WRL::ComPtr;

// Full path of a file next to the test program (where the build puts the DLLs).
std::wstring BinPath(const std::wstring& file);

std::wstring DllPath(const ControlRow& control);

// Registers every control this build made by calling its DllRegisterServer; true when all did.
bool RegisterBuiltControls();

// Loads the DLL, calls one of its four exports and unloads it again; E_FAIL when it cannot.
HRESULT CallDllExport(const ControlRow& control, const char* name);

// The DLL's own DllCanUnloadNow, or E_FAIL when the DLL is not loaded.
HRESULT DllCanUnloadNowOf(const ControlRow& control);

// A new instance by ProgID, asked for IDispatch.
ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id);

// A 4 x width x height VT_UI1 array (lower bounds 0) whose bytes are value(x, y, c).
template <class Fn>
SAFEARRAY* MakeImage(int width, int height, Fn&& value) {
  SAFEARRAYBOUND bounds[3] = {
      {4, 0}, {static_cast<ULONG>(width), 0}, {static_cast<ULONG>(height), 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 3, bounds);
  auto* bytes = static_cast<std::uint8_t*>(array->pvData);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 4; ++c) bytes[(y * width + x) * 4 + c] = value(x, y, c);
    }
  }
  return array;
}

inline std::uint8_t* Bytes(SAFEARRAY* array) { return static_cast<std::uint8_t*>(array->pvData); }

// A VARIANT that clears itself.
struct Variant : VARIANT {
  Variant() { VariantInit(this); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(this); }
};

VARIANT Long(LONG value);
VARIANT Double(double value);
// A reference to a variant, the way a script passes one of its variables.
VARIANT RefTo(VARIANT* variable);

DISPID DispIdOf(IDispatch* object, const wchar_t* name);

// IDispatch::Invoke with `arguments` in declaration order (they are passed reversed, as the
// protocol wants). A property put passes its value as the named DISPID_PROPERTYPUT argument.
HRESULT Invoke(IDispatch* object, DISPID member, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result = nullptr, EXCEPINFO* exception = nullptr);
HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result = nullptr, EXCEPINFO* exception = nullptr);

}  // namespace orvane::test

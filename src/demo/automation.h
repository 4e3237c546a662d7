// Late-bound use of a control, the way a script uses it: created by ProgID, members called by
// name through IDispatch, images passed as references to variants holding byte arrays.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace orvane::demo {

// A VARIANT that clears itself.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  explicit Variant(SAFEARRAY* array) : Variant() {
    value_.vt = VT_ARRAY | VT_UI1;
    value_.parray = array;
  }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&value_); }
  VARIANT* Get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

VARIANT LongArgument(LONG value);
VARIANT DoubleArgument(double value);
// A reference to `variable`, as a script passes its variables.
VARIANT Reference(Variant& variable);

class AutomationObject {
 public:
  // Creates the object registered as `prog_id`; check Valid() and Error().
  explicit AutomationObject(const wchar_t* prog_id);

  bool Valid() const { return dispatch_ != nullptr; }
  HRESULT Error() const { return error_; }

  // Calls a method with `arguments` in declaration order.
  HRESULT Call(const wchar_t* name, std::vector<VARIANT> arguments, VARIANT* result = nullptr);
  HRESULT Put(const wchar_t* name, VARIANT value);

 private:
  HRESULT Invoke(const wchar_t* name, WORD flags, std::vector<VARIANT> arguments, VARIANT* result);

  Microsoft::WRL::ComPtr<IDispatch> dispatch_;
  HRESULT error_ = S_OK;
};

}  // namespace orvane::demo

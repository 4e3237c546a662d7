#include "automation.h"

namespace orvane::demo {

VARIANT LongArgument(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT DoubleArgument(double value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8;
  v.dblVal = value;
  return v;
}

VARIANT Reference(Variant& variable) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_VARIANT;
  v.pvarVal = variable.Get();
  return v;
}

AutomationObject::AutomationObject(const wchar_t* prog_id) {
  CLSID clsid;
  error_ = CLSIDFromProgID(prog_id, &clsid);
  if (FAILED(error_)) return;
  error_ = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dispatch_));
}

HRESULT AutomationObject::Call(const wchar_t* name, std::vector<VARIANT> arguments,
                               VARIANT* result) {
  return Invoke(name, DISPATCH_METHOD, std::move(arguments), result);
}

HRESULT AutomationObject::Put(const wchar_t* name, VARIANT value) {
  return Invoke(name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

HRESULT AutomationObject::Invoke(const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
                                 VARIANT* result) {
  if (!dispatch_) return E_POINTER;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  // The protocol passes arguments last first.
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception = {};
  UINT argument_error = 0;
  hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception,
                         &argument_error);
  if (hr == DISP_E_EXCEPTION && exception.scode != 0) hr = exception.scode;
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return hr;
}

}  // namespace orvane::demo

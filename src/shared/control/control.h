// A control class: the shared frame plus the control's dual interface, whose IDispatch half is
// answered from the embedded type library. A control derives from Control<its interface> and
// implements the interface's own members.
#pragma once

#include <new>

#include "automation_dispatch.h"
#include "control_frame.h"

namespace orvane {

template <class Automation>
class Control : public ControlFrame, public Automation {
 public:
  explicit Control(const ControlDescriptor& descriptor) : ControlFrame(descriptor) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return ControlFrame::QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ControlFrame::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ControlFrame::Release(); }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    return DispatchGetTypeInfo(*Descriptor().iid, index, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    return DispatchGetIDsOfNames(*Descriptor().iid, names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    return DispatchInvoke(*Descriptor().iid, AutomationInterface(), member, flags, params, result,
                          exception, argument_error);
  }

 protected:
  IDispatch* AutomationInterface() override { return static_cast<Automation*>(this); }
};

// The descriptor's `create`: a new instance of `T`, asked for `iid`.
template <class T>
HRESULT CreateControl(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  T* control = new (std::nothrow) T();
  if (control == nullptr) return E_OUTOFMEMORY;
  control->AddRef();
  const HRESULT hr = control->QueryInterface(iid, object);
  control->Release();
  return hr;
}

}  // namespace orvane

// Stream and storage persistence of the extent and the control's own properties, and quick
// activation.
#include "control_frame.h"

#include <cstddef>

#include "persisted_state.h"

namespace orvane {
namespace {

// The one stream a control keeps in a storage given to it.
constexpr wchar_t kContentsStream[] = L"Contents";

}  // namespace

HRESULT ControlFrame::ReadProperty(DISPID id, LONG& value) {
  DISPPARAMS none = {};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = AutomationInterface()->Invoke(
      id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
  if (SUCCEEDED(hr)) hr = VariantChangeType(&result, &result, 0, VT_I4);
  if (SUCCEEDED(hr)) value = result.lVal;
  VariantClear(&result);
  return hr;
}

HRESULT ControlFrame::WriteProperty(DISPID id, LONG value) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&argument, &named, 1, 1};
  return AutomationInterface()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                       &params, nullptr, nullptr, nullptr);
}

HRESULT ControlFrame::SaveState(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  PersistedState state;
  state.cx = static_cast<DWORD>(extent_.cx);
  state.cy = static_cast<DWORD>(extent_.cy);
  for (const DISPID id : descriptor_.persisted_properties) {
    LONG value = 0;
    const HRESULT hr = ReadProperty(id, value);
    if (FAILED(hr)) return hr;
    state.properties.push_back(value);
  }
  return WritePersistedState(stream, state);
}

HRESULT ControlFrame::LoadState(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  PersistedState state;
  const HRESULT hr = ReadPersistedState(stream, descriptor_.persisted_properties.size(), state);
  if (FAILED(hr)) return hr;
  // A fixed-size control keeps its own extent whatever was saved.
  if (descriptor_.extent_policy == ExtentPolicy::kSizable) {
    extent_ = {static_cast<LONG>(state.cx), static_cast<LONG>(state.cy)};
  }
  for (std::size_t i = 0; i < state.properties.size(); ++i) {
    WriteProperty(descriptor_.persisted_properties[i], state.properties[i]);
  }
  dirty_ = false;
  ContentChanged();
  return S_OK;
}

HRESULT ControlFrame::GetClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = *descriptor_.clsid;
  return S_OK;
}

HRESULT ControlFrame::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

HRESULT ControlFrame::Load(IStream* stream) { return LoadState(stream); }

HRESULT ControlFrame::Save(IStream* stream, BOOL clear_dirty) {
  const HRESULT hr = SaveState(stream);
  if (SUCCEEDED(hr) && clear_dirty) dirty_ = false;
  return hr;
}

HRESULT ControlFrame::GetSizeMax(ULARGE_INTEGER* size) {
  if (size == nullptr) return E_POINTER;
  size->QuadPart = PersistedSize(descriptor_.persisted_properties.size());
  return S_OK;
}

HRESULT ControlFrame::InitNew() {
  dirty_ = false;
  return S_OK;
}

HRESULT ControlFrame::InitNew(IStorage* storage) {
  if (storage == nullptr) return E_POINTER;
  return InitNew();
}

HRESULT ControlFrame::Load(IStorage* storage) {
  if (storage == nullptr) return E_POINTER;
  IStream* stream = nullptr;
  HRESULT hr =
      storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
  if (FAILED(hr)) return hr;
  hr = LoadState(stream);
  stream->Release();
  return hr;
}

HRESULT ControlFrame::Save(IStorage* storage, BOOL) {
  if (storage == nullptr) return E_POINTER;
  IStream* stream = nullptr;
  HRESULT hr = storage->CreateStream(
      kContentsStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &stream);
  if (FAILED(hr)) return hr;
  hr = SaveState(stream);
  stream->Release();
  // The container ends the save with SaveCompleted; a storage save leaves the control clean.
  if (SUCCEEDED(hr)) dirty_ = false;
  return hr;
}

HRESULT ControlFrame::SaveCompleted(IStorage*) { return S_OK; }

HRESULT ControlFrame::HandsOffStorage() { return S_OK; }

// IQuickActivate

HRESULT ControlFrame::QuickActivate(QACONTAINER* container, QACONTROL* control) {
  if (container == nullptr || control == nullptr) return E_POINTER;
  // Containers of different ages pass structures of different sizes; only the leading fields
  // that every version has are used, and the control's answer stays within what was given.
  if (container->cbSize < offsetof(QACONTAINER, pPropertyNotifySink) ||
      control->cbSize < offsetof(QACONTROL, dwPointerActivationPolicy)) {
    return E_INVALIDARG;
  }
  SetClientSite(container->pClientSite);
  if (container->pAdviseSink != nullptr) {
    SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
  }
  control->dwMiscStatus = descriptor_.misc_status;
  GetViewStatus(&control->dwViewStatus);
  control->dwEventCookie = 0;
  control->dwPropNotifyCookie = 0;
  if (control->cbSize >= sizeof(QACONTROL)) control->dwPointerActivationPolicy = 0;
  return S_OK;
}

HRESULT ControlFrame::SetContentExtent(LPSIZEL size) { return SetExtent(DVASPECT_CONTENT, size); }

HRESULT ControlFrame::GetContentExtent(LPSIZEL size) { return GetExtent(DVASPECT_CONTENT, size); }

}  // namespace orvane

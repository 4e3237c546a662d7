// The object's identity: construction, reference counting, the interface ladder, class
// information and the interfaces that have little to say.
#include "control_frame.h"

#include "design_time_drawing.h"
#include "extent.h"
#include "module.h"
#include "type_library.h"

namespace orvane {
namespace {

// Two inches square, the starting extent of a sizable control.
constexpr SIZEL kSizableInitialExtent = {5080, 5080};
// The screen size of a fixed-size control.
constexpr SIZE kFixedPixels = {160, 20};

}  // namespace

ControlFrame::ControlFrame(const ControlDescriptor& descriptor) : descriptor_(descriptor) {
  module::AddRef();
  extent_ = descriptor.extent_policy == ExtentPolicy::kFixed
                ? PixelsToHimetric(kFixedPixels, ScreenPixelsPerInch())
                : kSizableInitialExtent;
}

ControlFrame::~ControlFrame() {
  InPlaceDeactivate();
  if (view_sink_ != nullptr) view_sink_->Release();
  if (data_advise_ != nullptr) data_advise_->Release();
  if (ole_advise_ != nullptr) ole_advise_->Release();
  if (client_site_ != nullptr) client_site_->Release();
  module::Release();
}

HRESULT ControlFrame::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  // The order is the order in which the control answers; nothing else is offered (no
  // property bags, connection points or object safety).
  if (IsEqualIID(iid, *descriptor_.iid) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID_IUnknown)) {
    *object = AutomationInterface();
  } else if (IsEqualIID(iid, IID_IViewObjectEx) || IsEqualIID(iid, IID_IViewObject2) ||
             IsEqualIID(iid, IID_IViewObject)) {
    *object = static_cast<IViewObjectEx*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceObjectWindowless) ||
             IsEqualIID(iid, IID_IOleInPlaceObject) || IsEqualIID(iid, IID_IOleWindow)) {
    *object = static_cast<IOleInPlaceObjectWindowless*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject)) {
    *object = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (IsEqualIID(iid, IID_IOleControl)) {
    *object = static_cast<IOleControl*>(this);
  } else if (IsEqualIID(iid, IID_IOleObject)) {
    *object = static_cast<IOleObject*>(this);
  } else if (IsEqualIID(iid, IID_IPersistStreamInit) || IsEqualIID(iid, IID_IPersist)) {
    *object = static_cast<IPersistStreamInit*>(this);
  } else if (IsEqualIID(iid, IID_ISpecifyPropertyPages) && descriptor_.answers_property_pages) {
    *object = static_cast<ISpecifyPropertyPages*>(this);
  } else if (IsEqualIID(iid, IID_IQuickActivate)) {
    *object = static_cast<IQuickActivate*>(this);
  } else if (IsEqualIID(iid, IID_IPersistStorage)) {
    *object = static_cast<IPersistStorage*>(this);
  } else if (IsEqualIID(iid, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
  } else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2)) {
    *object = static_cast<IProvideClassInfo2*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ControlFrame::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ControlFrame::Release() {
  const LONG count = InterlockedDecrement(&references_);
  if (count == 0) {
    // Deactivation in the destructor talks to the container, which may AddRef and Release
    // the object once more; that must not destroy it a second time.
    references_ = 1;
    delete this;
  }
  return static_cast<ULONG>(count);
}

void ControlFrame::DrawContent(HDC dc, const RECT& bounds) {
  DrawDesignTime(dc, bounds, descriptor_.caption);
}

void ControlFrame::PaintWindow(HDC dc, const RECT& client) { DrawContent(dc, client); }

void ControlFrame::ContentChanged() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
  if (data_advise_ != nullptr) data_advise_->SendOnDataChange(this, 0, 0);
  if (view_sink_ != nullptr && (view_aspects_ & DVASPECT_CONTENT) != 0) {
    IAdviseSink* sink = view_sink_;
    if ((view_flags_ & ADVF_ONLYONCE) != 0) {
      view_sink_ = nullptr;
      view_aspects_ = 0;
      view_flags_ = 0;
    } else {
      sink->AddRef();
    }
    sink->OnViewChange(DVASPECT_CONTENT, -1);
    sink->Release();
  }
}

// IOleControl: no mnemonics, no accelerators, no events to hold back.

HRESULT ControlFrame::GetControlInfo(CONTROLINFO* info) {
  if (info == nullptr) return E_POINTER;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT ControlFrame::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT ControlFrame::OnAmbientPropertyChange(DISPID) { return S_OK; }

HRESULT ControlFrame::FreezeEvents(BOOL freeze) {
  frozen_events_ += freeze ? 1 : (frozen_events_ > 0 ? -1 : 0);
  return S_OK;
}

// ISpecifyPropertyPages: answered by some controls, always with an empty list.

HRESULT ControlFrame::GetPages(CAUUID* pages) {
  if (pages == nullptr) return E_POINTER;
  pages->cElems = 0;
  pages->pElems = nullptr;
  return S_OK;
}

// IProvideClassInfo, IProvideClassInfo2

HRESULT ControlFrame::GetClassInfo(ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  return TypeInfoOf(*descriptor_.clsid, info);
}

HRESULT ControlFrame::GetGUID(DWORD kind, GUID* guid) {
  if (guid == nullptr) return E_POINTER;
  *guid = GUID_NULL;
  // The controls raise no events, so there is no outgoing interface to name.
  return kind == GUIDKIND_DEFAULT_SOURCE_DISP_IID ? E_FAIL : E_INVALIDARG;
}

}  // namespace orvane

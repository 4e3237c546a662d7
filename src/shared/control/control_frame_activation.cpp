// IOleObject and in-place activation: the client site, verbs, the control's own window,
// extent negotiation and closing.
#include "control_frame.h"

namespace orvane {
namespace {

template <class T>
void ReleaseAndClear(T*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

}  // namespace

HRESULT ControlFrame::SetClientSite(IOleClientSite* site) {
  if (site != nullptr) site->AddRef();
  ReleaseAndClear(client_site_);
  client_site_ = site;
  return S_OK;
}

HRESULT ControlFrame::GetClientSite(IOleClientSite** site) {
  if (site == nullptr) return E_POINTER;
  *site = client_site_;
  if (client_site_ != nullptr) client_site_->AddRef();
  return S_OK;
}

HRESULT ControlFrame::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT ControlFrame::Close(DWORD save_option) {
  if (dirty_ && client_site_ != nullptr &&
      (save_option == OLECLOSE_SAVEIFDIRTY || save_option == OLECLOSE_PROMPTSAVE)) {
    client_site_->SaveObject();
  }
  InPlaceDeactivate();
  if (ole_advise_ != nullptr) ole_advise_->SendOnClose();
  return S_OK;
}

HRESULT ControlFrame::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT ControlFrame::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT ControlFrame::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT ControlFrame::GetClipboardData(DWORD, IDataObject** data) {
  if (data != nullptr) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT ControlFrame::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                             LPCRECT position) {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
      return ActivateInPlace(verb, site, parent, position);
    case OLEIVERB_UIACTIVATE: {
      const HRESULT hr = ActivateInPlace(verb, site, parent, position);
      return FAILED(hr) ? hr : ActivateUserInterface();
    }
    case OLEIVERB_HIDE:
      UIDeactivate();
      if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
      return S_OK;
    case OLEIVERB_DISCARDUNDOSTATE:
      return S_OK;
    default:
      break;
  }
  if (verb > 0) {
    // An unknown positive verb acts as the primary one.
    const HRESULT hr = ActivateInPlace(verb, site, parent, position);
    return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
  }
  // Opening in a window of its own, and property pages, are not offered.
  return E_NOTIMPL;
}

HRESULT ControlFrame::ActivateInPlace(LONG, IOleClientSite* site, HWND, LPCRECT) {
  if (site != nullptr && client_site_ == nullptr) SetClientSite(site);
  if (client_site_ == nullptr) return E_UNEXPECTED;
  if (in_place_site_ == nullptr) {
    IOleInPlaceSite* in_place = nullptr;
    if (FAILED(client_site_->QueryInterface(IID_IOleInPlaceSite,
                                            reinterpret_cast<void**>(&in_place)))) {
      return E_FAIL;
    }
    if (in_place->CanInPlaceActivate() != S_OK) {
      in_place->Release();
      return E_FAIL;
    }
    IOleInPlaceSiteEx* extended = nullptr;
    if (FAILED(client_site_->QueryInterface(IID_IOleInPlaceSiteEx,
                                            reinterpret_cast<void**>(&extended)))) {
      extended = nullptr;
    }
    in_place_site_ = in_place;
    in_place_site_ex_ = extended;
    // The control always runs in a window of its own: it never asks to be windowless.
    BOOL no_redraw = FALSE;
    const HRESULT hr = extended != nullptr ? extended->OnInPlaceActivateEx(&no_redraw, 0)
                                           : in_place->OnInPlaceActivate();
    if (FAILED(hr)) {
      ReleaseAndClear(in_place_site_ex_);
      ReleaseAndClear(in_place_site_);
      return hr;
    }
  }
  if (window_ == nullptr) {
    HWND parent = nullptr;
    RECT position = {};
    RECT clip = {};
    OLEINPLACEFRAMEINFO frame_info = {};
    frame_info.cb = sizeof(frame_info);
    ReleaseAndClear(in_place_frame_);
    ReleaseAndClear(in_place_document_);
    if (FAILED(in_place_site_->GetWindow(&parent)) ||
        FAILED(in_place_site_->GetWindowContext(&in_place_frame_, &in_place_document_, &position,
                                                &clip, &frame_info))) {
      InPlaceDeactivate();
      return E_FAIL;
    }
    window_ = CreateControlWindow(this, parent, position);
    if (window_ == nullptr) {
      InPlaceDeactivate();
      return E_FAIL;
    }
  } else {
    ShowWindow(window_, SW_SHOW);
  }
  return S_OK;
}

HRESULT ControlFrame::ActivateUserInterface() {
  if (ui_active_) return S_OK;
  if (in_place_site_ex_ != nullptr) {
    const HRESULT hr = in_place_site_ex_->RequestUIActivate();
    if (hr != S_OK) return hr == S_FALSE ? E_FAIL : hr;
  }
  ui_active_ = true;
  in_place_site_->OnUIActivate();
  SetFocus(window_);
  IOleInPlaceActiveObject* active = this;
  if (in_place_frame_ != nullptr) {
    in_place_frame_->SetActiveObject(active, nullptr);
    in_place_frame_->SetBorderSpace(nullptr);
  }
  if (in_place_document_ != nullptr) {
    in_place_document_->SetActiveObject(active, nullptr);
    in_place_document_->SetBorderSpace(nullptr);
  }
  return S_OK;
}

HRESULT ControlFrame::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs == nullptr) return E_POINTER;
  return OleRegEnumVerbs(*descriptor_.clsid, verbs);
}

HRESULT ControlFrame::Update() { return S_OK; }

HRESULT ControlFrame::IsUpToDate() { return S_OK; }

HRESULT ControlFrame::GetUserClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = *descriptor_.clsid;
  return S_OK;
}

HRESULT ControlFrame::GetUserType(DWORD form, LPOLESTR* name) {
  if (name == nullptr) return E_POINTER;
  return OleRegGetUserType(*descriptor_.clsid, form, name);
}

bool ControlFrame::AcceptsExtent(const SIZEL& size) const {
  if (descriptor_.extent_policy == ExtentPolicy::kSizable) return true;
  return size.cx == extent_.cx && size.cy == extent_.cy;
}

HRESULT ControlFrame::SetExtent(DWORD aspect, SIZEL* size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  // A fixed-size control keeps its extent and says so; the host reads it back.
  if (!AcceptsExtent(*size)) return E_FAIL;
  if (size->cx != extent_.cx || size->cy != extent_.cy) {
    extent_ = *size;
    dirty_ = true;
    ContentChanged();
  }
  return S_OK;
}

HRESULT ControlFrame::GetExtent(DWORD aspect, SIZEL* size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

HRESULT ControlFrame::Advise(IAdviseSink* sink, DWORD* connection) {
  if (connection == nullptr) return E_POINTER;
  if (ole_advise_ == nullptr) {
    const HRESULT hr = CreateOleAdviseHolder(&ole_advise_);
    if (FAILED(hr)) return hr;
  }
  return ole_advise_->Advise(sink, connection);
}

HRESULT ControlFrame::Unadvise(DWORD connection) {
  if (ole_advise_ == nullptr) return OLE_E_NOCONNECTION;
  return ole_advise_->Unadvise(connection);
}

HRESULT ControlFrame::EnumAdvise(IEnumSTATDATA** advises) {
  if (advises == nullptr) return E_POINTER;
  *advises = nullptr;
  if (ole_advise_ == nullptr) return S_OK;
  return ole_advise_->EnumAdvise(advises);
}

HRESULT ControlFrame::GetMiscStatus(DWORD, DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = descriptor_.misc_status;
  return S_OK;
}

HRESULT ControlFrame::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// IOleWindow, IOleInPlaceObject, IOleInPlaceObjectWindowless

HRESULT ControlFrame::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = window_;
  return window_ != nullptr ? S_OK : E_FAIL;
}

HRESULT ControlFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT ControlFrame::InPlaceDeactivate() {
  if (in_place_site_ == nullptr) return S_OK;
  UIDeactivate();
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
  ReleaseAndClear(in_place_frame_);
  ReleaseAndClear(in_place_document_);
  // Cleared before the call, so a site that calls back finds the control inactive.
  IOleInPlaceSite* site = in_place_site_;
  IOleInPlaceSiteEx* extended = in_place_site_ex_;
  in_place_site_ = nullptr;
  in_place_site_ex_ = nullptr;
  if (extended != nullptr) {
    extended->OnInPlaceDeactivateEx(TRUE);
    extended->Release();
  } else {
    site->OnInPlaceDeactivate();
  }
  site->Release();
  return S_OK;
}

HRESULT ControlFrame::UIDeactivate() {
  if (!ui_active_) return S_OK;
  ui_active_ = false;
  if (in_place_frame_ != nullptr) in_place_frame_->SetActiveObject(nullptr, nullptr);
  if (in_place_document_ != nullptr) in_place_document_->SetActiveObject(nullptr, nullptr);
  if (in_place_site_ != nullptr) in_place_site_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT ControlFrame::SetObjectRects(LPCRECT position, LPCRECT) {
  if (position == nullptr) return E_POINTER;
  if (window_ != nullptr) {
    SetWindowPos(window_, nullptr, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return S_OK;
}

HRESULT ControlFrame::ReactivateAndUndo() { return E_NOTIMPL; }

HRESULT ControlFrame::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) {
  // Messages reach the control's own window; it is never windowless.
  return E_NOTIMPL;
}

HRESULT ControlFrame::GetDropTarget(IDropTarget** target) {
  if (target != nullptr) *target = nullptr;
  return E_NOTIMPL;
}

// IOleInPlaceActiveObject

HRESULT ControlFrame::TranslateAccelerator(LPMSG) { return S_FALSE; }

HRESULT ControlFrame::OnFrameWindowActivate(BOOL) { return S_OK; }

HRESULT ControlFrame::OnDocWindowActivate(BOOL) { return S_OK; }

HRESULT ControlFrame::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

HRESULT ControlFrame::EnableModeless(BOOL) { return S_OK; }

}  // namespace orvane

// Drawing on request: IViewObjectEx and its ancestors, and the control's picture as data.
#include "control_frame.h"

#include "extent.h"

namespace orvane {
namespace {

RECT ToRect(const RECTL& r) { return {r.left, r.top, r.right, r.bottom}; }

// The control's picture covers its whole rectangle.
constexpr DWORD kViewStatus = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;

bool IsPictureFormat(const FORMATETC& format) {
  return (format.cfFormat == CF_ENHMETAFILE && (format.tymed & TYMED_ENHMF) != 0) ||
         (format.cfFormat == CF_METAFILEPICT && (format.tymed & TYMED_MFPICT) != 0) ||
         (format.cfFormat == CF_BITMAP && (format.tymed & TYMED_GDI) != 0);
}

HRESULT CheckFormat(const FORMATETC* format) {
  if (format == nullptr) return E_POINTER;
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (format->lindex != -1) return DV_E_LINDEX;
  return IsPictureFormat(*format) ? S_OK : DV_E_FORMATETC;
}

}  // namespace

HRESULT ControlFrame::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw_dc,
                           LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                           ULONG_PTR) {
  if (aspect == DVASPECT_TRANSPARENT) return S_OK;  // the picture has no transparent part
  if (aspect != DVASPECT_CONTENT && aspect != DVASPECT_OPAQUE) return DV_E_DVASPECT;
  // Without bounds only a windowless control could draw; this one never is.
  if (draw_dc == nullptr || bounds == nullptr) return E_INVALIDARG;
  DrawContent(draw_dc, ToRect(*bounds));
  return S_OK;
}

HRESULT ControlFrame::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  if (colors != nullptr) *colors = nullptr;
  return S_FALSE;  // no particular palette
}

HRESULT ControlFrame::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }

HRESULT ControlFrame::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT ControlFrame::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  if (sink != nullptr) sink->AddRef();
  if (view_sink_ != nullptr) view_sink_->Release();
  view_sink_ = sink;
  view_aspects_ = sink != nullptr ? aspects : 0;
  view_flags_ = sink != nullptr ? flags : 0;
  if (sink != nullptr && (flags & ADVF_PRIMEFIRST) != 0) ContentChanged();
  return S_OK;
}

HRESULT ControlFrame::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects != nullptr) *aspects = view_aspects_;
  if (flags != nullptr) *flags = view_flags_;
  if (sink != nullptr) {
    *sink = view_sink_;
    if (view_sink_ != nullptr) view_sink_->AddRef();
  }
  return S_OK;
}

HRESULT ControlFrame::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

HRESULT ControlFrame::GetRect(DWORD aspect, LPRECTL rect) {
  if (rect == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *rect = {0, 0, extent_.cx, extent_.cy};
  return S_OK;
}

HRESULT ControlFrame::GetViewStatus(DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = kViewStatus;
  return S_OK;
}

HRESULT ControlFrame::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT point, LONG,
                                    DWORD* result) {
  if (bounds == nullptr || result == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *result = PtInRect(bounds, point) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT ControlFrame::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT rect, LONG,
                                   DWORD* result) {
  if (bounds == nullptr || rect == nullptr || result == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  RECT overlap;
  *result = IntersectRect(&overlap, bounds, rect) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT ControlFrame::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) {
  return E_NOTIMPL;
}

// IDataObject: the picture as an enhanced metafile, a metafile picture or a bitmap, at the
// control's extent.

HRESULT ControlFrame::RenderPicture(const FORMATETC& format, STGMEDIUM& medium) {
  const SIZE pixels = HimetricToPixels(extent_, ScreenPixelsPerInch());
  const RECT bounds = {0, 0, pixels.cx, pixels.cy};
  medium = {};
  if (format.cfFormat == CF_ENHMETAFILE) {
    const RECT frame = {0, 0, extent_.cx, extent_.cy};
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    if (dc == nullptr) return E_OUTOFMEMORY;
    DrawContent(dc, bounds);
    HENHMETAFILE picture = CloseEnhMetaFile(dc);
    if (picture == nullptr) return E_OUTOFMEMORY;
    medium.tymed = TYMED_ENHMF;
    medium.hEnhMetaFile = picture;
    return S_OK;
  }
  if (format.cfFormat == CF_METAFILEPICT) {
    HDC dc = CreateMetaFileW(nullptr);
    if (dc == nullptr) return E_OUTOFMEMORY;
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, pixels.cx, pixels.cy, nullptr);
    DrawContent(dc, bounds);
    HMETAFILE picture = CloseMetaFile(dc);
    if (picture == nullptr) return E_OUTOFMEMORY;
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
    auto* header = global != nullptr ? static_cast<METAFILEPICT*>(GlobalLock(global)) : nullptr;
    if (header == nullptr) {
      if (global != nullptr) GlobalFree(global);
      DeleteMetaFile(picture);
      return E_OUTOFMEMORY;
    }
    *header = {MM_ANISOTROPIC, extent_.cx, extent_.cy, picture};
    GlobalUnlock(global);
    medium.tymed = TYMED_MFPICT;
    medium.hMetaFilePict = global;
    return S_OK;
  }
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, pixels.cx, pixels.cy);
  ReleaseDC(nullptr, screen);
  if (dc == nullptr || bitmap == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    return E_OUTOFMEMORY;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  DrawContent(dc, bounds);
  SelectObject(dc, previous);
  DeleteDC(dc);
  medium.tymed = TYMED_GDI;
  medium.hBitmap = bitmap;
  return S_OK;
}

HRESULT ControlFrame::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (medium == nullptr) return E_POINTER;
  const HRESULT hr = CheckFormat(format);
  if (FAILED(hr)) return hr;
  return RenderPicture(*format, *medium);
}

HRESULT ControlFrame::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT ControlFrame::QueryGetData(FORMATETC* format) { return CheckFormat(format); }

HRESULT ControlFrame::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out == nullptr) return E_POINTER;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT ControlFrame::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT ControlFrame::EnumFormatEtc(DWORD, IEnumFORMATETC** formats) {
  if (formats != nullptr) *formats = nullptr;
  return E_NOTIMPL;
}

HRESULT ControlFrame::DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                              DWORD* connection) {
  if (connection == nullptr) return E_POINTER;
  if (data_advise_ == nullptr) {
    const HRESULT hr = CreateDataAdviseHolder(&data_advise_);
    if (FAILED(hr)) return hr;
  }
  return data_advise_->Advise(this, format, flags, sink, connection);
}

HRESULT ControlFrame::DUnadvise(DWORD connection) {
  if (data_advise_ == nullptr) return OLE_E_NOCONNECTION;
  return data_advise_->Unadvise(connection);
}

HRESULT ControlFrame::EnumDAdvise(IEnumSTATDATA** advises) {
  if (advises == nullptr) return E_POINTER;
  *advises = nullptr;
  if (data_advise_ == nullptr) return S_OK;
  return data_advise_->EnumAdvise(advises);
}

}  // namespace orvane

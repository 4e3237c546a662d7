#include "test_container.h"

#include <algorithm>

namespace orvane::test {
namespace {

constexpr wchar_t kClassName[] = L"OrvaneTestContainer";

ATOM RegisterContainerClass() {
  static ATOM atom = [] {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class);
  }();
  return atom;
}

}  // namespace

TestContainer::TestContainer() {
  RegisterContainerClass();
  window_ = CreateWindowExW(0, kClassName, L"Orvane test container",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 300, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

TestContainer::~TestContainer() {
  if (active_object_ != nullptr) active_object_->Release();
  if (window_ != nullptr) DestroyWindow(window_);
}

bool TestContainer::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

HRESULT TestContainer::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceSiteEx) || IsEqualIID(iid, IID_IOleInPlaceSite) ||
             IsEqualIID(iid, IID_IOleWindow)) {
    *object = static_cast<IOleInPlaceSiteEx*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceFrame) || IsEqualIID(iid, IID_IOleInPlaceUIWindow)) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (IsEqualIID(iid, IID_IAdviseSinkEx) || IsEqualIID(iid, IID_IAdviseSink)) {
    *object = static_cast<IAdviseSinkEx*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

// The container lives on the test's stack; counting shows whether the control let go of it.
ULONG TestContainer::AddRef() { return ++references_; }
ULONG TestContainer::Release() { return --references_; }

HRESULT TestContainer::SaveObject() {
  calls.push_back("SaveObject");
  return S_OK;
}
HRESULT TestContainer::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  *moniker = nullptr;
  return E_NOTIMPL;
}
HRESULT TestContainer::GetContainer(IOleContainer** container) {
  *container = nullptr;
  return E_NOINTERFACE;
}
HRESULT TestContainer::ShowObject() { return S_OK; }
HRESULT TestContainer::OnShowWindow(BOOL) { return S_OK; }
HRESULT TestContainer::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT TestContainer::GetWindow(HWND* window) {
  *window = window_;
  return S_OK;
}
HRESULT TestContainer::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT TestContainer::CanInPlaceActivate() {
  calls.push_back("CanInPlaceActivate");
  return S_OK;
}
HRESULT TestContainer::OnInPlaceActivate() {
  calls.push_back("OnInPlaceActivate");
  return S_OK;
}
HRESULT TestContainer::OnUIActivate() {
  calls.push_back("OnUIActivate");
  return S_OK;
}
HRESULT TestContainer::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                        LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  calls.push_back("GetWindowContext");
  *frame = this;
  AddRef();
  *doc = nullptr;
  *pos = position;
  GetClientRect(window_, clip);
  info->fMDIApp = FALSE;
  info->hwndFrame = window_;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}
HRESULT TestContainer::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT TestContainer::OnUIDeactivate(BOOL) {
  calls.push_back("OnUIDeactivate");
  return S_OK;
}
HRESULT TestContainer::OnInPlaceDeactivate() {
  calls.push_back("OnInPlaceDeactivate");
  return S_OK;
}
HRESULT TestContainer::DiscardUndoState() { return S_OK; }
HRESULT TestContainer::DeactivateAndUndo() { return S_OK; }
HRESULT TestContainer::OnPosRectChange(LPCRECT) { return S_OK; }
HRESULT TestContainer::OnInPlaceActivateEx(BOOL* no_redraw, DWORD flags) {
  calls.push_back("OnInPlaceActivateEx " + std::to_string(flags));
  if (no_redraw != nullptr) *no_redraw = FALSE;
  return S_OK;
}
HRESULT TestContainer::OnInPlaceDeactivateEx(BOOL) {
  calls.push_back("OnInPlaceDeactivateEx");
  return S_OK;
}
HRESULT TestContainer::RequestUIActivate() {
  calls.push_back("RequestUIActivate");
  return S_OK;
}

HRESULT TestContainer::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT TestContainer::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT TestContainer::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
HRESULT TestContainer::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  calls.push_back(object != nullptr ? "SetActiveObject set" : "SetActiveObject cleared");
  if (object != nullptr) object->AddRef();
  if (active_object_ != nullptr) active_object_->Release();
  active_object_ = object;
  return S_OK;
}
HRESULT TestContainer::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT TestContainer::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT TestContainer::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT TestContainer::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT TestContainer::EnableModeless(BOOL) { return S_OK; }
HRESULT TestContainer::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

void TestContainer::OnDataChange(FORMATETC*, STGMEDIUM*) { ++data_changes; }
void TestContainer::OnViewChange(DWORD, LONG) { ++view_changes; }
void TestContainer::OnRename(IMoniker*) {}
void TestContainer::OnSave() {}
void TestContainer::OnClose() { calls.push_back("OnClose"); }
void TestContainer::OnViewStatusChange(DWORD) {}

}  // namespace orvane::test

// A minimal ActiveX container: a real top-level window, a client site, an in-place site (with
// its extended form), an in-place frame, and an advise sink. It records the calls a control
// makes on it, so tests can check the activation protocol.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace orvane::test {

class TestContainer final : public IOleClientSite,
                            public IOleInPlaceSiteEx,
                            public IOleInPlaceFrame,
                            public IAdviseSinkEx {
 public:
  TestContainer();
  TestContainer(const TestContainer&) = delete;
  TestContainer& operator=(const TestContainer&) = delete;
  ~TestContainer();

  HWND Window() const { return window_; }
  // Where the control is placed, in the window's client coordinates.
  RECT position = {10, 20, 170, 40};
  // The calls received, in order ("OnInPlaceActivateEx 0", "SetActiveObject set", ...).
  std::vector<std::string> calls;
  int view_changes = 0;
  int data_changes = 0;
  // References held by others than the test (1 is the test's own).
  ULONG References() const { return references_; }
  bool Called(const std::string& call) const;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

  // IOleWindow (both the site's and the frame's)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

  // IOleInPlaceSite, IOleInPlaceSiteEx
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                             LPRECT position, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(BOOL* no_redraw, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(BOOL no_redraw) override;
  HRESULT STDMETHODCALLTYPE RequestUIActivate() override;

  // IOleInPlaceUIWindow, IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override;

  // IAdviseSink, IAdviseSinkEx
  void STDMETHODCALLTYPE OnDataChange(FORMATETC*, STGMEDIUM*) override;
  void STDMETHODCALLTYPE OnViewChange(DWORD, LONG) override;
  void STDMETHODCALLTYPE OnRename(IMoniker*) override;
  void STDMETHODCALLTYPE OnSave() override;
  void STDMETHODCALLTYPE OnClose() override;
  void STDMETHODCALLTYPE OnViewStatusChange(DWORD) override;

 private:
  HWND window_ = nullptr;
  ULONG references_ = 1;
  IOleInPlaceActiveObject* active_object_ = nullptr;
};

}  // namespace orvane::test

// Each control hosted in a container of our own: in-place activation in a window of its own,
// extent negotiation, drawing on request, persistence through a stream and a storage, its
// picture as data, quick activation, and a clean release.
#include <gtest/gtest.h>

#include <olectl.h>

#include <cstring>
#include <string>
#include <vector>

#include "test_container.h"
#include "test_support.h"

namespace orvane::test {
namespace {

std::string Narrow(const wchar_t* text) { return std::string(text, text + wcslen(text)); }

constexpr DWORD kViewStatus = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;

SIZE ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const SIZE ppi = {GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return ppi;
}

// 160 x 20 pixels for the fixed-size controls, two inches square for ImageAnimate.
SIZEL InitialExtent(const ControlRow& control) {
  if (control.sizable) return {5080, 5080};
  const SIZE ppi = ScreenPixelsPerInch();
  return {160 * 2540 / ppi.cx, 20 * 2540 / ppi.cy};
}

// A 32-bit top-down memory bitmap in a memory device context, filled with one colour.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) bits_[i] = ToPixel(fill);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  ~MemoryCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const DWORD pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  static DWORD ToPixel(COLORREF c) {
    return (DWORD{GetRValue(c)} << 16) | (DWORD{GetGValue(c)} << 8) | GetBValue(c);
  }
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* bits_ = nullptr;
};

std::vector<BYTE> StreamBytes(IStream* stream) {
  STATSTG stat = {};
  stream->Stat(&stat, STATFLAG_NONAME);
  std::vector<BYTE> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  if (!bytes.empty()) stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return bytes;
}

ComPtr<IStream> StreamOf(const std::vector<BYTE>& bytes) {
  ComPtr<IStream> stream;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  ULONG written = 0;
  stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return stream;
}

void PutWord(std::vector<BYTE>& bytes, DWORD value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
}

LONG PropertyOf(IUnknown* control, const wchar_t* name) {
  ComPtr<IDispatch> dispatch;
  control->QueryInterface(IID_PPV_ARGS(&dispatch));
  Variant value;
  Invoke(dispatch.Get(), name, DISPATCH_PROPERTYGET, {}, &value);
  return value.lVal;
}

void SetProperty(IUnknown* control, const wchar_t* name, LONG value) {
  ComPtr<IDispatch> dispatch;
  control->QueryInterface(IID_PPV_ARGS(&dispatch));
  ASSERT_EQ(Invoke(dispatch.Get(), name, DISPATCH_PROPERTYPUT, {Long(value)}), S_OK);
}

SIZEL ExtentOf(IOleObject* object) {
  SIZEL size = {-1, -1};
  object->GetExtent(DVASPECT_CONTENT, &size);
  return size;
}

class Hosting : public ::testing::TestWithParam<ControlRow> {
 protected:
  ComPtr<IOleObject> Create() {
    ComPtr<IOleObject> object;
    CoCreateInstance(GuidOf(GetParam().clsid), nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(&object));
    return object;
  }
  // Every test ends with nothing of the control left: the container is let go of and the
  // DLL may unload.
  void TearDown() override {
    EXPECT_EQ(container_.References(), 1u) << "the control still holds the container";
    EXPECT_EQ(DllCanUnloadNowOf(GetParam()), S_OK);
  }
  TestContainer container_;
};

TEST_P(Hosting, ActivatesInPlaceInAWindowOfItsOwn) {
  const ControlRow& control = GetParam();
  ASSERT_NE(container_.Window(), nullptr);
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  DWORD misc = 0;
  ASSERT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
  EXPECT_EQ(misc, control.misc_status);
  ASSERT_EQ(object->SetClientSite(&container_), S_OK);

  ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &container_, 0, container_.Window(),
                           &container_.position),
            S_OK);
  EXPECT_TRUE(container_.Called("CanInPlaceActivate"));
  EXPECT_TRUE(container_.Called("OnInPlaceActivateEx 0")) << "activated with a window";
  ComPtr<IOleInPlaceObject> in_place;
  ASSERT_EQ(object.As(&in_place), S_OK);
  HWND window = nullptr;
  ASSERT_EQ(in_place->GetWindow(&window), S_OK);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), container_.Window());
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE, 0) << "shown within the container";
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  EXPECT_STRNE(class_name, L"OrvaneTestContainer") << "a window of the control's own";
  RECT placed;
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, container_.Window(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_TRUE(EqualRect(&placed, &container_.position));

  const RECT moved = {30, 40, 230, 100};
  RECT clip;
  GetClientRect(container_.Window(), &clip);
  ASSERT_EQ(in_place->SetObjectRects(&moved, &clip), S_OK);
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, container_.Window(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_TRUE(EqualRect(&placed, &moved));
  // The window paints what the control draws.
  {
    MemoryCanvas canvas(200, 60, RGB(1, 2, 3));
    ASSERT_TRUE(PrintWindow(window, canvas.Dc(), PW_CLIENTONLY));
    const COLORREF corner =
        control.sizable ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_APPWORKSPACE);
    EXPECT_EQ(canvas.At(0, 0), corner);
    EXPECT_EQ(canvas.At(199, 59), corner);
  }

  ASSERT_EQ(
      object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &container_, 0, container_.Window(), &moved),
      S_OK);
  EXPECT_TRUE(container_.Called("OnUIActivate"));
  EXPECT_TRUE(container_.Called("SetActiveObject set"));
  EXPECT_EQ(
      object->DoVerb(OLEIVERB_PROPERTIES, nullptr, &container_, 0, container_.Window(), &moved),
      E_NOTIMPL)
      << "no property pages to show";

  ASSERT_EQ(in_place->InPlaceDeactivate(), S_OK);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(container_.Called("OnUIDeactivate"));
  EXPECT_TRUE(container_.Called("SetActiveObject cleared"));
  EXPECT_TRUE(container_.Called("OnInPlaceDeactivateEx"));
  EXPECT_EQ(in_place->GetWindow(&window), E_FAIL);

  // Activated again, closing deactivates it as well.
  ASSERT_EQ(object->DoVerb(OLEIVERB_SHOW, nullptr, &container_, 0, container_.Window(),
                           &container_.position),
            S_OK);
  ASSERT_EQ(in_place->GetWindow(&window), S_OK);
  ASSERT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_FALSE(IsWindow(window));
  ASSERT_EQ(object->SetClientSite(nullptr), S_OK);
}

TEST_P(Hosting, NegotiatesItsExtent) {
  const ControlRow& control = GetParam();
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  const SIZEL initial = InitialExtent(control);
  SIZEL extent = ExtentOf(object.Get());
  EXPECT_EQ(extent.cx, initial.cx);
  EXPECT_EQ(extent.cy, initial.cy);
  if (!control.sizable && ScreenPixelsPerInch().cx == 96 && ScreenPixelsPerInch().cy == 96) {
    EXPECT_EQ(extent.cx, 4233);
    EXPECT_EQ(extent.cy, 529);
  }

  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(object.As(&persist), S_OK);
  ASSERT_EQ(persist->InitNew(), S_OK);
  SIZEL asked = {8000, 3000};
  const HRESULT hr = object->SetExtent(DVASPECT_CONTENT, &asked);
  extent = ExtentOf(object.Get());
  ComPtr<IViewObject2> view;
  ASSERT_EQ(object.As(&view), S_OK);
  SIZEL view_extent = {};
  ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &view_extent), S_OK);
  if (control.sizable) {
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(extent.cx, 8000);
    EXPECT_EQ(extent.cy, 3000);
    EXPECT_EQ(persist->IsDirty(), S_OK) << "a new extent is a change to save";
  } else {
    EXPECT_EQ(hr, E_FAIL) << "the size is fixed";
    EXPECT_EQ(extent.cx, initial.cx);
    EXPECT_EQ(extent.cy, initial.cy);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    SIZEL same = initial;
    EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &same), S_OK) << "its own extent is fine";
  }
  EXPECT_EQ(view_extent.cx, extent.cx);
  EXPECT_EQ(view_extent.cy, extent.cy);
  EXPECT_EQ(object->SetExtent(DVASPECT_ICON, &asked), DV_E_DVASPECT);

  ComPtr<IQuickActivate> quick;
  ASSERT_EQ(object.As(&quick), S_OK);
  SIZEL content = {};
  ASSERT_EQ(quick->GetContentExtent(&content), S_OK);
  EXPECT_EQ(content.cx, extent.cx);
  SIZEL other = {1000, 1000};
  EXPECT_EQ(quick->SetContentExtent(&other), control.sizable ? S_OK : E_FAIL);

  // A modified control is saved through its site when it is closed.
  ASSERT_EQ(object->SetClientSite(&container_), S_OK);
  ASSERT_EQ(object->Close(OLECLOSE_SAVEIFDIRTY), S_OK);
  EXPECT_EQ(container_.Called("SaveObject"), control.sizable);
  ASSERT_EQ(object->SetClientSite(nullptr), S_OK);
}

TEST_P(Hosting, DrawsIntoTheBoundsItIsGiven) {
  const ControlRow& control = GetParam();
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  ComPtr<IViewObjectEx> view;
  ASSERT_EQ(object.As(&view), S_OK);
  DWORD status = 0;
  ASSERT_EQ(view->GetViewStatus(&status), S_OK);
  EXPECT_EQ(status, kViewStatus);

  // The control's own size at 96 pixels per inch, within a larger canvas.
  constexpr COLORREF kSentinel = RGB(0x56, 0x34, 0x12);
  MemoryCanvas canvas(180, 30, kSentinel);
  const HGDIOBJ pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  const int background_mode = GetBkMode(canvas.Dc());
  const RECTL bounds = {10, 5, 170, 25};
  ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.Dc(), &bounds,
                       nullptr, nullptr, 0),
            S_OK);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), pen) << "the previous pen is restored";
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetBkMode(canvas.Dc()), background_mode);

  // Nothing outside the bounds.
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (x >= 10 && x < 170 && y >= 5 && y < 25) continue;
      ASSERT_EQ(canvas.At(x, y), kSentinel) << x << "," << y;
    }
  }
  if (control.sizable) {
    // ImageAnimate with no frame shows its back colour over all of its bounds.
    const COLORREF back = GetSysColor(COLOR_BTNFACE);
    for (int y = 5; y < 25; ++y) {
      for (int x = 10; x < 170; ++x) ASSERT_EQ(canvas.At(x, y), back) << x << "," << y;
    }
    container_.view_changes = 0;
    ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, 0, &container_), S_OK);
    SetProperty(object.Get(), L"BackColor", RGB(255, 0, 0));
    EXPECT_EQ(container_.view_changes, 1) << "a new back colour changes the view";
    ASSERT_EQ(view->SetAdvise(0, 0, nullptr), S_OK);
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.Dc(), &bounds,
                         nullptr, nullptr, 0),
              S_OK);
    EXPECT_EQ(canvas.At(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(169, 24), RGB(255, 0, 0));
  } else {
    // The design-time picture: a one-pixel outline all round, the fill inside it, and the
    // caption in the middle.
    const COLORREF outline = GetSysColor(COLOR_APPWORKSPACE);
    const COLORREF fill = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int x = 10; x < 170; ++x) {
      ASSERT_EQ(canvas.At(x, 5), outline) << x;
      ASSERT_EQ(canvas.At(x, 24), outline) << x;
    }
    for (int y = 5; y < 25; ++y) {
      ASSERT_EQ(canvas.At(10, y), outline) << y;
      ASSERT_EQ(canvas.At(169, y), outline) << y;
    }
    for (const POINT p : {POINT{11, 6}, POINT{168, 6}, POINT{11, 23}, POINT{168, 23}}) {
      EXPECT_EQ(canvas.At(p.x, p.y), fill) << p.x << "," << p.y;
    }
    int caption_pixels = 0;
    for (int y = 6; y < 24; ++y) {
      for (int x = 11; x < 169; ++x) caption_pixels += canvas.At(x, y) != fill;
    }
    EXPECT_GT(caption_pixels, 20) << "the caption is drawn";
  }

  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.Dc(), nullptr,
                       nullptr, nullptr, 0),
            E_INVALIDARG)
      << "never windowless, so it needs bounds";
  EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, canvas.Dc(), &bounds, nullptr,
                       nullptr, 0),
            DV_E_DVASPECT);
}

TEST_P(Hosting, SavesAndLoadsItsPropertiesThroughAStreamAndAStorage) {
  const ControlRow& control = GetParam();
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(object.As(&persist), S_OK);
  ASSERT_EQ(persist->InitNew(), S_OK);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);

  // The saved bytes: format version 1, the extent, then ImageAnimate's FrameDelay and
  // BackColor, each a little-endian 32-bit word.
  SIZEL extent = InitialExtent(control);
  if (control.sizable) {
    extent = {6000, 2500};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    SetProperty(object.Get(), L"FrameDelay", 250);
    SetProperty(object.Get(), L"BackColor", RGB(0, 255, 0));
  }
  std::vector<BYTE> expected;
  PutWord(expected, 1);
  PutWord(expected, static_cast<DWORD>(extent.cx));
  PutWord(expected, static_cast<DWORD>(extent.cy));
  if (control.sizable) {
    PutWord(expected, 250);
    PutWord(expected, RGB(0, 255, 0));
  }
  ULARGE_INTEGER size_max = {};
  ASSERT_EQ(persist->GetSizeMax(&size_max), S_OK);
  EXPECT_EQ(size_max.QuadPart, expected.size());

  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
  EXPECT_EQ(StreamBytes(stream.Get()), expected);
  EXPECT_EQ(persist->IsDirty(), S_FALSE) << "saved with the dirty flag cleared";

  // Loaded into a new instance.
  {
    ComPtr<IOleObject> copy = Create();
    ComPtr<IPersistStreamInit> copy_persist;
    ASSERT_EQ(copy.As(&copy_persist), S_OK);
    ASSERT_EQ(copy_persist->Load(stream.Get()), S_OK);
    EXPECT_EQ(ExtentOf(copy.Get()).cx, extent.cx);
    EXPECT_EQ(ExtentOf(copy.Get()).cy, extent.cy);
    EXPECT_EQ(copy_persist->IsDirty(), S_FALSE);
    if (control.sizable) {
      EXPECT_EQ(PropertyOf(copy.Get(), L"FrameDelay"), 250);
      EXPECT_EQ(PropertyOf(copy.Get(), L"BackColor"), static_cast<LONG>(RGB(0, 255, 0)));
    }

    // A stream cut short, or of another format, changes nothing.
    std::vector<BYTE> other = expected;
    other[4] = 0x77;  // another extent
    ComPtr<IStream> truncated = StreamOf({other.begin(), other.end() - 1});
    EXPECT_NE(copy_persist->Load(truncated.Get()), S_OK);
    other[0] = 2;
    EXPECT_NE(copy_persist->Load(StreamOf(other).Get()), S_OK);
    EXPECT_EQ(ExtentOf(copy.Get()).cx, extent.cx);

    // A fixed-size control keeps its extent whatever a stream says.
    if (!control.sizable) {
      std::vector<BYTE> larger;
      PutWord(larger, 1);
      PutWord(larger, 9999);
      PutWord(larger, 8888);
      ASSERT_EQ(copy_persist->Load(StreamOf(larger).Get()), S_OK);
      EXPECT_EQ(ExtentOf(copy.Get()).cx, extent.cx);
      EXPECT_EQ(ExtentOf(copy.Get()).cy, extent.cy);
    }
  }

  // Through a storage: the same bytes in its "Contents" stream.
  ComPtr<ILockBytes> bytes;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes), S_OK);
  ComPtr<IStorage> storage;
  ASSERT_EQ(StgCreateDocfileOnILockBytes(
                bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &storage),
            S_OK);
  ComPtr<IPersistStorage> persist_storage;
  ASSERT_EQ(object.As(&persist_storage), S_OK);
  ASSERT_EQ(persist_storage->Save(storage.Get(), FALSE), S_OK);
  ASSERT_EQ(persist_storage->SaveCompleted(nullptr), S_OK);
  ComPtr<IStream> contents;
  ASSERT_EQ(
      storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &contents),
      S_OK);
  EXPECT_EQ(StreamBytes(contents.Get()), expected);
  contents.Reset();

  ComPtr<IOleObject> from_storage = Create();
  ComPtr<IPersistStorage> from_storage_persist;
  ASSERT_EQ(from_storage.As(&from_storage_persist), S_OK);
  ASSERT_EQ(from_storage_persist->Load(storage.Get()), S_OK);
  EXPECT_EQ(ExtentOf(from_storage.Get()).cx, extent.cx);
  if (control.sizable) {
    EXPECT_EQ(PropertyOf(from_storage.Get(), L"FrameDelay"), 250);
  }
  ASSERT_EQ(from_storage_persist->HandsOffStorage(), S_OK);
}

TEST_P(Hosting, HandsOverItsPictureAsData) {
  const ControlRow& control = GetParam();
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  ComPtr<IDataObject> data;
  ASSERT_EQ(object.As(&data), S_OK);
  const SIZEL extent = ExtentOf(object.Get());
  const SIZE ppi = ScreenPixelsPerInch();
  const SIZE pixels = {extent.cx * ppi.cx / 2540, extent.cy * ppi.cy / 2540};

  FORMATETC format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
  EXPECT_EQ(data->QueryGetData(&format), S_OK);
  STGMEDIUM medium = {};
  ASSERT_EQ(data->GetData(&format, &medium), S_OK);
  ASSERT_EQ(medium.tymed, static_cast<DWORD>(TYMED_GDI));
  BITMAP bitmap = {};
  ASSERT_NE(GetObjectW(medium.hBitmap, sizeof(bitmap), &bitmap), 0);
  EXPECT_EQ(bitmap.bmWidth, pixels.cx);
  EXPECT_EQ(bitmap.bmHeight, pixels.cy);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, medium.hBitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0),
            control.sizable ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_APPWORKSPACE));
  SelectObject(dc, previous);
  DeleteDC(dc);
  ReleaseStgMedium(&medium);

  format = {CF_ENHMETAFILE, nullptr, DVASPECT_CONTENT, -1, TYMED_ENHMF};
  ASSERT_EQ(data->GetData(&format, &medium), S_OK);
  ASSERT_EQ(medium.tymed, static_cast<DWORD>(TYMED_ENHMF));
  ENHMETAHEADER header = {};
  ASSERT_NE(GetEnhMetaFileHeader(medium.hEnhMetaFile, sizeof(header), &header), 0u);
  EXPECT_EQ(header.rclFrame.right - header.rclFrame.left, extent.cx);
  EXPECT_GT(header.nRecords, 2u) << "something was drawn";
  ReleaseStgMedium(&medium);

  format = {CF_METAFILEPICT, nullptr, DVASPECT_CONTENT, -1, TYMED_MFPICT};
  ASSERT_EQ(data->GetData(&format, &medium), S_OK);
  ASSERT_EQ(medium.tymed, static_cast<DWORD>(TYMED_MFPICT));
  const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(medium.hMetaFilePict));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
  EXPECT_EQ(picture->xExt, extent.cx);
  EXPECT_EQ(picture->yExt, extent.cy);
  EXPECT_NE(picture->hMF, nullptr);
  GlobalUnlock(medium.hMetaFilePict);
  ReleaseStgMedium(&medium);

  // A data sink hears when the picture changes.
  format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
  DWORD connection = 0;
  ASSERT_EQ(data->DAdvise(&format, ADVF_NODATA, &container_, &connection), S_OK);
  SIZEL larger = {9000, 9000};
  object->SetExtent(DVASPECT_CONTENT, &larger);
  EXPECT_EQ(container_.data_changes, control.sizable ? 1 : 0);
  ASSERT_EQ(data->DUnadvise(connection), S_OK);

  format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_EQ(data->GetData(&format, &medium), DV_E_FORMATETC);
  EXPECT_NE(data->QueryGetData(&format), S_OK);
  format = {CF_BITMAP, nullptr, DVASPECT_ICON, -1, TYMED_GDI};
  EXPECT_EQ(data->GetData(&format, &medium), DV_E_DVASPECT);
}

TEST_P(Hosting, QuickActivatesWithItsStatus) {
  const ControlRow& control = GetParam();
  ComPtr<IOleObject> object = Create();
  ASSERT_TRUE(object);
  ComPtr<IQuickActivate> quick;
  ASSERT_EQ(object.As(&quick), S_OK);
  QACONTAINER site = {};
  site.cbSize = sizeof(site);
  site.pClientSite = &container_;
  site.pAdviseSink = &container_;
  QACONTROL answer = {};
  answer.cbSize = sizeof(answer);
  ASSERT_EQ(quick->QuickActivate(&site, &answer), S_OK);
  EXPECT_EQ(answer.dwMiscStatus, control.misc_status);
  EXPECT_EQ(answer.dwViewStatus, kViewStatus);
  EXPECT_EQ(answer.dwEventCookie, 0u);
  ComPtr<IOleClientSite> client;
  ASSERT_EQ(object->GetClientSite(&client), S_OK);
  EXPECT_EQ(client.Get(), static_cast<IOleClientSite*>(&container_));
  client.Reset();

  container_.view_changes = 0;
  SIZEL larger = {7000, 7000};
  object->SetExtent(DVASPECT_CONTENT, &larger);
  EXPECT_EQ(container_.view_changes, control.sizable ? 1 : 0) << "the view sink hears of it";

  ComPtr<IViewObject> view;
  ASSERT_EQ(object.As(&view), S_OK);
  ASSERT_EQ(view->SetAdvise(0, 0, nullptr), S_OK);
  ASSERT_EQ(object->SetClientSite(nullptr), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Controls, Hosting, ::testing::ValuesIn(BuiltControls()),
                         [](const auto& info) { return Narrow(info.param.deliverable); });

}  // namespace
}  // namespace orvane::test

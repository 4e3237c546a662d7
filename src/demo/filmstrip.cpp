#include "filmstrip.h"

#include <cstdio>

#include "label_font.h"

namespace orvane::demo {
namespace {

using namespace Gdiplus;

constexpr int kGap = 6;
constexpr int kLabelWidth = 230;
constexpr int kTitleHeight = 36;
constexpr int kHeaderHeight = 22;

bool PngEncoder(CLSID& clsid) {
  UINT count = 0, size = 0;
  if (GetImageEncodersSize(&count, &size) != Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (GetImageEncoders(count, size, codecs) != Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

std::wstring PositionText(double position) {
  wchar_t text[32];
  swprintf(text, 32, L"Frame %g", position);
  return text;
}

}  // namespace

bool RenderFilmstrip(AutomationObject& compose, const Filmstrip& filmstrip, const Picture& first,
                     const std::wstring& path, std::vector<std::wstring>& notes) {
  const int columns = static_cast<int>(kFramePositions.size());
  const int rows = static_cast<int>(filmstrip.rows.size());
  const int width = kLabelWidth + columns * (first.width + kGap) + kGap;
  const int height = kTitleHeight + kHeaderHeight + rows * (first.height + kGap) + kGap;
  Bitmap canvas(width, height, PixelFormat32bppRGB);
  Graphics g(&canvas);
  g.SetTextRenderingHint(TextRenderingHintAntiAlias);
  g.Clear(Color(255, 32, 34, 40));

  // Without an installed font family the fonts are invalid and the labels are left out.
  const auto family = LabelFontFamily();
  Font title_font(family.get(), 20, FontStyleBold, UnitPixel);
  Font font(family.get(), 14, FontStyleRegular, UnitPixel);
  SolidBrush white(Color(255, 240, 240, 240));
  SolidBrush grey(Color(255, 170, 170, 180));
  const std::wstring title = std::wstring(L"ImageCompose.") + filmstrip.member;
  g.DrawString(title.c_str(), -1, &title_font, PointF(kGap, 8), &white);
  for (int c = 0; c < columns; ++c) {
    const float x = static_cast<float>(kLabelWidth + kGap + c * (first.width + kGap));
    g.DrawString(PositionText(kFramePositions[c]).c_str(), -1, &font, PointF(x, kTitleHeight + 2),
                 &grey);
  }

  for (int r = 0; r < rows; ++r) {
    const FilmstripRow& row = filmstrip.rows[r];
    const int y = kTitleHeight + kHeaderHeight + r * (first.height + kGap);
    RectF label_box(kGap, static_cast<REAL>(y), kLabelWidth - 2 * kGap,
                    static_cast<REAL>(first.height));
    StringFormat centred;
    centred.SetLineAlignment(StringAlignmentCenter);
    g.DrawString(row.label, -1, &font, label_box, &centred, &white);
    compose.Put(L"TilesWidth", LongArgument(row.tiles_width));
    compose.Put(L"TilesHeight", LongArgument(row.tiles_height));
    for (int c = 0; c < columns; ++c) {
      // The caller's array is rewritten in place; it starts as a copy of the first picture.
      Variant frame(ToImageArray(first));
      const HRESULT hr = compose.Call(
          filmstrip.member,
          {Reference(frame), DoubleArgument(kFramePositions[c]), LongArgument(row.type)});
      const int x = kLabelWidth + kGap + c * (first.width + kGap);
      if (FAILED(hr)) {
        wchar_t note[160];
        swprintf(note, 160, L"%ls(%ls, %g) failed: 0x%08lX", filmstrip.member, row.label,
                 kFramePositions[c], static_cast<unsigned long>(hr));
        notes.push_back(note);
        continue;
      }
      auto cell = ToBitmap(FromImageArray((*frame).parray));
      g.DrawImage(cell.get(), x, y, first.width, first.height);
    }
  }
  compose.Put(L"TilesWidth", LongArgument(0));
  compose.Put(L"TilesHeight", LongArgument(0));

  CLSID png;
  return PngEncoder(png) && canvas.Save(path.c_str(), &png, nullptr) == Ok;
}

}  // namespace orvane::demo

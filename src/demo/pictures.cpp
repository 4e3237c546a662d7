#include "pictures.h"

#include <cstring>

#include "label_font.h"

namespace orvane::demo {
namespace {

using namespace Gdiplus;

// Copies between a GDI+ bitmap (top row first) and a picture (bottom row first).
Picture FromBitmap(Bitmap& bitmap) {
  Picture picture;
  picture.width = static_cast<int>(bitmap.GetWidth());
  picture.height = static_cast<int>(bitmap.GetHeight());
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height * 4, 0);
  Rect all(0, 0, picture.width, picture.height);
  BitmapData data;
  if (bitmap.LockBits(&all, ImageLockModeRead, PixelFormat32bppRGB, &data) != Ok) return {};
  for (int y = 0; y < picture.height; ++y) {
    const auto* source = static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride;
    std::uint8_t* row = picture.pixels.data() +
                        static_cast<std::size_t>(picture.height - 1 - y) * picture.width * 4;
    std::memcpy(row, source, static_cast<std::size_t>(picture.width) * 4);
    for (int x = 0; x < picture.width; ++x) row[x * 4 + 3] = 0;
  }
  bitmap.UnlockBits(&data);
  return picture;
}

void FillCircle(Graphics& g, const Brush& brush, float cx, float cy, float r) {
  g.FillEllipse(&brush, cx - r, cy - r, 2 * r, 2 * r);
}

void DrawLabel(Graphics& g, const wchar_t* text, float x, float y, float size, Color colour) {
  const auto family = LabelFontFamily();
  if (!family) return;
  Font font(family.get(), size, FontStyleBold, UnitPixel);
  SolidBrush shadow(Color(140, 0, 0, 0));
  SolidBrush brush(colour);
  g.DrawString(text, -1, &font, PointF(x + 2, y + 2), &shadow);
  g.DrawString(text, -1, &font, PointF(x, y), &brush);
}

// A sunny landscape: blue sky, a yellow sun, green hills and a red house.
void DrawDay(Graphics& g, float w, float h) {
  LinearGradientBrush sky(PointF(0, 0), PointF(0, h * 0.7f), Color(255, 40, 120, 220),
                          Color(255, 200, 235, 255));
  g.FillRectangle(&sky, 0.0f, 0.0f, w, h);
  SolidBrush glow(Color(255, 255, 170, 30));
  SolidBrush sun(Color(255, 255, 225, 40));
  FillCircle(g, glow, w * 0.78f, h * 0.22f, h * 0.17f);
  FillCircle(g, sun, w * 0.78f, h * 0.22f, h * 0.13f);
  SolidBrush far_hill(Color(255, 90, 180, 70));
  SolidBrush near_hill(Color(255, 40, 140, 40));
  g.FillEllipse(&far_hill, -w * 0.2f, h * 0.55f, w * 0.9f, h * 0.8f);
  g.FillEllipse(&near_hill, w * 0.35f, h * 0.62f, w * 0.95f, h * 0.8f);
  SolidBrush wall(Color(255, 210, 40, 40));
  SolidBrush roof(Color(255, 110, 50, 20));
  SolidBrush window(Color(255, 255, 240, 120));
  SolidBrush door(Color(255, 90, 40, 10));
  const float hx = w * 0.18f, hy = h * 0.55f, hw = w * 0.22f, hh = h * 0.22f;
  g.FillRectangle(&wall, hx, hy, hw, hh);
  PointF gable[] = {PointF(hx - w * 0.02f, hy), PointF(hx + hw / 2, hy - h * 0.16f),
                    PointF(hx + hw + w * 0.02f, hy)};
  g.FillPolygon(&roof, gable, 3);
  g.FillRectangle(&window, hx + hw * 0.12f, hy + hh * 0.2f, hw * 0.28f, hh * 0.3f);
  g.FillRectangle(&door, hx + hw * 0.58f, hy + hh * 0.4f, hw * 0.25f, hh * 0.6f);
  DrawLabel(g, L"DAY", w * 0.04f, h * 0.04f, h * 0.16f, Color(255, 255, 255, 255));
}

// A night over the mountains: a deep violet sky, a crescent moon, stars and a lake.
void DrawNight(Graphics& g, float w, float h) {
  LinearGradientBrush sky(PointF(0, 0), PointF(0, h), Color(255, 10, 10, 60),
                          Color(255, 120, 30, 120));
  g.FillRectangle(&sky, 0.0f, 0.0f, w, h);
  SolidBrush star(Color(255, 255, 255, 200));
  unsigned seed = 12345;
  for (int i = 0; i < 40; ++i) {
    seed = seed * 1103515245u + 12345u;
    const float x = static_cast<float>((seed >> 8) % 1000) / 1000.0f * w;
    seed = seed * 1103515245u + 12345u;
    const float y = static_cast<float>((seed >> 8) % 1000) / 1000.0f * h * 0.55f;
    FillCircle(g, star, x, y, 1.0f + static_cast<float>(i % 3) * 0.5f);
  }
  SolidBrush moon(Color(255, 250, 245, 200));
  SolidBrush shade(Color(255, 25, 15, 70));
  FillCircle(g, moon, w * 0.25f, h * 0.25f, h * 0.14f);
  FillCircle(g, shade, w * 0.25f + h * 0.07f, h * 0.22f, h * 0.12f);
  SolidBrush mountains(Color(255, 60, 20, 80));
  PointF ridge[] = {PointF(0, h * 0.75f),         PointF(w * 0.2f, h * 0.45f),
                    PointF(w * 0.35f, h * 0.6f),  PointF(w * 0.55f, h * 0.35f),
                    PointF(w * 0.75f, h * 0.58f), PointF(w * 0.9f, h * 0.48f),
                    PointF(w, h * 0.62f),         PointF(w, h * 0.75f)};
  g.FillPolygon(&mountains, ridge, 8);
  LinearGradientBrush lake(PointF(0, h * 0.75f), PointF(0, h), Color(255, 0, 170, 200),
                           Color(255, 0, 60, 110));
  g.FillRectangle(&lake, 0.0f, h * 0.75f, w, h * 0.25f);
  SolidBrush glint(Color(255, 255, 250, 210));
  g.FillRectangle(&glint, w * 0.2f, h * 0.8f, w * 0.1f, h * 0.015f);
  g.FillRectangle(&glint, w * 0.23f, h * 0.86f, w * 0.05f, h * 0.015f);
  DrawLabel(g, L"NIGHT", w * 0.55f, h * 0.8f, h * 0.13f, Color(255, 255, 220, 60));
}

}  // namespace

Picture SamplePicture(Sample sample, int width, int height) {
  Bitmap bitmap(width, height, PixelFormat32bppRGB);
  {
    Graphics g(&bitmap);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    if (sample == Sample::kDay) {
      DrawDay(g, w, h);
    } else {
      DrawNight(g, w, h);
    }
  }
  return FromBitmap(bitmap);
}

SIZE PictureFileSize(const std::wstring& path) {
  Bitmap file(path.c_str());
  if (file.GetLastStatus() != Ok) return {0, 0};
  return {static_cast<LONG>(file.GetWidth()), static_cast<LONG>(file.GetHeight())};
}

bool LoadPicture(const std::wstring& path, int width, int height, Picture& picture) {
  Bitmap file(path.c_str());
  if (file.GetLastStatus() != Ok || file.GetWidth() == 0 || file.GetHeight() == 0) return false;
  Bitmap scaled(width, height, PixelFormat32bppRGB);
  {
    Graphics g(&scaled);
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.DrawImage(&file, 0, 0, width, height);
  }
  picture = FromBitmap(scaled);
  return picture.width == width;
}

SAFEARRAY* ToImageArray(const Picture& picture) {
  SAFEARRAYBOUND bounds[3] = {
      {4, 0}, {static_cast<ULONG>(picture.width), 0}, {static_cast<ULONG>(picture.height), 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 3, bounds);
  if (array != nullptr) std::memcpy(array->pvData, picture.pixels.data(), picture.pixels.size());
  return array;
}

Picture FromImageArray(SAFEARRAY* array) {
  LONG lower = 0, upper = 0;
  if (array == nullptr || SafeArrayGetDim(array) != 3) return {};
  Picture picture;
  SafeArrayGetLBound(array, 2, &lower);
  SafeArrayGetUBound(array, 2, &upper);
  picture.width = upper - lower + 1;
  SafeArrayGetLBound(array, 3, &lower);
  SafeArrayGetUBound(array, 3, &upper);
  picture.height = upper - lower + 1;
  const auto* bytes = static_cast<const std::uint8_t*>(array->pvData);
  picture.pixels.assign(bytes,
                        bytes + static_cast<std::size_t>(picture.width) * picture.height * 4);
  return picture;
}

std::unique_ptr<Bitmap> ToBitmap(const Picture& picture) {
  auto bitmap = std::make_unique<Bitmap>(picture.width, picture.height, PixelFormat32bppRGB);
  Rect all(0, 0, picture.width, picture.height);
  BitmapData data;
  if (bitmap->LockBits(&all, ImageLockModeWrite, PixelFormat32bppRGB, &data) != Ok) return bitmap;
  for (int y = 0; y < picture.height; ++y) {
    auto* target = static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride;
    std::memcpy(target,
                picture.pixels.data() +
                    static_cast<std::size_t>(picture.height - 1 - y) * picture.width * 4,
                static_cast<std::size_t>(picture.width) * 4);
  }
  bitmap->UnlockBits(&data);
  return bitmap;
}

}  // namespace orvane::demo

// Every effect member of ImageCompose, called late-bound as a script calls it, renders exactly
// the frame the composer engine renders for the same images, tiles, position and type; and
// every type value plus one on each side of its enumeration is accepted.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "composer_state.h"
#include "diffuse.h"
#include "effect_frame.h"
#include "fade.h"
#include "mosaic.h"
#include "push.h"
#include "rotate.h"
#include "slide.h"
#include "stretch.h"
#include "test_support.h"
#include "wipe.h"

namespace orvane::test {
namespace {

using compose::EffectFrame;

constexpr int kWidth = 23;
constexpr int kHeight = 17;
constexpr int kTilesWidth = 7;
constexpr int kTilesHeight = 5;

std::uint8_t FirstByte(int x, int y, int c) {
  return static_cast<std::uint8_t>(x * 11 + y * 3 + c * 70);
}
std::uint8_t LastByte(int x, int y, int c) {
  return static_cast<std::uint8_t>(255 - x * 5 - y * 13 + c * 40);
}
std::uint8_t CallerByte(int x, int y, int c) { return static_cast<std::uint8_t>(x ^ y ^ (c * 51)); }

std::string Narrow(const wchar_t* ascii) {
  std::string text;
  for (; *ascii != 0; ++ascii) text += static_cast<char>(*ascii);
  return text;
}

struct EffectRow {
  const wchar_t* member;
  int first_type;  // the enumeration's values run from first_type to last_type
  int last_type;
  void (*render)(const EffectFrame&, int);
};

const EffectRow kEffects[] = {
    {L"Fade", 0, 13, compose::Fade},
    {L"Mosaic", 1, 19, compose::Mosaic},
    {L"Rotate", 0, 3, compose::Rotate},
    {L"WipeDoor", 0, 5, compose::WipeDoor},
    {L"WipeStrips", 0, 1, compose::WipeStrips},
    {L"WipeSide", 0, 7, compose::WipeSide},
    {L"WipeCenter", 0, 7, compose::WipeCenter},
    {L"SlideDoor", 0, 5, compose::SlideDoor},
    {L"SlideStrips", 0, 1, compose::SlideStrips},
    {L"SlideSide", 0, 7, compose::SlideSide},
    {L"SlideCenter", 0, 7, compose::SlideCenter},
    {L"PushDoor", 0, 5, compose::PushDoor},
    {L"PushStrips", 0, 1, compose::PushStrips},
    {L"PushSide", 0, 7, compose::PushSide},
    {L"StretchDoor", 0, 5, compose::StretchDoor},
    {L"StretchStrips", 0, 1, compose::StretchStrips},
    {L"StretchSide", 0, 7, compose::StretchSide},
    {L"StretchCenter", 0, 7, compose::StretchCenter},
};

// A composer control holding the two test images with tiles of 7 x 5.
class ComposeControl {
 public:
  ComposeControl() : object_(CreateByProgId(L"OrvaneImageCompose.ImageCompose")) {
    if (!object_) return;
    SetImage(L"SetFirstImage", FirstByte);
    SetImage(L"SetLastImage", LastByte);
    Invoke(object_.Get(), L"TilesWidth", DISPATCH_PROPERTYPUT, {Long(kTilesWidth)});
    Invoke(object_.Get(), L"TilesHeight", DISPATCH_PROPERTYPUT, {Long(kTilesHeight)});
  }

  IDispatch* Get() const { return object_.Get(); }

  // Calls `member` on a fresh caller's image held in a script-like variable; the image after
  // the call.
  std::vector<std::uint8_t> Render(const wchar_t* member, double frame, int type,
                                   HRESULT* hr) const {
    Variant image;
    image.vt = VT_ARRAY | VT_UI1;
    image.parray = MakeImage(kWidth, kHeight, CallerByte);
    SAFEARRAY* const passed = image.parray;
    *hr =
        Invoke(object_.Get(), member, DISPATCH_METHOD, {RefTo(&image), Double(frame), Long(type)});
    EXPECT_EQ(image.parray, passed) << "the caller's array is written in place, never replaced";
    return std::vector<std::uint8_t>(Bytes(image.parray),
                                     Bytes(image.parray) + kWidth * kHeight * 4);
  }

 private:
  void SetImage(const wchar_t* member, std::uint8_t (*value)(int, int, int)) {
    Variant image;
    image.vt = VT_ARRAY | VT_UI1;
    image.parray = MakeImage(kWidth, kHeight, value);
    Invoke(object_.Get(), member, DISPATCH_METHOD, {RefTo(&image)});
  }

  ComPtr<IDispatch> object_;
};

// The same frame straight from the engine.
std::vector<std::uint8_t> EngineFrame(void (*render)(const EffectFrame&, int), double frame,
                                      int type) {
  auto image_bytes = [](std::uint8_t (*value)(int, int, int)) {
    std::vector<std::uint8_t> bytes(kWidth * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        for (int c = 0; c < 4; ++c) bytes[(y * kWidth + x) * 4 + c] = value(x, y, c);
      }
    }
    return bytes;
  };
  const auto first = image_bytes(FirstByte), last = image_bytes(LastByte);
  compose::ComposerState state;
  state.AcceptImage(compose::ImageSlot::kFirst, first.data(), 4, kWidth, kHeight);
  state.AcceptImage(compose::ImageSlot::kLast, last.data(), 4, kWidth, kHeight);
  state.SetTilesWidth(kTilesWidth);
  state.SetTilesHeight(kTilesHeight);
  auto out = image_bytes(CallerByte);
  if (auto f = compose::EffectPrologue(state, ImageView{out.data(), kWidth, kHeight}, 4, frame)) {
    render(*f, type);
  }
  return out;
}

TEST(ComposeEffects, EveryMemberRendersTheEngineFrameForEveryType) {
  const ComposeControl control;
  ASSERT_NE(control.Get(), nullptr);
  for (const EffectRow& row : kEffects) {
    for (int type = row.first_type - 1; type <= row.last_type + 1; ++type) {
      for (double frame : {0.0, 41.7, 99.99}) {
        HRESULT hr = E_FAIL;
        const auto rendered = control.Render(row.member, frame, type, &hr);
        ASSERT_EQ(hr, S_OK) << Narrow(row.member) << " type " << type;
        ASSERT_EQ(rendered, EngineFrame(row.render, frame, type))
            << Narrow(row.member) << " type " << type << " frame " << frame;
      }
    }
  }
}

// Diffuse draws at random: each pixel shows the first or the last image's colour, the fourth
// byte stays the caller's, and the types without a straight direction show the first image.
TEST(ComposeEffects, DiffuseShowsEitherImageAndOnlyTheFirstForDiagonals) {
  const ComposeControl control;
  ASSERT_NE(control.Get(), nullptr);
  for (int type = -1; type <= 8; ++type) {
    HRESULT hr = E_FAIL;
    const auto rendered = control.Render(L"Diffuse", 41.7, type, &hr);
    ASSERT_EQ(hr, S_OK);
    const bool straight = type >= 0 && type <= 3;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const std::uint8_t* pixel = &rendered[(y * kWidth + x) * 4];
        bool is_first = true, is_last = true;
        for (int c = 0; c < 3; ++c) {
          is_first = is_first && pixel[c] == FirstByte(x, y, c);
          is_last = is_last && pixel[c] == LastByte(x, y, c);
        }
        ASSERT_TRUE(straight ? is_first || is_last : is_first)
            << "type " << type << " at " << x << ", " << y;
        ASSERT_EQ(pixel[3], CallerByte(x, y, 3));
      }
    }
  }
}

}  // namespace
}  // namespace orvane::test

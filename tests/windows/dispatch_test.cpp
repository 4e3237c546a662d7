// Late-bound calls the way scripts and the demo make them: IDispatch by name and by DISPID,
// with images passed as references to variants holding byte arrays.
#include <gtest/gtest.h>

#include "test_support.h"

namespace orvane::test {
namespace {

constexpr WORD kMethod = DISPATCH_METHOD;
// What a script engine passes when it cannot tell a method from a property read.
constexpr WORD kMethodOrGet = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// A variable holding a byte array, as a script keeps one.
struct ImageVariable : Variant {
  explicit ImageVariable(SAFEARRAY* image) {
    vt = VT_ARRAY | VT_UI1;
    parray = image;
  }
};

SAFEARRAY* Uniform(int width, int height, std::uint8_t colour, std::uint8_t fourth) {
  return MakeImage(width, height, [&](int, int, int c) { return c == 3 ? fourth : colour; });
}

class ComposeDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    compose_ = CreateByProgId(L"OrvaneImageCompose.ImageCompose");
    ASSERT_TRUE(compose_);
  }
  ComPtr<IDispatch> compose_;
};

TEST_F(ComposeDispatch, NamesMapToTheirDispIds) {
  const struct {
    const wchar_t* name;
    DISPID id;
  } names[] = {{L"SetFirstImage", 1},  {L"SetLastImage", 2}, {L"TilesWidth", 3},
               {L"TilesHeight", 4},    {L"Fade", 5},         {L"Mosaic", 6},
               {L"StretchCenter", 23}, {L"fade", 5}};
  for (const auto& n : names) EXPECT_EQ(DispIdOf(compose_.Get(), n.name), n.id);
  DISPID id = 0;
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Blend")};
  EXPECT_EQ(compose_->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
}

TEST_F(ComposeDispatch, TilePropertiesByNameAndByDispId) {
  ASSERT_EQ(Invoke(compose_.Get(), L"TilesWidth", DISPATCH_PROPERTYPUT, {Long(16)}), S_OK);
  ASSERT_EQ(Invoke(compose_.Get(), 4, DISPATCH_PROPERTYPUT, {Long(-5)}), S_OK);
  Variant width, height;
  ASSERT_EQ(Invoke(compose_.Get(), 3, kMethodOrGet, {}, &width), S_OK);
  ASSERT_EQ(Invoke(compose_.Get(), L"TilesHeight", DISPATCH_PROPERTYGET, {}, &height), S_OK);
  EXPECT_TRUE(width.vt == VT_INT || width.vt == VT_I4) << width.vt;
  EXPECT_EQ(width.intVal, 16);
  EXPECT_EQ(height.intVal, -5) << "stored unchanged";
}

// The images go in as a script passes its variables (references to variants), the frame is
// rendered into the caller's array in place: same array, same bounds, fourth bytes kept.
TEST_F(ComposeDispatch, FadeRendersIntoTheScriptsArrayInPlace) {
  ImageVariable first(Uniform(6, 4, 200, 11));
  ImageVariable last(Uniform(6, 4, 100, 22));
  ASSERT_EQ(Invoke(compose_.Get(), L"SetFirstImage", kMethod, {RefTo(&first)}), S_OK);
  ASSERT_EQ(Invoke(compose_.Get(), 2, kMethodOrGet, {RefTo(&last)}), S_OK);

  ImageVariable frame(Uniform(6, 4, 0, 77));
  SAFEARRAY* const array = frame.parray;
  ASSERT_EQ(Invoke(compose_.Get(), L"Fade", kMethod, {RefTo(&frame), Double(50.0), Long(0)}), S_OK);
  EXPECT_EQ(frame.vt, VT_ARRAY | VT_UI1);
  EXPECT_EQ(frame.parray, array) << "the array is written in place, never replaced";
  for (int i = 0; i < 6 * 4; ++i) {
    const std::uint8_t* pixel = Bytes(array) + i * 4;
    ASSERT_EQ(pixel[0], 150) << "pixel " << i;  // 0.5 x 100 + 0.5 x 200
    ASSERT_EQ(pixel[1], 150);
    ASSERT_EQ(pixel[2], 150);
    ASSERT_EQ(pixel[3], 77) << "the fourth byte keeps the caller's value";
  }

  // The held images are copies: the caller's arrays may change or go.
  Bytes(first.parray)[0] = 0;
  ASSERT_EQ(Invoke(compose_.Get(), 5, kMethod, {RefTo(&frame), Double(0.0), Long(0)}), S_OK);
  EXPECT_EQ(Bytes(array)[0], 200);
  EXPECT_EQ(Bytes(array)[3], 11) << "position 0 copies the whole first image";
}

TEST_F(ComposeDispatch, AcceptsArraysByReferenceAndByValue) {
  SAFEARRAY* first = Uniform(2, 2, 0, 0);
  SAFEARRAY* last = Uniform(2, 2, 255, 0);
  VARIANT by_reference;
  VariantInit(&by_reference);
  by_reference.vt = VT_BYREF | VT_ARRAY | VT_UI1;
  by_reference.pparray = &first;
  ASSERT_EQ(Invoke(compose_.Get(), L"SetFirstImage", kMethod, {by_reference}), S_OK);
  ImageVariable by_value(last);
  ASSERT_EQ(Invoke(compose_.Get(), L"SetLastImage", kMethod, {by_value}), S_OK);
  ImageVariable frame(Uniform(2, 2, 9, 0));
  ASSERT_EQ(Invoke(compose_.Get(), L"Fade", kMethod, {frame, Double(100.0), Long(0)}), S_OK);
  EXPECT_EQ(Bytes(frame.parray)[0], 255);
  SafeArrayDestroy(first);
}

// A script variable that holds nothing is a missing image: the call succeeds, changes nothing,
// and leaves the variable empty.
TEST_F(ComposeDispatch, AnEmptyVariableIsAMissingImage) {
  Variant empty;
  ASSERT_EQ(Invoke(compose_.Get(), L"Fade", kMethod, {RefTo(&empty), Double(50.0), Long(0)}), S_OK);
  EXPECT_EQ(empty.vt, VT_EMPTY);
  ASSERT_EQ(Invoke(compose_.Get(), L"SetFirstImage", kMethod, {RefTo(&empty)}), S_OK);
  EXPECT_EQ(empty.vt, VT_EMPTY);
}

// A variable holding something that is no byte array still meets the type check.
TEST_F(ComposeDispatch, OtherVariablesAreATypeMismatch) {
  Variant text;
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(L"picture");
  EXPECT_EQ(Invoke(compose_.Get(), L"SetFirstImage", kMethod, {RefTo(&text)}), DISP_E_TYPEMISMATCH);
}

// An [out] image reached through a variable that has not been used yet: the call gets through
// to the member (whatever the member then answers), and a variable that received no array is
// left empty.
TEST(OutImageDispatch, AnEmptyVariableReachesAnOutImage) {
  ComPtr<IDispatch> clipboard = CreateByProgId(L"OrvaneImageClipboard.ImageClipboard");
  ASSERT_TRUE(clipboard);
  Variant image, success;
  EXCEPINFO exception = {};
  const HRESULT hr =
      Invoke(clipboard.Get(), L"GetImage", kMethod, {RefTo(&image)}, &success, &exception);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  EXPECT_NE(hr, DISP_E_TYPEMISMATCH);
  EXPECT_NE(hr, DISP_E_BADVARTYPE);
  EXPECT_TRUE(image.vt == VT_EMPTY || image.vt == (VT_ARRAY | VT_UI1)) << image.vt;
  if (image.vt == VT_EMPTY) {
    EXPECT_EQ(image.parray, nullptr);
  }
}

}  // namespace
}  // namespace orvane::test

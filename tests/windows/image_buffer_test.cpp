#include "image_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace orvane {
namespace {

// A safe array with the given element type and bounds (dimension 1 first), filled 0, 1, 2, ...
SAFEARRAY* MakeArray(VARTYPE type, std::vector<SAFEARRAYBOUND> bounds) {
  SAFEARRAY* array = SafeArrayCreate(type, static_cast<UINT>(bounds.size()), bounds.data());
  const UINT element = SafeArrayGetElemsize(array);
  std::size_t count = 1;
  for (const auto& b : bounds) count *= b.cElements;
  auto* bytes = static_cast<std::uint8_t*>(array->pvData);
  for (std::size_t i = 0; i < count * element; ++i) bytes[i] = static_cast<std::uint8_t>(i);
  return array;
}

SAFEARRAY* MakeImage(int channels, int width, int height, LONG lower = 0) {
  return MakeArray(VT_UI1, {{static_cast<ULONG>(channels), lower},
                            {static_cast<ULONG>(width), lower},
                            {static_cast<ULONG>(height), lower}});
}

// An object that only counts how often it is released.
struct ReleaseCounter : IUnknown {
  int releases = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return ++releases, 1; }
};

struct ViewCase {
  const char* name;
  SAFEARRAY* array;
  bool readable;
  ImageBufferExtents extents;
};

TEST(ImageBufferView, ReadsExtentsFromBoundsAndRefusesWhatIsNoByteCube) {
  const ViewCase cases[] = {
      {"4 x 5 x 3", MakeImage(4, 5, 3), true, {4, 5, 3}},
      {"lower bounds 1", MakeImage(4, 5, 3, 1), true, {4, 5, 3}},
      {"lower bounds -7", MakeImage(4, 2, 2, -7), true, {4, 2, 2}},
      {"3 channels", MakeImage(3, 5, 3), true, {3, 5, 3}},
      {"1 x N", MakeImage(4, 1, 6), true, {4, 1, 6}},
      {"2-D", MakeArray(VT_UI1, {{4, 0}, {20, 0}}), false, {}},
      {"VT_UI2", MakeArray(VT_UI2, {{4, 0}, {5, 0}, {3, 0}}), false, {}},
      {"VT_I1 is not VT_UI1", MakeArray(VT_I1, {{4, 0}, {5, 0}, {3, 0}}), false, {}},
      {"no array", nullptr, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SAFEARRAY* array = c.array;
    ImageBufferExtents extents{9, 9, 9};
    std::uint8_t* data = ImageBufferView(&array, extents);
    EXPECT_EQ(data != nullptr, c.readable);
    if (c.readable) {
      EXPECT_EQ(data, array->pvData);
    }
    EXPECT_EQ(extents.channels, c.extents.channels);
    EXPECT_EQ(extents.width, c.extents.width);
    EXPECT_EQ(extents.height, c.extents.height);
    EXPECT_EQ(array, c.array) << "the view never replaces the array";
    if (array) SafeArrayDestroy(array);
  }
  ImageBufferExtents untouched{9, 9, 9};
  EXPECT_EQ(ImageBufferView(nullptr, untouched), nullptr);
  EXPECT_EQ(untouched.width, 9) << "a null parameter is refused before anything is set";
}

TEST(ImageBufferCopy, CopiesBytesOrEmptiesTheSlotButKeepsItForANullParameter) {
  std::vector<std::uint8_t> slot = {1, 2, 3};
  ImageBufferExtents extents;
  EXPECT_EQ(ImageBufferCopy(nullptr, extents, slot), CopyNoArgument);
  EXPECT_EQ(slot, (std::vector<std::uint8_t>{1, 2, 3}));

  SAFEARRAY* image = MakeImage(4, 3, 2, 1);
  EXPECT_EQ(ImageBufferCopy(&image, extents, slot), CopyOk);
  ASSERT_EQ(slot.size(), 24u);
  EXPECT_EQ(std::vector<std::uint8_t>(static_cast<std::uint8_t*>(image->pvData),
                                      static_cast<std::uint8_t*>(image->pvData) + 24),
            slot);
  EXPECT_EQ(extents.width, 3);
  EXPECT_EQ(extents.height, 2);
  SafeArrayDestroy(image);

  SAFEARRAY* bad = MakeArray(VT_UI2, {{4, 0}, {3, 0}, {2, 0}});
  EXPECT_EQ(ImageBufferCopy(&bad, extents, slot), CopyBadArray);
  EXPECT_TRUE(slot.empty());
  EXPECT_EQ(extents.width, 0);
  SafeArrayDestroy(bad);
}

TEST(ImageBufferCreate, StoresANewZeroBasedArrayAndDestroysTheOldOneOnce) {
  const std::vector<std::uint8_t> pixels = {10, 20, 30, 40, 11, 21, 31, 41,
                                            12, 22, 32, 42, 13, 23, 33, 43};
  // The array the parameter already holds has one element that counts its releases: the
  // array is destroyed exactly when that element is released, once.
  ReleaseCounter counter;
  SAFEARRAYBOUND one = {1, 0};
  SAFEARRAY* old = SafeArrayCreate(VT_UNKNOWN, 1, &one);
  LONG index = 0;
  SafeArrayPutElement(old, &index, static_cast<IUnknown*>(&counter));
  counter.releases = 0;
  SAFEARRAY* out = old;
  ASSERT_TRUE(ImageBufferCreate(&out, 2, 2, pixels.data()));
  EXPECT_EQ(counter.releases, 1);
  ASSERT_NE(out, nullptr);
  LONG lower = -1, upper = -1;
  for (UINT dim = 1; dim <= 3; ++dim) {
    SafeArrayGetLBound(out, dim, &lower);
    SafeArrayGetUBound(out, dim, &upper);
    EXPECT_EQ(lower, 0) << "dimension " << dim;
    EXPECT_EQ(upper, dim == 1 ? 3 : 1) << "dimension " << dim;
  }
  VARTYPE type = VT_EMPTY;
  SafeArrayGetVartype(out, &type);
  EXPECT_EQ(type, VT_UI1);
  EXPECT_EQ(0, std::memcmp(out->pvData, pixels.data(), pixels.size()));
  SafeArrayDestroy(out);

  SAFEARRAY* empty = nullptr;
  EXPECT_TRUE(ImageBufferCreate(&empty, 2, 2, pixels.data()));
  SafeArrayDestroy(empty);
  EXPECT_FALSE(ImageBufferCreate(nullptr, 2, 2, pixels.data()));
  SAFEARRAY* kept = nullptr;
  EXPECT_FALSE(ImageBufferCreate(&kept, 2, 2, nullptr));
}

}  // namespace
}  // namespace orvane

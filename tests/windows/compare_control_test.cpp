// ImageCompare through COM: its options and presets read back late-bound, the comparison and
// the difference image with real safe arrays, the refusals, and the members' pointer handling
// called straight through the vtable at the slots the type library gives.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "comparer.h"
#include "test_support.h"

namespace orvane::test {
namespace {

// An array of `type` elements, `channels` x `width` x `height`, every lower bound `lower`, its
// bytes from `value(x, y, c)` (for VT_UI1; other types stay zero).
template <class Fn>
SAFEARRAY* MakeCube(VARTYPE type, int channels, int width, int height, LONG lower, Fn&& value) {
  SAFEARRAYBOUND bounds[3] = {{static_cast<ULONG>(channels), lower},
                              {static_cast<ULONG>(width), lower},
                              {static_cast<ULONG>(height), lower}};
  SAFEARRAY* array = SafeArrayCreate(type, 3, bounds);
  if (array != nullptr && type == VT_UI1) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        for (int c = 0; c < channels; ++c) {
          Bytes(array)[(y * width + x) * channels + c] = value(x, y, c);
        }
      }
    }
  }
  return array;
}

std::uint8_t Grey(int, int, int c) { return c == 3 ? 0 : 100; }

std::vector<std::uint8_t> RandomBytes(int width, int height, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width) * height * 4);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  return bytes;
}

SAFEARRAY* ImageOf(const std::vector<std::uint8_t>& bytes, int width, int height) {
  return MakeImage(width, height,
                   [&](int x, int y, int c) { return bytes[(y * width + x) * 4 + c]; });
}

// A variable holding an array, as a script keeps one; it destroys what it holds at the end.
struct ArrayVariable : Variant {
  explicit ArrayVariable(SAFEARRAY* array) {
    vt = VT_ARRAY | VT_UI1;
    parray = array;
  }
};

// An object that only counts how often it is released: an array holding it is destroyed
// exactly when it is released.
struct ReleaseCounter : IUnknown {
  int releases = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return ++releases, 1; }
};

// A one-element VT_UNKNOWN array holding `counter`, to stand in an [out] parameter.
SAFEARRAY* CountingArray(ReleaseCounter& counter) {
  SAFEARRAYBOUND one = {1, 0};
  SAFEARRAY* array = SafeArrayCreate(VT_UNKNOWN, 1, &one);
  LONG index = 0;
  SafeArrayPutElement(array, &index, static_cast<IUnknown*>(&counter));
  counter.releases = 0;
  return array;
}

// A VARIANT for a vtable argument: the value sits in the union, the rest of it zero.
template <class Set>
VARIANT Argument(VARTYPE type, Set&& set) {
  VARIANT v;
  std::memset(&v, 0, sizeof v);
  v.vt = type;
  set(v);
  return v;
}

struct Options {
  VARIANT_BOOL borders, colors, sizes, smooth, noise, maximals;
  double level;
  bool operator==(const Options&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Options& o) {
  return os << o.borders << " " << o.colors << " " << o.sizes << " " << o.smooth << " " << o.noise
            << " " << o.maximals << " " << o.level;
}

constexpr VARIANT_BOOL T = VARIANT_TRUE;
constexpr VARIANT_BOOL F = VARIANT_FALSE;

class CompareControl : public ::testing::Test {
 protected:
  void SetUp() override {
    object_ = CreateByProgId(L"OrvaneImageCompare.ImageCompare");
    ASSERT_TRUE(object_);
  }

  IDispatch* Get() const { return object_.Get(); }

  Options Read() const {
    return {Flag(L"CheckBorders"),
            Flag(L"CheckColors"),
            Flag(L"CheckSizes"),
            Flag(L"CheckSmooth"),
            Flag(L"CheckNoise"),
            Flag(L"CheckMaximals"),
            Level()};
  }

  VARIANT_BOOL Flag(const wchar_t* name) const {
    Variant value;
    EXPECT_EQ(Invoke(Get(), name, DISPATCH_PROPERTYGET, {}, &value), S_OK);
    EXPECT_EQ(value.vt, VT_BOOL);
    return value.boolVal;
  }

  double Level() const {
    Variant value;
    EXPECT_EQ(Invoke(Get(), L"CheckLevel", DISPATCH_PROPERTYGET, {}, &value), S_OK);
    EXPECT_EQ(value.vt, VT_R8);
    return value.dblVal;
  }

  void PutFlag(const wchar_t* name, VARIANT_BOOL value) const {
    EXPECT_EQ(Invoke(Get(), name, DISPATCH_PROPERTYPUT,
                     {Argument(VT_BOOL, [&](VARIANT& v) { v.boolVal = value; })}),
              S_OK);
  }

  void Preset(LONG type) const {
    EXPECT_EQ(Invoke(Get(), L"Preset", DISPATCH_METHOD, {Long(type)}), S_OK);
  }

  // Compare late-bound, each image passed as a reference to a script's variable.
  VARIANT_BOOL Compare(SAFEARRAY* image1, SAFEARRAY* image2) const {
    ArrayVariable first(image1), second(image2);
    Variant equal;
    EXPECT_EQ(Invoke(Get(), L"Compare", DISPATCH_METHOD, {RefTo(&first), RefTo(&second)}, &equal),
              S_OK);
    EXPECT_EQ(equal.vt, VT_BOOL);
    return equal.boolVal;
  }

  // GetDifference late-bound; the difference lands in `difference`.
  VARIANT_BOOL GetDifference(SAFEARRAY* image1, SAFEARRAY* image2, Variant& difference) const {
    ArrayVariable first(image1), second(image2);
    Variant success;
    EXPECT_EQ(Invoke(Get(), L"GetDifference", DISPATCH_METHOD,
                     {RefTo(&first), RefTo(&second), RefTo(&difference)}, &success),
              S_OK);
    EXPECT_EQ(success.vt, VT_BOOL);
    return success.boolVal;
  }

  // Calls `name` through the vtable of the dual interface, at the slot its type library gives;
  // the member's HRESULT.
  HRESULT CallVtable(const wchar_t* name, INVOKEKIND kind, std::vector<VARIANT> arguments) const {
    ComPtr<ITypeInfo> info;
    if (FAILED(Get()->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) return E_UNEXPECTED;
    TYPEATTR* attributes = nullptr;
    info->GetTypeAttr(&attributes);
    const bool dispatch_part = attributes->typekind == TKIND_DISPATCH;
    info->ReleaseTypeAttr(attributes);
    if (dispatch_part) {
      HREFTYPE interface_part = 0;
      ComPtr<ITypeInfo> vtable_info;
      if (FAILED(info->GetRefTypeOfImplType(-1, &interface_part)) ||
          FAILED(info->GetRefTypeInfo(interface_part, &vtable_info))) {
        return E_UNEXPECTED;
      }
      info = vtable_info;
    }
    info->GetTypeAttr(&attributes);
    const IID iid = attributes->guid;
    const WORD functions = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);

    MEMBERID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    info->GetIDsOfNames(names, 1, &id);
    SHORT slot = -1;
    for (WORD i = 0; i < functions; ++i) {
      FUNCDESC* function = nullptr;
      info->GetFuncDesc(i, &function);
      if (function->memid == id && function->invkind == kind) slot = function->oVft;
      info->ReleaseFuncDesc(function);
    }
    ComPtr<IUnknown> target;
    if (slot < 0 ||
        FAILED(Get()->QueryInterface(iid, reinterpret_cast<void**>(target.GetAddressOf())))) {
      return E_UNEXPECTED;
    }
    std::vector<VARTYPE> types;
    std::vector<VARIANTARG*> values;
    for (VARIANT& a : arguments) {
      types.push_back(a.vt);
      values.push_back(&a);
    }
    VARIANT result;
    VariantInit(&result);
    if (FAILED(DispCallFunc(target.Get(), static_cast<ULONG_PTR>(slot), CC_STDCALL, VT_ERROR,
                            static_cast<UINT>(arguments.size()), types.data(), values.data(),
                            &result))) {
      return E_UNEXPECTED;
    }
    return result.scode;
  }

  ComPtr<IDispatch> object_;
};

VARIANT BoolOut(VARIANT_BOOL* out) {
  return Argument(VT_BYREF | VT_BOOL, [&](VARIANT& v) { v.pboolVal = out; });
}
VARIANT ArrayInOut(SAFEARRAY** array) {
  return Argument(VT_BYREF | VT_ARRAY | VT_UI1, [&](VARIANT& v) { v.pparray = array; });
}

TEST_F(CompareControl, ANewControlHoldsTheDefaultPreset) {
  EXPECT_EQ(Read(), (Options{T, F, F, F, T, T, 3.0}));
}

TEST_F(CompareControl, EveryPresetSetsAllSevenOptions) {
  const struct {
    LONG type;
    Options options;
  } rows[] = {
      {0, {T, F, F, F, T, T, 3.0}},  {1, {T, F, T, F, T, F, 5.0}},  {2, {T, F, F, F, T, F, 15.0}},
      {3, {T, F, T, T, T, F, 15.0}}, {4, {T, F, T, F, T, T, 1.0}},  {5, {T, T, T, T, T, F, 10.0}},
      {6, {T, F, F, F, T, T, 3.0}},  {-1, {T, F, F, F, T, T, 3.0}}, {1000, {T, F, F, F, T, T, 3.0}},
  };
  for (const auto& row : rows) {
    // Start from values no preset has, so that a field a preset left alone would show.
    for (const wchar_t* name : {L"CheckBorders", L"CheckColors", L"CheckSizes", L"CheckSmooth",
                                L"CheckNoise", L"CheckMaximals"}) {
      PutFlag(name, row.options.borders == T ? F : T);
    }
    PutFlag(L"CheckColors", T);
    PutFlag(L"CheckMaximals", F);
    ASSERT_EQ(Invoke(Get(), L"CheckLevel", DISPATCH_PROPERTYPUT, {Double(-42.0)}), S_OK);
    Preset(row.type);
    EXPECT_EQ(Read(), row.options) << "preset " << row.type;
  }
}

TEST_F(CompareControl, OnlyVariantTrueSwitchesAnOptionOn) {
  PutFlag(L"CheckColors", T);
  EXPECT_EQ(Flag(L"CheckColors"), T);
  PutFlag(L"CheckColors", 1);
  EXPECT_EQ(Flag(L"CheckColors"), F) << "1 is not VARIANT_TRUE";

  // The same straight through the vtable.
  const auto put = [&](VARIANT_BOOL value) {
    return CallVtable(L"CheckNoise", INVOKE_PROPERTYPUT,
                      {Argument(VT_BOOL, [&](VARIANT& v) { v.boolVal = value; })});
  };
  ASSERT_EQ(put(1), S_OK);
  EXPECT_EQ(Flag(L"CheckNoise"), F);
  ASSERT_EQ(put(-1), S_OK);
  EXPECT_EQ(Flag(L"CheckNoise"), T);
  ASSERT_EQ(put(2), S_OK);
  EXPECT_EQ(Flag(L"CheckNoise"), F);
}

TEST_F(CompareControl, CheckLevelIsStoredUnchangedAndOnePutChangesOneOption) {
  for (double level : {-5.0, 250.0, 0.0, 3.25}) {
    ASSERT_EQ(Invoke(Get(), L"CheckLevel", DISPATCH_PROPERTYPUT, {Double(level)}), S_OK);
    EXPECT_EQ(Level(), level);
  }
  Preset(5);
  PutFlag(L"CheckSmooth", F);
  EXPECT_EQ(Read(), (Options{T, T, T, F, T, F, 10.0}));
}

// One pixel's green 30 higher, anywhere in a 6 x 5 grey image: noise removal clears it; without
// it the pixel is 1/30 of the image, above the default 3 percent.
TEST_F(CompareControl, ALoneDifferenceIsNoiseUnderTheDefaultPreset) {
  PutFlag(L"CheckBorders", F);
  for (const auto& at : {std::pair{0, 0}, std::pair{3, 2}, std::pair{5, 4}}) {
    const auto changed = [&](int x, int y, int c) -> std::uint8_t {
      return x == at.first && y == at.second && c == 1 ? 130 : Grey(x, y, c);
    };
    PutFlag(L"CheckNoise", T);
    EXPECT_EQ(Compare(MakeImage(6, 5, Grey), MakeImage(6, 5, changed)), T);
    PutFlag(L"CheckNoise", F);
    EXPECT_EQ(Compare(MakeImage(6, 5, Grey), MakeImage(6, 5, changed)), F);
  }
}

// Only the acceptance decides here: a level of 250 makes every comparison that runs equal.
TEST_F(CompareControl, RefusesWhatIsNoFourChannelImageOfTwoByTwo) {
  ASSERT_EQ(Invoke(Get(), L"CheckLevel", DISPATCH_PROPERTYPUT, {Double(250.0)}), S_OK);
  const struct {
    const char* name;
    VARTYPE type;
    int channels, width, height;
    LONG lower;
    VARIANT_BOOL accepted;
  } rows[] = {
      {"3 channels", VT_UI1, 3, 4, 4, 0, F},     {"1 pixel wide", VT_UI1, 4, 1, 4, 0, F},
      {"1 row high", VT_UI1, 4, 4, 1, 0, F},     {"VT_UI2", VT_UI2, 4, 4, 4, 0, F},
      {"lower bounds 1", VT_UI1, 4, 4, 4, 1, T}, {"lower bounds -3", VT_UI1, 4, 2, 2, -3, T},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto odd = [&] {
      return MakeCube(row.type, row.channels, row.width, row.height, row.lower, Grey);
    };
    EXPECT_EQ(Compare(odd(), MakeImage(4, 4, Grey)), row.accepted);
    EXPECT_EQ(Compare(MakeImage(4, 4, Grey), odd()), row.accepted);

    // A refused image leaves the [out] array alone.
    ReleaseCounter counter;
    Variant difference;
    difference.vt = VT_ARRAY | VT_UI1;
    difference.parray = CountingArray(counter);
    SAFEARRAY* const held = difference.parray;
    EXPECT_EQ(GetDifference(MakeImage(4, 4, Grey), odd(), difference), row.accepted);
    // (An accepted pair's new array may reuse the old one's address.)
    if (row.accepted == F) {
      EXPECT_EQ(difference.parray, held);
    }
    EXPECT_EQ(counter.releases, row.accepted == T ? 1 : 0);
  }
  Variant untouched;
  EXPECT_EQ(GetDifference(nullptr, MakeImage(4, 4, Grey), untouched), F);
  EXPECT_EQ(untouched.vt, VT_EMPTY);
}

// A new 4 x W x H byte array with lower bounds 0, holding the engine's difference image: grey
// values g, g, g, 255 on the grid of the larger sizes.
TEST_F(CompareControl, GetDifferenceHandsOutTheEnginesImageInANewArray) {
  const auto first = RandomBytes(9, 4, 1), second = RandomBytes(5, 7, 2);
  for (LONG preset = 0; preset <= 5; ++preset) {
    SCOPED_TRACE("preset " + std::to_string(preset));
    Preset(preset);
    PutFlag(L"CheckSizes", F);
    Variant difference;
    ASSERT_EQ(GetDifference(ImageOf(first, 9, 4), ImageOf(second, 5, 7), difference), T);
    ASSERT_EQ(difference.vt, VT_ARRAY | VT_UI1);
    SAFEARRAY* array = difference.parray;
    ASSERT_EQ(SafeArrayGetDim(array), 3u);
    VARTYPE type = VT_EMPTY;
    SafeArrayGetVartype(array, &type);
    EXPECT_EQ(type, VT_UI1);
    const LONG uppers[] = {3, 8, 6};
    for (UINT dim = 1; dim <= 3; ++dim) {
      LONG lower = -1, upper = -1;
      SafeArrayGetLBound(array, dim, &lower);
      SafeArrayGetUBound(array, dim, &upper);
      EXPECT_EQ(lower, 0) << "dimension " << dim;
      EXPECT_EQ(upper, uppers[dim - 1]) << "dimension " << dim;
    }

    compare::Comparer engine;
    engine.Preset(preset);
    engine.Options().check_sizes = 0;
    ASSERT_TRUE(engine.BuildDifference({first.data(), 4, 9, 4}, {second.data(), 4, 5, 7}));
    const std::vector<std::uint8_t> got(Bytes(array), Bytes(array) + 9 * 7 * 4);
    EXPECT_EQ(got,
              std::vector<std::uint8_t>(engine.Difference(), engine.Difference() + got.size()));
    for (std::size_t i = 0; i < got.size(); i += 4) {
      ASSERT_EQ(got[i + 1], got[i]);
      ASSERT_EQ(got[i + 2], got[i]);
      ASSERT_EQ(got[i + 3], 255);
    }
  }
}

TEST_F(CompareControl, GetDifferenceReleasesTheArrayItsOutParameterHeldOnce) {
  SAFEARRAY* image1 = MakeImage(3, 3, Grey);
  SAFEARRAY* image2 = MakeImage(3, 3, Grey);
  ReleaseCounter counter;
  SAFEARRAY* difference = CountingArray(counter);
  VARIANT_BOOL success = F;
  ASSERT_EQ(CallVtable(L"GetDifference", INVOKE_FUNC,
                       {ArrayInOut(&image1), ArrayInOut(&image2), ArrayInOut(&difference),
                        BoolOut(&success)}),
            S_OK);
  EXPECT_EQ(success, T);
  EXPECT_EQ(counter.releases, 1);
  ASSERT_NE(difference, nullptr);
  LONG upper = -1;
  SafeArrayGetUBound(difference, 2, &upper);
  EXPECT_EQ(upper, 2);
  SafeArrayDestroy(difference);

  // No place for the difference: the pipeline runs but the result stays FALSE.
  success = T;
  ASSERT_EQ(CallVtable(
                L"GetDifference", INVOKE_FUNC,
                {ArrayInOut(&image1), ArrayInOut(&image2), ArrayInOut(nullptr), BoolOut(&success)}),
            S_OK);
  EXPECT_EQ(success, F);
  SafeArrayDestroy(image1);
  SafeArrayDestroy(image2);
}

// A null result pointer is refused with E_POINTER before anything runs: an [out] array the
// caller passed keeps its array.
TEST_F(CompareControl, NullResultPointersAreRefusedWithoutTouchingAnything) {
  for (const wchar_t* name : {L"CheckBorders", L"CheckColors", L"CheckSizes", L"CheckSmooth",
                              L"CheckNoise", L"CheckMaximals"}) {
    EXPECT_EQ(CallVtable(name, INVOKE_PROPERTYGET, {BoolOut(nullptr)}), E_POINTER);
  }
  EXPECT_EQ(CallVtable(L"CheckLevel", INVOKE_PROPERTYGET,
                       {Argument(VT_BYREF | VT_R8, [](VARIANT& v) { v.pdblVal = nullptr; })}),
            E_POINTER);

  SAFEARRAY* image1 = MakeImage(3, 3, Grey);
  SAFEARRAY* image2 = MakeImage(3, 3, Grey);
  EXPECT_EQ(CallVtable(L"Compare", INVOKE_FUNC,
                       {ArrayInOut(&image1), ArrayInOut(&image2), BoolOut(nullptr)}),
            E_POINTER);
  ReleaseCounter counter;
  SAFEARRAY* difference = CountingArray(counter);
  SAFEARRAY* const held = difference;
  EXPECT_EQ(CallVtable(L"GetDifference", INVOKE_FUNC,
                       {ArrayInOut(&image1), ArrayInOut(&image2), ArrayInOut(&difference),
                        BoolOut(nullptr)}),
            E_POINTER);
  EXPECT_EQ(difference, held);
  EXPECT_EQ(counter.releases, 0);
  SafeArrayDestroy(difference);
  SafeArrayDestroy(image1);
  SafeArrayDestroy(image2);
}

}  // namespace
}  // namespace orvane::test

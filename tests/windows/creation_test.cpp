// Creating the controls: by both ProgIDs, through the class object, the exact set of
// interfaces each answers, class information, and the module's unload answer.
#include <gtest/gtest.h>

#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "test_support.h"

namespace orvane::test {
namespace {

std::string Narrow(const wchar_t* text) { return std::string(text, text + wcslen(text)); }

struct NamedIid {
  const char* name;
  IID iid;
};

// Every interface a control answers besides its own dual interface; ISpecifyPropertyPages
// only where the table says.
const NamedIid kAnswered[] = {
    {"IDispatch", IID_IDispatch},
    {"IViewObjectEx", IID_IViewObjectEx},
    {"IViewObject2", IID_IViewObject2},
    {"IViewObject", IID_IViewObject},
    {"IOleInPlaceObjectWindowless", IID_IOleInPlaceObjectWindowless},
    {"IOleInPlaceObject", IID_IOleInPlaceObject},
    {"IOleWindow", IID_IOleWindow},
    {"IOleInPlaceActiveObject", IID_IOleInPlaceActiveObject},
    {"IOleControl", IID_IOleControl},
    {"IOleObject", IID_IOleObject},
    {"IPersistStreamInit", IID_IPersistStreamInit},
    {"IPersist", IID_IPersist},
    {"IQuickActivate", IID_IQuickActivate},
    {"IPersistStorage", IID_IPersistStorage},
    {"IDataObject", IID_IDataObject},
    {"IProvideClassInfo", IID_IProvideClassInfo},
    {"IProvideClassInfo2", IID_IProvideClassInfo2},
};

// What no control offers: property bags, connection points, object safety, and a few that
// containers probe for.
const NamedIid kRefused[] = {
    {"IPersistPropertyBag", IID_IPersistPropertyBag},
    {"IPersistPropertyBag2", IID_IPersistPropertyBag2},
    {"IConnectionPointContainer", IID_IConnectionPointContainer},
    {"IObjectSafety", GuidOf(L"{CB5BDC81-93C1-11CF-8F20-00805F2CD064}")},
    {"IPersistFile", IID_IPersistFile},
    {"IPersistMemory", IID_IPersistMemory},
    {"IRunnableObject", IID_IRunnableObject},
    {"IOleCache", IID_IOleCache},
    {"IPointerInactive", IID_IPointerInactive},
    {"IPropertyNotifySink", IID_IPropertyNotifySink},
};

class Creation : public ::testing::TestWithParam<ControlRow> {};

TEST_P(Creation, ByBothProgIdsWithTheSameClass) {
  const ControlRow& control = GetParam();
  for (const wchar_t* prog_id : {control.prog_id, control.version_independent_prog_id}) {
    SCOPED_TRACE(Narrow(prog_id));
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(prog_id, &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, GuidOf(control.clsid)));
    ComPtr<IDispatch> object = CreateByProgId(prog_id);
    ASSERT_TRUE(object);
    ComPtr<IPersist> persist;
    ASSERT_EQ(object.As(&persist), S_OK);
    CLSID reported;
    ASSERT_EQ(persist->GetClassID(&reported), S_OK);
    EXPECT_TRUE(IsEqualCLSID(reported, clsid));
  }
}

TEST_P(Creation, AnswersExactlyItsInterfacesWithOneIdentity) {
  const ControlRow& control = GetParam();
  ComPtr<IDispatch> object = CreateByProgId(control.prog_id);
  ASSERT_TRUE(object);
  ComPtr<IUnknown> identity;
  ASSERT_EQ(object.As(&identity), S_OK);

  ComPtr<IUnknown> own;
  ASSERT_EQ(object->QueryInterface(GuidOf(control.iid), &own), S_OK);
  EXPECT_EQ(own.Get(), object.Get()) << "the dual interface is the object's IDispatch";

  for (const NamedIid& expected : kAnswered) {
    SCOPED_TRACE(expected.name);
    ComPtr<IUnknown> answer;
    ASSERT_EQ(object->QueryInterface(expected.iid, &answer), S_OK);
    ComPtr<IUnknown> back;
    ASSERT_EQ(answer.As(&back), S_OK);
    EXPECT_EQ(back.Get(), identity.Get());
  }
  ComPtr<IUnknown> pages;
  EXPECT_EQ(object->QueryInterface(IID_ISpecifyPropertyPages, &pages),
            control.answers_property_pages ? S_OK : E_NOINTERFACE);
  for (const NamedIid& refused : kRefused) {
    ComPtr<IUnknown> answer;
    EXPECT_EQ(object->QueryInterface(refused.iid, &answer), E_NOINTERFACE) << refused.name;
    EXPECT_FALSE(answer) << refused.name;
  }
}

TEST_P(Creation, DescribesItsClassAndListsNoPropertyPages) {
  const ControlRow& control = GetParam();
  ComPtr<IDispatch> object = CreateByProgId(control.prog_id);
  ASSERT_TRUE(object);

  ComPtr<IProvideClassInfo2> class_info;
  ASSERT_EQ(object.As(&class_info), S_OK);
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(class_info->GetClassInfo(&coclass), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, GuidOf(control.clsid)));
  coclass->ReleaseTypeAttr(attributes);
  GUID source;
  EXPECT_EQ(class_info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), E_FAIL)
      << "the controls raise no events";
  EXPECT_TRUE(IsEqualGUID(source, GUID_NULL));

  UINT count = 0;
  ASSERT_EQ(object->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ComPtr<ITypeInfo> dispatch_info;
  ASSERT_EQ(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &dispatch_info), S_OK);
  ASSERT_EQ(dispatch_info->GetTypeAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, GuidOf(control.iid)));
  dispatch_info->ReleaseTypeAttr(attributes);

  if (control.answers_property_pages) {
    ComPtr<ISpecifyPropertyPages> pages;
    ASSERT_EQ(object.As(&pages), S_OK);
    CAUUID list = {7, reinterpret_cast<GUID*>(&list)};
    ASSERT_EQ(pages->GetPages(&list), S_OK);
    EXPECT_EQ(list.cElems, 0u);
    EXPECT_EQ(list.pElems, nullptr);
  }
}

TEST_P(Creation, ClassObjectRefusesAggregationAndOtherClassesAndHoldsTheModule) {
  const ControlRow& control = GetParam();
  const CLSID clsid = GuidOf(control.clsid);
  {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)), S_OK);
    ComPtr<IUnknown> object;
    ComPtr<IUnknown> outer;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, &outer), S_OK);
    EXPECT_EQ(factory->CreateInstance(outer.Get(), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_FALSE(object);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    outer.Reset();
    EXPECT_EQ(DllCanUnloadNowOf(control), S_FALSE) << "a class object keeps the DLL loaded";

    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(DllCanUnloadNowOf(control), S_FALSE) << "a lock keeps the DLL loaded";
    ASSERT_EQ(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)), S_OK);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
  }
  EXPECT_EQ(DllCanUnloadNowOf(control), S_OK);

  // Asked for another class, the DLL has none to give.
  HMODULE module = GetModuleHandleW(DllPath(control).c_str());
  ASSERT_NE(module, nullptr);
  using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto get_class_object = reinterpret_cast<GetClassObjectFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  ASSERT_NE(get_class_object, nullptr);
  void* other = reinterpret_cast<void*>(1);
  EXPECT_EQ(get_class_object(CLSID_StdFont, IID_IClassFactory, &other), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(other, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Controls, Creation, ::testing::ValuesIn(BuiltControls()),
                         [](const auto& info) { return Narrow(info.param.deliverable); });

}  // namespace
}  // namespace orvane::test

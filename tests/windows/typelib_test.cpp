// The type library embedded in each DLL, read back through ITypeLib and ITypeInfo and held
// against the expectation table: library and coclass attributes, every member of the dual
// interface in vtable order with its DISPID, parameters and help string, and the enumerations.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "test_support.h"
#include "typelib_expectations.h"

namespace orvane::test {
namespace {

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

// A BSTR that frees itself; empty when null.
struct Bstr {
  BSTR value = nullptr;
  Bstr() = default;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value); }
  std::wstring Text() const { return value != nullptr ? value : L""; }
};

struct Documentation {
  std::wstring name;
  std::wstring help;
};

Documentation DocumentationOf(ITypeInfo* info, MEMBERID member) {
  Bstr name, help;
  info->GetDocumentation(member, &name.value, &help.value, nullptr, nullptr);
  return {name.Text(), help.Text()};
}

std::wstring TypeName(ITypeInfo* info) { return DocumentationOf(info, MEMBERID_NIL).name; }

const ControlRow* RowOf(const TypeLibraryExpectation& library) {
  for (const ControlRow& row : BuiltControls()) {
    if (std::wstring_view(row.deliverable) == library.deliverable) return &row;
  }
  return nullptr;
}

// Compares a TYPEDESC chain with the expectation, following pointers and safe arrays.
void ExpectType(ITypeInfo* info, const TYPEDESC& actual, const TypeExpectation& expected) {
  const TYPEDESC* type = &actual;
  for (int depth = 0; depth < 3 && expected.chain[depth] != VT_EMPTY; ++depth) {
    ASSERT_NE(type, nullptr) << "chain ends early at " << depth;
    ASSERT_EQ(type->vt, expected.chain[depth]) << "at depth " << depth;
    if (type->vt == VT_USERDEFINED) {
      ComPtr<ITypeInfo> referenced;
      ASSERT_EQ(info->GetRefTypeInfo(type->hreftype, &referenced), S_OK);
      EXPECT_EQ(TypeName(referenced.Get()), expected.user_type);
      return;
    }
    type = (type->vt == VT_PTR || type->vt == VT_SAFEARRAY) ? type->lptdesc : nullptr;
  }
}

void ExpectMembers(ITypeInfo* vtable, std::span<const MemberExpectation> members) {
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(vtable->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  EXPECT_EQ(attributes->wTypeFlags, kInterfaceTypeFlags);
  EXPECT_EQ(attributes->cFuncs, members.size()) << "own members after IDispatch's seven";
  const UINT count = attributes->cFuncs;
  vtable->ReleaseTypeAttr(attributes);

  for (UINT i = 0; i < count && i < members.size(); ++i) {
    const MemberExpectation& expected = members[i];
    SCOPED_TRACE(Narrow(expected.name) + " (vtable entry " + std::to_string(i) + ")");
    FUNCDESC* function = nullptr;
    ASSERT_EQ(vtable->GetFuncDesc(i, &function), S_OK);
    EXPECT_EQ(function->memid, expected.dispid);
    EXPECT_EQ(function->invkind, expected.kind);
    EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
    EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT);
    EXPECT_EQ(function->cParams, ParamCount(expected));

    const Documentation doc = DocumentationOf(vtable, function->memid);
    EXPECT_EQ(doc.name, expected.name);
    EXPECT_EQ(doc.help, expected.help);

    BSTR names[1 + kMaxParams] = {};
    UINT found = 0;
    vtable->GetNames(function->memid, names, 1 + kMaxParams, &found);
    for (int p = 0; p < function->cParams && p < kMaxParams; ++p) {
      const ParamExpectation& param = expected.params[p];
      SCOPED_TRACE("parameter " + std::to_string(p));
      EXPECT_EQ(std::wstring(static_cast<UINT>(p + 1) < found ? names[p + 1] : L""), param.name);
      const ELEMDESC& element = function->lprgelemdescParam[p];
      EXPECT_EQ(
          element.paramdesc.wParamFlags & (PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FRETVAL),
          param.flags);
      ExpectType(vtable, element.tdesc, param.type);
    }
    for (UINT n = 0; n < found; ++n) SysFreeString(names[n]);
    vtable->ReleaseFuncDesc(function);
  }
}

void ExpectEnum(ITypeInfo* info, const EnumExpectation& expected) {
  SCOPED_TRACE(Narrow(expected.name));
  EXPECT_EQ(DocumentationOf(info, MEMBERID_NIL).help, L"");
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->cVars, expected.members.size());
  const UINT count = attributes->cVars;
  info->ReleaseTypeAttr(attributes);
  for (UINT i = 0; i < count && i < expected.members.size(); ++i) {
    VARDESC* variable = nullptr;
    ASSERT_EQ(info->GetVarDesc(i, &variable), S_OK);
    EXPECT_EQ(DocumentationOf(info, variable->memid).name, expected.members[i].name);
    EXPECT_EQ(variable->varkind, VAR_CONST);
    ASSERT_NE(variable->lpvarValue, nullptr);
    EXPECT_EQ(variable->lpvarValue->vt, VT_I4);
    EXPECT_EQ(variable->lpvarValue->lVal, expected.members[i].value)
        << Narrow(expected.members[i].name);
    info->ReleaseVarDesc(variable);
  }
}

class TypeLibrary : public ::testing::TestWithParam<TypeLibraryExpectation> {};

TEST_P(TypeLibrary, ReadsBackAsTheInterfaceTableSays) {
  const TypeLibraryExpectation& expected = GetParam();
  const ControlRow* row = RowOf(expected);
  ASSERT_NE(row, nullptr) << "no such control in this build";

  // Loaded from the DLL itself, as dispatch does, registered or not.
  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadTypeLibEx(DllPath(*row).c_str(), REGKIND_NONE, &library), S_OK);
  Bstr name, help;
  ASSERT_EQ(library->GetDocumentation(-1, &name.value, &help.value, nullptr, nullptr), S_OK);
  EXPECT_EQ(name.Text(), expected.library_name);
  EXPECT_EQ(help.Text(), expected.library_help);
  TLIBATTR* library_attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&library_attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(library_attributes->guid, GuidOf(row->libid)));
  EXPECT_EQ(library_attributes->wMajorVerNum, expected.major_version);
  EXPECT_EQ(library_attributes->wMinorVerNum, expected.minor_version);
  EXPECT_EQ(library_attributes->lcid, expected.lcid);
  library->ReleaseTLibAttr(library_attributes);

  // The coclass, with the interface as its default.
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(library->GetTypeInfoOfGuid(GuidOf(row->clsid), &coclass), S_OK);
  const Documentation coclass_doc = DocumentationOf(coclass.Get(), MEMBERID_NIL);
  EXPECT_EQ(coclass_doc.name, expected.coclass_name);
  EXPECT_EQ(coclass_doc.help, expected.coclass_help);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_EQ(attributes->wTypeFlags, kCoclassTypeFlags);
  EXPECT_EQ(attributes->cImplTypes, 1);
  coclass->ReleaseTypeAttr(attributes);
  HREFTYPE default_reference = 0;
  ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &default_reference), S_OK);
  ComPtr<ITypeInfo> default_interface;
  ASSERT_EQ(coclass->GetRefTypeInfo(default_reference, &default_interface), S_OK);
  EXPECT_EQ(TypeName(default_interface.Get()), expected.interface_name);
  INT impl_flags = 0;
  coclass->GetImplTypeFlags(0, &impl_flags);
  EXPECT_EQ(impl_flags, IMPLTYPEFLAG_FDEFAULT);

  // The dual interface: its dispatch view by IID, then its vtable view.
  ComPtr<ITypeInfo> dispatch;
  ASSERT_EQ(library->GetTypeInfoOfGuid(GuidOf(row->iid), &dispatch), S_OK);
  EXPECT_EQ(TypeName(dispatch.Get()), expected.interface_name);
  ASSERT_EQ(dispatch->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
  // The dispatch view is automation-compatible by its nature; the library marks only the
  // vtable view oleautomation.
  EXPECT_EQ(attributes->wTypeFlags, kInterfaceTypeFlags & ~TYPEFLAG_FOLEAUTOMATION);
  dispatch->ReleaseTypeAttr(attributes);
  HREFTYPE vtable_reference = 0;
  ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &vtable_reference), S_OK);
  ComPtr<ITypeInfo> vtable;
  ASSERT_EQ(dispatch->GetRefTypeInfo(vtable_reference, &vtable), S_OK);
  ExpectMembers(vtable.Get(), expected.members);

  // The enumerations, and nothing else of that kind.
  UINT enum_count = 0;
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    if (FAILED(library->GetTypeInfoType(i, &kind)) || kind != TKIND_ENUM) continue;
    ++enum_count;
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(library->GetTypeInfo(i, &info), S_OK);
    const std::wstring enum_name = TypeName(info.Get());
    const EnumExpectation* match = nullptr;
    for (const EnumExpectation& e : expected.enums) {
      if (enum_name == e.name) match = &e;
    }
    ASSERT_NE(match, nullptr) << "unexpected enumeration " << Narrow(enum_name);
    ExpectEnum(info.Get(), *match);
  }
  EXPECT_EQ(enum_count, expected.enums.size());
}

INSTANTIATE_TEST_SUITE_P(Controls, TypeLibrary, ::testing::ValuesIn(kTypeLibraryExpectations),
                         [](const auto& info) { return Narrow(info.param.deliverable); });

}  // namespace
}  // namespace orvane::test

namespace orvane {

// Names a library in test output.
void PrintTo(const TypeLibraryExpectation& library, std::ostream* out) {
  for (const wchar_t* c = library.deliverable; *c != L'\0'; ++c) *out << static_cast<char>(*c);
}

}  // namespace orvane

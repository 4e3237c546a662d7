// What the six type libraries must say, as ITypeLib/ITypeInfo read them back: library and coclass
// attributes, every member of each interface in vtable order, and the enumerations. The IDL files
// are the source the libraries are built from; this table is the independent statement that the
// type-library test holds them against, so it restates the published interface on purpose.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <span>

namespace orvane {

// A parameter or result type as its TYPEDESC reads, outermost first: SAFEARRAY(unsigned char)*
// is VT_PTR, VT_SAFEARRAY, VT_UI1; VARIANT_BOOL* is VT_PTR, VT_BOOL; an enumeration is
// VT_USERDEFINED, whose referenced type info carries the name `user_type`. VT_EMPTY ends a
// shorter chain.
struct TypeExpectation {
  VARTYPE chain[3];
  const wchar_t* user_type;  // null unless chain[0] is VT_USERDEFINED
};

inline constexpr int kMaxParams = 4;

struct ParamExpectation {
  const wchar_t* name;
  USHORT flags;  // PARAMDESC::wParamFlags: PARAMFLAG_FIN, PARAMFLAG_FOUT, PARAMFLAG_FRETVAL
  TypeExpectation type;
};

// One FUNCDESC of the interface's vtable view (TKIND_INTERFACE): members in vtable order after
// the seven IDispatch functions, each returning HRESULT, [out,retval] parameters included. A
// property with get and put is two rows with one DISPID and one help string. GetNames and
// GetDocumentation answer a shared DISPID for the get, so a put's value parameter carries the
// name of the get's result, as the IDL declares it.
struct MemberExpectation {
  const wchar_t* name;
  MEMBERID dispid;
  INVOKEKIND kind;                      // INVOKE_FUNC, INVOKE_PROPERTYGET or INVOKE_PROPERTYPUT
  ParamExpectation params[kMaxParams];  // unused entries have a null name
  const wchar_t* help;
};

int ParamCount(const MemberExpectation& member);

struct EnumMemberExpectation {
  const wchar_t* name;
  LONG value;  // a VT_I4 constant
};

struct EnumExpectation {
  const wchar_t* name;  // TKIND_ENUM type info of the library, without help string
  std::span<const EnumMemberExpectation> members;  // in declaration order
};

struct TypeLibraryExpectation {
  const wchar_t* deliverable;  // the DLL's name without ".dll"; the library is embedded in it
  const wchar_t* library_name;
  const wchar_t* library_help;
  WORD major_version;
  WORD minor_version;
  LCID lcid;
  const wchar_t* coclass_name;
  const wchar_t* coclass_help;
  const wchar_t* interface_name;
  std::span<const MemberExpectation> members;
  std::span<const EnumExpectation> enums;
};

// TYPEATTR::wTypeFlags. A dual interface reads back as two type infos: the library lists its
// dispatch view (TKIND_DISPATCH, IDispatch's seven functions first, [out,retval] turned into the
// result); GetRefTypeOfImplType(-1) on it gives the vtable view (TKIND_INTERFACE) that the member
// tables describe. Only the vtable view carries the automation flag.
inline constexpr WORD kCoclassTypeFlags = TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL;
inline constexpr WORD kDispatchTypeFlags =
    TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
inline constexpr WORD kInterfaceTypeFlags = kDispatchTypeFlags | TYPEFLAG_FOLEAUTOMATION;

// ImageCompose, ImageCompare, ImageClipboard, ImageCompress, ImageAnimate, ImageCapture.
extern const std::span<const TypeLibraryExpectation> kTypeLibraryExpectations;

}  // namespace orvane

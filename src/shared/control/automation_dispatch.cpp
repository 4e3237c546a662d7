#include "automation_dispatch.h"

#include <vector>

#include "type_library.h"

namespace orvane {
namespace {

constexpr VARTYPE kByteArray = VT_ARRAY | VT_UI1;

// Releases a FUNCDESC obtained from a type info when it goes out of scope.
class FuncDescHolder {
 public:
  explicit FuncDescHolder(ITypeInfo* info) : info_(info) {}
  FuncDescHolder(const FuncDescHolder&) = delete;
  FuncDescHolder& operator=(const FuncDescHolder&) = delete;
  ~FuncDescHolder() {
    if (desc_ != nullptr) info_->ReleaseFuncDesc(desc_);
  }
  FUNCDESC** Out() { return &desc_; }
  FUNCDESC* Get() const { return desc_; }
  void Reset() {
    if (desc_ != nullptr) info_->ReleaseFuncDesc(desc_);
    desc_ = nullptr;
  }

 private:
  ITypeInfo* info_;
  FUNCDESC* desc_ = nullptr;
};

// The function that a call of `member` with `flags` reaches, or null.
bool FindFunction(ITypeInfo* info, DISPID member, WORD flags, FuncDescHolder& found) {
  TYPEATTR* attributes = nullptr;
  if (FAILED(info->GetTypeAttr(&attributes))) return false;
  const WORD count = attributes->cFuncs;
  info->ReleaseTypeAttr(attributes);
  for (UINT i = 0; i < count; ++i) {
    found.Reset();
    if (FAILED(info->GetFuncDesc(i, found.Out()))) continue;
    const FUNCDESC* desc = found.Get();
    if (desc->memid == member && (desc->invkind & flags) != 0) return true;
  }
  found.Reset();
  return false;
}

bool IsImageParameter(const ELEMDESC& element) {
  const TYPEDESC& type = element.tdesc;
  return type.vt == VT_PTR && type.lptdesc != nullptr && type.lptdesc->vt == VT_SAFEARRAY;
}

// What an argument was turned into, so that a variable left as it was can be restored.
struct Unwrapped {
  VARIANT* typed_empty_variable = nullptr;  // an [out] variable that arrived empty
};

// Makes one argument for an image parameter acceptable to ITypeInfo::Invoke. `held` keeps the
// array pointer of an array passed by value for the duration of the call.
void UnwrapImageArgument(VARIANTARG& argument, USHORT flags, SAFEARRAY*& held, Unwrapped& note) {
  const bool out_only = (flags & PARAMFLAG_FOUT) != 0 && (flags & PARAMFLAG_FIN) == 0;
  if (argument.vt == (VT_BYREF | VT_VARIANT) && argument.pvarVal != nullptr) {
    VARIANT* variable = argument.pvarVal;
    if (variable->vt == VT_EMPTY && out_only) {
      // An [out] image that the script has not used yet: give it the array type so the
      // member can store its array in it.
      variable->vt = kByteArray;
      variable->parray = nullptr;
      note.typed_empty_variable = variable;
    }
    if (variable->vt == kByteArray) {
      argument.vt = VT_BYREF | kByteArray;
      argument.pparray = &variable->parray;
    } else if (variable->vt == (VT_BYREF | kByteArray)) {
      argument.vt = VT_BYREF | kByteArray;
      argument.pparray = variable->pparray;
    } else if (variable->vt == VT_EMPTY) {
      // A variable that holds nothing is an image that is missing, which every member
      // handles, rather than a type mismatch the script would stop on.
      held = nullptr;
      argument.vt = VT_BYREF | kByteArray;
      argument.pparray = &held;
    }
    return;
  }
  if (argument.vt == VT_EMPTY && !out_only) {
    held = nullptr;
    argument.vt = VT_BYREF | kByteArray;
    argument.pparray = &held;
    return;
  }
  if (argument.vt == kByteArray && !out_only) {
    // An array passed by value: the member reads (and for [in,out] rewrites) its elements in
    // place; the array itself is never replaced.
    held = argument.parray;
    argument.vt = VT_BYREF | kByteArray;
    argument.pparray = &held;
  }
}

}  // namespace

HRESULT DispatchGetTypeInfo(REFIID automation_iid, UINT index, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return TypeInfoOf(automation_iid, info);
}

HRESULT DispatchGetIDsOfNames(REFIID automation_iid, LPOLESTR* names, UINT count, DISPID* ids) {
  ITypeInfo* info = nullptr;
  HRESULT hr = TypeInfoOf(automation_iid, &info);
  if (FAILED(hr)) return hr;
  hr = DispGetIDsOfNames(info, names, count, ids);
  info->Release();
  return hr;
}

HRESULT DispatchInvoke(REFIID automation_iid, IDispatch* object, DISPID member, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                       UINT* argument_error) {
  ITypeInfo* info = nullptr;
  HRESULT hr = TypeInfoOf(automation_iid, &info);
  if (FAILED(hr)) return hr;

  DISPPARAMS adjusted = params != nullptr ? *params : DISPPARAMS{};
  std::vector<VARIANTARG> arguments;
  std::vector<SAFEARRAY*> held;
  std::vector<Unwrapped> notes;
  FuncDescHolder function(info);
  if (params != nullptr && params->cArgs > 0 && params->rgvarg != nullptr &&
      FindFunction(info, member, flags, function)) {
    const FUNCDESC* desc = function.Get();
    const UINT count = params->cArgs;
    arguments.assign(params->rgvarg, params->rgvarg + count);
    held.assign(count, nullptr);
    notes.assign(count, {});
    const UINT named = params->cNamedArgs <= count ? params->cNamedArgs : 0;
    for (UINT i = 0; i < count; ++i) {
      // Named arguments come first and carry their parameter index; positional ones follow
      // in reverse order. A property put's value is the last parameter.
      int parameter = -1;
      if (i < named && params->rgdispidNamedArgs != nullptr) {
        const DISPID id = params->rgdispidNamedArgs[i];
        parameter = id == DISPID_PROPERTYPUT ? desc->cParams - 1 : static_cast<int>(id);
      } else {
        parameter = static_cast<int>(count - 1 - i);
      }
      if (parameter < 0 || parameter >= desc->cParams) continue;
      const ELEMDESC& element = desc->lprgelemdescParam[parameter];
      if (IsImageParameter(element)) {
        UnwrapImageArgument(arguments[i], element.paramdesc.wParamFlags, held[i], notes[i]);
      }
    }
    adjusted.rgvarg = arguments.data();
  }
  hr = info->Invoke(object, member, flags, &adjusted, result, exception, argument_error);
  for (const Unwrapped& note : notes) {
    // An [out] variable that received no array is left empty, as it came.
    if (note.typed_empty_variable != nullptr && note.typed_empty_variable->parray == nullptr) {
      note.typed_empty_variable->vt = VT_EMPTY;
    }
  }
  info->Release();
  return hr;
}

}  // namespace orvane

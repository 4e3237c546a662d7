// IDispatch of the controls' dual interfaces, answered from the embedded type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace orvane {

HRESULT DispatchGetTypeInfo(REFIID automation_iid, UINT index, ITypeInfo** info);

HRESULT DispatchGetIDsOfNames(REFIID automation_iid, LPOLESTR* names, UINT count, DISPID* ids);

// ITypeInfo::Invoke on `object` (the dual interface), after pointing every image argument that
// arrives as a reference to a variant (how a script passes its variables) at the array inside
// that variant: the type library declares images as SAFEARRAY(unsigned char)*, which Invoke
// would otherwise refuse as a type mismatch.
HRESULT DispatchInvoke(REFIID automation_iid, IDispatch* object, DISPID member, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                       UINT* argument_error);

}  // namespace orvane

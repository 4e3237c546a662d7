// What tells one control of the six from another as far as the shared frame is concerned: its
// identity in the registry and in its type library, how it sizes itself, what it persists beyond
// its extent, and how an instance is made. Each control folder defines kControlDescriptor.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <span>

namespace orvane {

// Miscellaneous status of the control that is visible at run time, and of the five that show
// only in design mode.
inline constexpr DWORD kMiscStatusVisible = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                                            OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                                            OLEMISC_SETCLIENTSITEFIRST;
inline constexpr DWORD kMiscStatusDesignTimeOnly = kMiscStatusVisible | OLEMISC_INVISIBLEATRUNTIME;
static_assert(kMiscStatusVisible == 131473);
static_assert(kMiscStatusDesignTimeOnly == 132497);

enum class ExtentPolicy {
  kFixed,    // 160 x 20 screen pixels from construction on; every other extent is refused
  kSizable,  // starts two inches square and takes whatever extent the host gives
};

struct ControlDescriptor {
  const wchar_t* deliverable;  // "OrvaneImageCompose": the DLL's name and its AppID's name
  const wchar_t* prog_id;      // "OrvaneImageCompose.ImageCompose.1"
  const wchar_t* version_independent_prog_id;
  const wchar_t* description;  // "OrvaneImageCompose Class"
  const wchar_t* caption;      // drawn in design mode; null for a control that draws itself
  const CLSID* clsid;
  const IID* iid;  // the dual automation interface
  const GUID* libid;
  const GUID* appid;
  DWORD misc_status;
  ExtentPolicy extent_policy;
  bool answers_property_pages;  // ISpecifyPropertyPages, listing no pages
  // Properties persisted after the extent, in this order, each a long read and written through
  // the automation interface's property get and put.
  std::span<const DISPID> persisted_properties;
  // Makes a new instance and asks it for `iid`.
  HRESULT (*create)(REFIID iid, void** object);
};

extern const ControlDescriptor kControlDescriptor;

}  // namespace orvane

// What each control must be, restated independently of the sources it is built from: its
// registration identity, its four GUIDs, its miscellaneous status, how it sizes itself and
// which optional interface it answers.
#pragma once

#include <windows.h>

#include <ostream>
#include <span>

namespace orvane::test {

struct ControlRow {
  const wchar_t* deliverable;  // the DLL's name without ".dll"
  const wchar_t* prog_id;
  const wchar_t* version_independent_prog_id;
  const wchar_t* description;
  const wchar_t* clsid;  // "{...}" as the registry spells it
  const wchar_t* iid;
  const wchar_t* libid;
  const wchar_t* appid;
  DWORD misc_status;
  bool sizable;                 // ImageAnimate: starts 5080 x 5080 and takes any extent
  bool answers_property_pages;  // ISpecifyPropertyPages
};

// All six, in the order ImageCompose, ImageCompare, ImageClipboard, ImageCompress,
// ImageAnimate, ImageCapture.
std::span<const ControlRow> AllControls();

// The rows of the controls this build made (ORVANE_BUILT_CONTROLS, from CMake).
std::span<const ControlRow> BuiltControls();

const ControlRow& ControlNamed(const wchar_t* deliverable);

GUID GuidOf(const wchar_t* text);

// Names a row in test output.
void PrintTo(const ControlRow& row, std::ostream* out);

}  // namespace orvane::test

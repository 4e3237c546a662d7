#include "control_table.h"

#include <objbase.h>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace orvane::test {
namespace {

constexpr DWORD kDesignTimeOnly = 132497;
constexpr DWORD kVisible = 131473;

constexpr ControlRow kControls[] = {
    {L"OrvaneImageCompose", L"OrvaneImageCompose.ImageCompose.1",
     L"OrvaneImageCompose.ImageCompose", L"OrvaneImageCompose Class",
     L"{62568F24-1BFD-412C-B1BD-217FA2F5208B}", L"{CD263E27-5675-4783-9985-B3D34BA1FF51}",
     L"{CA3F17F7-06D2-460D-8B91-12B2237B2F77}", L"{30F1EE8A-DCFD-4541-9960-B8CEAA645DE7}",
     kDesignTimeOnly, false, false},
    {L"OrvaneImageCompare", L"OrvaneImageCompare.ImageCompare.1",
     L"OrvaneImageCompare.ImageCompare", L"OrvaneImageCompare Class",
     L"{0CF12B75-3B84-4118-BAE6-FD36D08AA1DD}", L"{4ADB1FB1-FBA7-4E9C-B149-EEA478D92D7E}",
     L"{83C9F745-C89D-47FF-A8AB-2A8301C96DBA}", L"{86BD42E1-E6F0-44D5-9097-FA08739D7C9B}",
     kDesignTimeOnly, false, false},
    {L"OrvaneImageClipboard", L"OrvaneImageClipboard.ImageClipboard.1",
     L"OrvaneImageClipboard.ImageClipboard", L"OrvaneImageClipboard Class",
     L"{10FA0777-457C-4ED0-B4FB-1931AC4EDFBC}", L"{3FF84B75-A2B6-43AA-90AA-BA94458C520E}",
     L"{FA79208B-5D84-43C0-9AC9-90CEB85FEEFD}", L"{45AFC5D2-8094-4773-92B9-28F35C92349C}",
     kDesignTimeOnly, false, false},
    {L"OrvaneImageCompress", L"OrvaneImageCompress.ImageCompress.1",
     L"OrvaneImageCompress.ImageCompress", L"OrvaneImageCompress Class",
     L"{618F55A9-539A-4448-8F67-13B89AEC00F5}", L"{81FF8572-CF32-48F6-8567-A3AB1B96A8A3}",
     L"{4E0B031B-C3C1-4BA2-A67C-4404BAA3054A}", L"{D48FB83E-E38E-48F3-88FA-3435675F7264}",
     kDesignTimeOnly, false, true},
    {L"OrvaneImageAnimate", L"OrvaneImageAnimate.ImageAnimate.1",
     L"OrvaneImageAnimate.ImageAnimate", L"OrvaneImageAnimate Class",
     L"{FA0C8691-93E9-47B8-B779-64E8DD3245DC}", L"{83E24860-66F2-4750-9C62-CF28A2632344}",
     L"{8DD4D6A0-3650-4A52-9CA9-5427A92E7B85}", L"{6761D223-B387-4E79-AE17-01513BDA9435}", kVisible,
     true, true},
    {L"OrvaneImageCapture", L"OrvaneImageCapture.ImageCapture.1",
     L"OrvaneImageCapture.ImageCapture", L"OrvaneImageCapture Class",
     L"{02118166-A114-4636-BEF8-C9C37EA2533F}", L"{AEBE0D80-CE26-4ABF-A633-B250A4B3E684}",
     L"{A5CDFFBE-FC63-494C-B821-EB0739B8704F}", L"{2CCC01FB-DE40-4C15-96C6-E89208D656FF}",
     kDesignTimeOnly, false, false},
};

std::vector<ControlRow> SelectBuilt() {
  std::vector<ControlRow> rows;
  const std::wstring_view built = ORVANE_BUILT_CONTROLS;  // "A,B,C"
  for (const ControlRow& row : kControls) {
    for (std::size_t start = 0; start <= built.size();) {
      std::size_t end = built.find(L',', start);
      if (end == std::wstring_view::npos) end = built.size();
      if (built.substr(start, end - start) == row.deliverable) rows.push_back(row);
      start = end + 1;
    }
  }
  return rows;
}

}  // namespace

std::span<const ControlRow> AllControls() { return kControls; }

std::span<const ControlRow> BuiltControls() {
  static const std::vector<ControlRow> rows = SelectBuilt();
  return rows;
}

const ControlRow& ControlNamed(const wchar_t* deliverable) {
  for (const ControlRow& row : kControls) {
    if (std::wstring_view(row.deliverable) == deliverable) return row;
  }
  std::abort();
}

void PrintTo(const ControlRow& row, std::ostream* out) {
  for (const wchar_t* c = row.deliverable; *c != L'\0'; ++c) *out << static_cast<char>(*c);
}

GUID GuidOf(const wchar_t* text) {
  GUID guid = GUID_NULL;
  CLSIDFromString(const_cast<LPOLESTR>(text), &guid);
  return guid;
}

}  // namespace orvane::test

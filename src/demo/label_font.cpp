#include "label_font.h"

namespace orvane::demo {

std::unique_ptr<Gdiplus::FontFamily> LabelFontFamily() {
  for (const wchar_t* name : {L"Tahoma", L"DejaVu Sans", L"Liberation Sans", L"Arial"}) {
    auto family = std::make_unique<Gdiplus::FontFamily>(name);
    if (family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable()) return family;
  }
  return nullptr;
}

}  // namespace orvane::demo

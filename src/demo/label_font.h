// The font family of the demo's labels: the first of a few common sans-serif families that is
// installed (Wine offers the system's fonts besides its own).
#pragma once

#include <memory>

#include "gdiplus_include.h"

namespace orvane::demo {

// Null when none is installed; the labels are then left out.
std::unique_ptr<Gdiplus::FontFamily> LabelFontFamily();

}  // namespace orvane::demo

#pragma once

#include <initializer_list>
#include <memory>

#include "win/gdiplus_win.h"

namespace flenmark::win {

// The first of the named font families this system has, else GDI+'s generic sans-serif family,
// else the family of the system's message font: text always gets a font to be drawn in (under
// wine, say, neither the named families nor the generic one may exist).
std::unique_ptr<Gdiplus::FontFamily> AvailableFontFamily(
    std::initializer_list<const wchar_t*> names);

}  // namespace flenmark::win

#pragma once

#include <string>

namespace flenmark {

// Draws an SVG picture into a PNG file of the picture's size, written aside and put in place
// whole. False when it cannot: the file cannot be written, or this build draws no pictures
// (it has no Qt).
bool WriteSvgAsPng(const std::string& svg, const std::string& pngPath);

}  // namespace flenmark

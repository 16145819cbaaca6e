// The build without Qt: no pictures are drawn.
#include "platform/svg_picture.h"

namespace flenmark {

bool WriteSvgAsPng(const std::string&, const std::string&) {
    return false;
}

}  // namespace flenmark

#pragma once

#include <QIcon>

namespace flenmark {

// The program's icon: a small aircraft on a blue disc, painted at start.
QIcon AppIcon();

}  // namespace flenmark

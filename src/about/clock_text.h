#pragma once
#include <string>

#include "ui/platform.h"

namespace about {

// 2014年6月13日8时59分55秒; trailing zero parts of the time are left out, so a whole minute
// ends in 分, a whole hour in 时, and midnight shows the date alone.
std::string dateTimeText(const ui::LocalTime& t);

}  // namespace about

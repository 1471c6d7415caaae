#pragma once
#include <vector>

#include "ui/form.h"

namespace app {

inline constexpr int kOpenHomePage = 1;
// The command that shows page p is kShowPage + p.
inline constexpr int kShowPage = 100;

std::vector<ui::MenuItem> mainMenu();

}  // namespace app

#pragma once
#include <string>
#include <string_view>

#include "ui/form.h"
#include "ui/platform.h"

namespace about {

// The start page: clock, the maker's notice and two link buttons; its timer ticks
// whichever page is shown.
void addAboutPage(ui::Form& form, ui::Platform& platform, std::string_view page);

std::string noticeText();

}  // namespace about

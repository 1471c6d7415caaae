#pragma once
#include "ui/platform.h"

namespace win32 {

class Win32Platform : public ui::Platform {
 public:
  void message(std::string_view text, std::string_view title) override;
  ui::LocalTime now() override;
  void open(std::string_view url) override;
};

}  // namespace win32

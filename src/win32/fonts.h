#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/control.h"

namespace win32 {

// Creates each distinct font once and deletes them all at the end.
class Fonts {
 public:
  Fonts() = default;
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  ~Fonts();
  HFONT get(const ui::Font& font);

 private:
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
};

}  // namespace win32

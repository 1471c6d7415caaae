#pragma once
// The services handlers need from the system. The Win32 view implements them for real;
// tests use a recording fake.
#include <string_view>

namespace ui {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // A modal box with one OK button and no icon, owned by no window.
  virtual void message(std::string_view text, std::string_view title) = 0;
  virtual LocalTime now() = 0;
  // Hands the address to the shell's "open" action; failures are not reported.
  virtual void open(std::string_view url) = 0;
};

}  // namespace ui

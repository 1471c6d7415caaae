#pragma once
// The application: the window's form with all twenty pages, the level table, start-up
// and shut-down.
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/platform.h"

namespace app {

inline constexpr std::string_view kPageContainer = "选择夹1";
inline constexpr int kPageCount = 20;

// Page names by index; they are stored, never shown.
const std::vector<std::string>& pageNames();

class App {
 public:
  // Start-up: an empty level table and the whole form, handlers bound. The window's
  // creation runs windowCreated().
  explicit App(ui::Platform& platform);

  ui::Form& form() { return form_; }
  const std::vector<std::string>& levelTable() const { return levels_; }

  // Shows one page, clamped into 0..19. Raises no event.
  void showPage(int page);

  // Releases the level table; returns the exit code.
  int shutDown();

 private:
  void windowCreated();

  ui::Platform& platform_;
  std::vector<std::string> levels_;
  ui::Form form_;
};

}  // namespace app

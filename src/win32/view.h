#pragma once
// Real windows for a Form: builds the controls from their descriptions, mirrors the
// Form's state into them and turns user input into Form events.
#include <windows.h>

#include <array>
#include <vector>

#include "ui/form.h"
#include "win32/fonts.h"

namespace win32 {

// Control ids are the control's index in the Form plus this base.
inline constexpr int kControlIdBase = 1000;

// Whether a control of this kind is a real window (pages and timers are not).
inline bool hasWindow(ui::Kind kind) {
  return kind != ui::Kind::PageContainer && kind != ui::Kind::Page && kind != ui::Kind::TabPage &&
         kind != ui::Kind::Timer;
}

class View : public ui::FormObserver {
 public:
  explicit View(ui::Form& form) : form_(form) {}
  View(const View&) = delete;
  View& operator=(const View&) = delete;
  ~View() override;

  // Creates and shows the main window; the Form's creation event runs before it is shown.
  bool create(HINSTANCE instance, int show);
  // Runs the message loop until the window is closed.
  void run();

  void formChanged(int index, ui::Aspect aspect) override;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR index, DWORD_PTR view);
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void onCreate(HWND hwnd);
  void createControl(int index);
  void createShownPages();
  void stack(const std::vector<int>& controls);
  void onCommand(int index, int code);
  LRESULT onNotify(const NMHDR& header);
  LRESULT onColour(HDC dc, HWND control);
  void pick(int index);
  void applyVisibility();
  void writeText(int index);
  int indexOf(HWND control) const;
  const std::string& nameOf(int index) const { return form_.control(index).desc.name; }

  ui::Form& form_;
  Fonts fonts_;
  std::array<HICON, 2> icons_{};  // large and small, from the same 48x48 image
  HWND main_ = nullptr;
  HWND host_ = nullptr;        // the page container; every control is its child
  std::vector<HWND> windows_;  // by control index; null for pages and timers
  std::vector<int> pageOf_;    // by control index: the page it is on, -1 for none
  std::vector<bool> dropped_;  // combo boxes whose list is open
  bool writing_ = false;       // the view itself is writing a control
  unsigned inputSerial_ = 0;   // counts the messages the loop dispatches
  unsigned pickSerial_ = ~0u;  // the message that raised the last pick
};

}  // namespace win32

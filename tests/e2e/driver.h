#pragma once
// Starts the real program and works it through Win32 messages, as a user's input would
// reach it: characters, clicks, keys, menu commands, drop-down picks.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "ui/platform.h"
#include "win32/utf16.h"

namespace e2e {

using namespace std::chrono_literals;

// Waits until the condition holds; false when the time runs out.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);

struct MessageBoxSeen {
  HWND window = nullptr;
  std::string title, text;
  bool hasIcon = false;
  bool owned = false;
};

class Driver {
 public:
  // Starts the program and waits for its window to be shown.
  Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  // Ends the program if a test left it running.
  ~Driver();

  HWND window() const { return window_; }
  // A control's window. Pages make their windows when first shown: show it first.
  HWND control(std::string_view name) const;
  // The same, null when the window does not exist (yet).
  HWND findControl(std::string_view name) const;
  // Shows the page a control is on, through its menu command.
  void showPageOf(std::string_view name);
  DWORD processId() const { return processId_; }
  HANDLE process() const { return process_; }

  // Reading.
  std::string text(std::string_view name) const;
  std::string textOf(HWND hwnd) const;
  bool visible(std::string_view name) const { return IsWindowVisible(control(name)) != FALSE; }
  bool enabled(std::string_view name) const { return IsWindowEnabled(control(name)) != FALSE; }
  std::vector<std::string> listItems(std::string_view name) const;
  int comboSelection(std::string_view name) const;

  // Input. Characters and clicks are sent and so are handled before these return.
  void type(std::string_view name, std::string_view utf8);
  void selectAll(std::string_view name);
  void typeOver(std::string_view name, std::string_view utf8);
  // Puts the text on the clipboard and pastes it over the whole box.
  void pasteOver(std::string_view name, std::string_view utf8);
  void click(std::string_view name);      // a mouse click, waits for its handling
  void postClick(std::string_view name);  // the same without waiting (may open a box)
  void pressSpin(std::string_view name, bool up);
  void postKey(HWND target, WORD key);  // through the program's message loop
  void menuCommand(int command);
  // A click at a point in the control's client area (the other process's rectangles
  // cannot be asked for).
  void clickAt(std::string_view name, int x, int y);

  // A message box of the program, when one appears in time.
  MessageBoxSeen waitMessageBox(std::chrono::milliseconds timeout = 5s) const;
  void answer(const MessageBoxSeen& box) const;

  // Presses Esc and returns the exit code, or -1 if the program did not end.
  int pressEscapeAndWait(HWND target = nullptr);
  int waitExit(std::chrono::milliseconds timeout = 10s);

  // The same form the program builds, to find controls by name.
  const ui::Form& form() const { return app_.form(); }

 private:
  class NullPlatform : public ui::Platform {
   public:
    void message(std::string_view, std::string_view) override {}
    ui::LocalTime now() override { return {}; }
    void open(std::string_view) override {}
  };
  NullPlatform platform_;
  mutable app::App app_{platform_};
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// The first visible top-level window of a process whose window class is wanted.
HWND visibleTopLevel(DWORD processId, bool (*wanted)(std::wstring_view cls));

using win32::narrow;
using win32::widen;

// Starts a program and returns the time until its first visible top-level window.
std::chrono::duration<double, std::milli> timeToWindow(const std::wstring& commandLine,
                                                       HANDLE* process = nullptr);

// The directory of the running test program.
std::wstring ownDirectory();

}  // namespace e2e

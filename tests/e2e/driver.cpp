#include "driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "app/menu.h"
#include "win32/view.h"

namespace e2e {
namespace {

bool notADialog(std::wstring_view cls) {
  return cls != L"#32770";
}

}  // namespace

HWND visibleTopLevel(DWORD processId, bool (*wanted)(std::wstring_view cls)) {
  struct Search {
    DWORD processId;
    bool (*wanted)(std::wstring_view);
    HWND found = nullptr;
  } search{processId, wanted};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (pid != s->processId || !IsWindowVisible(hwnd) || !s->wanted(cls)) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

namespace {

HWND visibleWindowOf(DWORD processId) {
  return visibleTopLevel(processId, notADialog);
}

PROCESS_INFORMATION start(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return {};
  }
  CloseHandle(info.hThread);
  return info;
}

// A point inside a control, in its own client coordinates.
LPARAM centreOf(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
}

}  // namespace

std::wstring ownDirectory() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::chrono::duration<double, std::milli> timeToWindow(const std::wstring& commandLine,
                                                       HANDLE* process) {
  const auto begin = std::chrono::steady_clock::now();
  PROCESS_INFORMATION info = start(commandLine);
  if (!info.hProcess) return std::chrono::duration<double, std::milli>(-1);
  while (!visibleWindowOf(info.dwProcessId)) {
    if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  const auto elapsed = std::chrono::steady_clock::now() - begin;
  if (process) {
    *process = info.hProcess;
  } else {
    CloseHandle(info.hProcess);
  }
  return elapsed;
}

Driver::Driver() {
  const std::wstring exe = ownDirectory() + widen(FEICHE_EXE);
  PROCESS_INFORMATION info = start(L"\"" + exe + L"\"");
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  if (!process_) {
    ADD_FAILURE() << "could not start " << narrow(exe);
    return;
  }
  waitFor([&] { return (window_ = visibleWindowOf(processId_)) != nullptr; }, 30s);
  if (!window_) ADD_FAILURE() << "the program showed no window";
}

Driver::~Driver() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 5000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
  }
  CloseHandle(process_);
}

HWND Driver::control(std::string_view name) const {
  HWND found = findControl(name);
  if (!found) ADD_FAILURE() << "no window for " << name;
  return found;
}

HWND Driver::findControl(std::string_view name) const {
  const int index = form().find(name);
  if (index < 0) return nullptr;
  struct Search {
    int id;
    HWND found = nullptr;
  } search{win32::kControlIdBase + index};
  EnumChildWindows(
      window_,
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Driver::showPageOf(std::string_view name) {
  for (int i = form().find(name); i >= 0; i = form().control(i).parent) {
    if (form().control(i).desc.kind == ui::Kind::Page) {
      menuCommand(app::kShowPage + form().control(i).pageNumber);
      return;
    }
  }
}

std::string Driver::textOf(HWND hwnd) const {
  // WM_GETTEXT, not GetWindowText: another process's edit boxes keep their own text.
  const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return narrow(text);
}

std::string Driver::text(std::string_view name) const {
  return textOf(control(name));
}

std::vector<std::string> Driver::listItems(std::string_view name) const {
  HWND list = control(name);
  std::vector<std::string> items;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    items.push_back(narrow(item));
  }
  return items;
}

int Driver::comboSelection(std::string_view name) const {
  return static_cast<int>(SendMessageW(control(name), CB_GETCURSEL, 0, 0));
}

void Driver::type(std::string_view name, std::string_view utf8) {
  HWND edit = control(name);
  for (wchar_t ch : widen(utf8)) SendMessageW(edit, WM_CHAR, ch, 1);
}

void Driver::selectAll(std::string_view name) {
  SendMessageW(control(name), EM_SETSEL, 0, -1);
}

void Driver::typeOver(std::string_view name, std::string_view utf8) {
  selectAll(name);
  type(name, utf8);
}

void Driver::pasteOver(std::string_view name, std::string_view utf8) {
  const std::wstring text = widen(utf8);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    ADD_FAILURE() << "the clipboard is busy";
    return;
  }
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  selectAll(name);
  SendMessageW(control(name), WM_PASTE, 0, 0);
}

void Driver::click(std::string_view name) {
  HWND button = control(name);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  SendMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

void Driver::postClick(std::string_view name) {
  HWND button = control(name);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  PostMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

void Driver::pressSpin(std::string_view name, bool up) {
  HWND spin = control(name);
  RECT r;
  GetClientRect(spin, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
  SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(spin, WM_LBUTTONUP, 0, at);
}

void Driver::postKey(HWND target, WORD key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void Driver::menuCommand(int command) {
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void Driver::clickAt(std::string_view name, int x, int y) {
  HWND target = control(name);
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

MessageBoxSeen Driver::waitMessageBox(std::chrono::milliseconds timeout) const {
  MessageBoxSeen seen;
  waitFor(
      [&] {
        seen.window =
            visibleTopLevel(processId_, [](std::wstring_view cls) { return cls == L"#32770"; });
        return seen.window != nullptr;
      },
      timeout);
  if (!seen.window) return seen;
  seen.title = textOf(seen.window);
  seen.text = textOf(GetDlgItem(seen.window, 0xFFFF));
  seen.owned = GetWindow(seen.window, GW_OWNER) != nullptr;
  for (HWND child = GetWindow(seen.window, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (std::wstring_view(cls) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      seen.hasIcon = true;
    }
  }
  return seen;
}

void Driver::answer(const MessageBoxSeen& box) const {
  HWND ok = GetDlgItem(box.window, IDOK);
  PostMessageW(ok ? ok : box.window, ok ? BM_CLICK : WM_CLOSE, 0, 0);
  waitFor([&] { return !IsWindow(box.window); });
}

int Driver::pressEscapeAndWait(HWND target) {
  postKey(target ? target : window_, VK_ESCAPE);
  return waitExit();
}

int Driver::waitExit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

}  // namespace e2e

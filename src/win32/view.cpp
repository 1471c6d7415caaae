#include "win32/view.h"

#include <commctrl.h>

#include "ui/input_filter.h"
#include "win32/utf16.h"

namespace win32 {
namespace {

using ui::Kind;

constexpr wchar_t kWindowClass[] = L"FeicheCalcWindow";
constexpr wchar_t kHostClass[] = L"FeicheCalcPages";
constexpr int kIconResource = 1;
constexpr int kComboListHeight = 240;

// Top of the stacking order first: controls over the labels that carry their captions,
// labels over the frames, tab controls and group boxes they sit in.
int layer(Kind kind) {
  switch (kind) {
    case Kind::Label:
    case Kind::TransparentLabel:
      return 1;
    case Kind::TabControl:
      return 2;
    case Kind::Frame:
      return 3;
    case Kind::GroupBox:
      return 4;
    default:
      return 0;
  }
}

struct NativeClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

NativeClass nativeClass(const ui::ControlDesc& d) {
  // Backgrounds are drawn beneath their siblings; everything above clips against them.
  constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
  const DWORD align = d.align == ui::Align::Center ? SS_CENTER : SS_LEFT;
  const DWORD singleLine = d.wrap ? 0 : SS_CENTERIMAGE;
  switch (d.kind) {
    case Kind::GroupBox:
      return {L"Button", WS_CHILD | BS_GROUPBOX | (d.align == ui::Align::Center ? BS_CENTER : 0u),
              0};
    case Kind::Frame:
      return {L"Static", WS_CHILD | SS_OWNERDRAW, 0};  // a black line, whatever the theme
    case Kind::Label:
      return {L"Static", child | SS_NOPREFIX | align | singleLine, 0};
    case Kind::TransparentLabel:
      return {L"Static", child | SS_NOPREFIX | align | singleLine, WS_EX_TRANSPARENT};
    case Kind::Edit:
      return {L"Edit", child | WS_TABSTOP | WS_BORDER | ES_CENTER | ES_AUTOHSCROLL, 0};
    case Kind::Spin:
      return {UPDOWN_CLASSW, child, 0};
    case Kind::Button:
      return {L"Button", child | WS_TABSTOP | (d.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
              0};
    case Kind::Combo:
      return {L"ComboBox", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case Kind::List:
      return {L"ListBox",
              child | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | (d.sunken ? 0u : WS_BORDER),
              d.sunken ? WS_EX_CLIENTEDGE : 0u};
    case Kind::TabControl:
      return {WC_TABCONTROLW, WS_CHILD | TCS_MULTILINE, 0};
    default:
      return {nullptr, 0, 0};
  }
}

HMENU buildMenu(const std::vector<ui::MenuItem>& items, bool bar) {
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  for (const ui::MenuItem& item : items) {
    const std::wstring text = widen(item.text);
    if (item.items.empty()) {
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command), text.c_str());
    } else {
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(buildMenu(item.items, false)),
                  text.c_str());
    }
  }
  return menu;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

View::~View() {
  form_.setObserver(nullptr);
  if (main_ && IsWindow(main_)) DestroyWindow(main_);
  for (HICON icon : icons_) DestroyIcon(icon);
}

bool View::create(HINSTANCE instance, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  const auto icon = [instance](int size) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
  };
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.hIcon = icon(48);
  windowClass.hIconSm = icon(48);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  icons_ = {windowClass.hIcon, windowClass.hIconSm};
  windowClass.hIcon = windowClass.hIconSm = nullptr;
  windowClass.lpszClassName = kHostClass;
  RegisterClassExW(&windowClass);

  const ui::WindowDesc& w = form_.window();
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - w.height) / 2;
  HWND hwnd =
      CreateWindowExW(0, kWindowClass, widen(w.title).c_str(),
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, x, y, w.width,
                      w.height, nullptr, buildMenu(form_.menu(), true), instance, this);
  if (!hwnd) return false;
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0]));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1]));
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  return true;
}

void View::run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ++inputSerial_;
    const bool ours = main_ && (msg.hwnd == main_ || IsChild(main_, msg.hwnd));
    if (ours && msg.message == WM_KEYDOWN) {
      // The window sees every key before its controls: Esc closes it from anywhere.
      if (msg.wParam == VK_ESCAPE) {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        continue;
      }
      if (msg.wParam == VK_TAB) {
        HWND focus = GetFocus();
        while (focus && GetParent(focus) != host_) focus = GetParent(focus);
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(host_, focus, back)) SetFocus(next);
        continue;
      }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK View::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* view = reinterpret_cast<View*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return view ? view->handle(hwnd, message, wParam, lParam)
              : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT View::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (!main_) onCreate(hwnd);
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        form_.command(LOWORD(wParam));  // a menu item
      } else if (const int index = indexOf(reinterpret_cast<HWND>(lParam)); index >= 0) {
        onCommand(index, HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY:
      return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (indexOf(item.hwndItem) < 0) break;
      FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return onColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
      if (hwnd == main_ && wParam < windows_.size()) {
        form_.ticked(nameOf(static_cast<int>(wParam)));
        return 0;
      }
      break;
    case WM_DESTROY:
      if (hwnd == main_) {
        for (int i = 0; i < form_.size(); ++i) {
          if (form_.control(i).desc.kind == Kind::Timer) KillTimer(main_, static_cast<UINT_PTR>(i));
        }
        PostQuitMessage(0);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void View::onCreate(HWND hwnd) {
  main_ = hwnd;
  windows_.assign(static_cast<std::size_t>(form_.size()), nullptr);
  dropped_.assign(static_cast<std::size_t>(form_.size()), false);
  pageOf_.assign(static_cast<std::size_t>(form_.size()), -1);
  for (int i = 0; i < form_.size(); ++i) {
    const ui::Control& c = form_.control(i);
    if (c.parent >= 0) {
      pageOf_[i] = form_.control(c.parent).desc.kind == Kind::Page ? c.parent : pageOf_[c.parent];
    }
    if (c.desc.kind == Kind::PageContainer && !host_) {
      const ui::Rect& r = c.desc.rect;
      host_ = CreateWindowExW(
          WS_EX_CONTROLPARENT, kHostClass, L"", WS_CHILD | WS_VISIBLE, r.x, r.y, r.w, r.h, hwnd,
          nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), this);
    }
  }
  form_.setObserver(this);
  form_.windowCreated();
  for (int i = 0; i < form_.size(); ++i) {
    const ui::ControlDesc& d = form_.control(i).desc;
    if (d.kind == Kind::Timer) {
      SetTimer(main_, static_cast<UINT_PTR>(i), static_cast<UINT>(d.interval), nullptr);
    }
  }
  applyVisibility();
}

// A page's windows are made the first time it is shown, all of them at once (the hidden
// ones too): start-up then pays only for the first page.
void View::createShownPages() {
  std::vector<int> created;
  for (int i = 0; i < form_.size(); ++i) {
    if (windows_[i] || !hasWindow(form_.control(i).desc.kind)) continue;
    if (pageOf_[i] >= 0 && !form_.shown(pageOf_[i])) continue;
    createControl(i);
    created.push_back(i);
  }
  stack(created);
}

void View::createControl(int index) {
  const ui::Control& c = form_.control(index);
  const ui::ControlDesc& d = c.desc;
  // Every control is a child of the page container, at its offset summed over its parents.
  int x = d.rect.x, y = d.rect.y;
  for (int p = c.parent; p >= 0 && form_.control(p).desc.kind != Kind::PageContainer;
       p = form_.control(p).parent) {
    x += form_.control(p).desc.rect.x;
    y += form_.control(p).desc.rect.y;
  }
  const NativeClass native = nativeClass(d);
  const int height = d.kind == Kind::Combo ? d.rect.h + kComboListHeight : d.rect.h;
  HWND hwnd = CreateWindowExW(native.exStyle, native.name, widen(c.text).c_str(), native.style, x,
                              y, d.rect.w, height, host_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + index)),
                              nullptr, nullptr);
  windows_[index] = hwnd;
  if (!c.enabled) EnableWindow(hwnd, FALSE);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(ui::fontOf(d))), FALSE);
  switch (d.kind) {
    case Kind::Edit:
      SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
      SetWindowSubclass(hwnd, editProc, static_cast<UINT_PTR>(index),
                        reinterpret_cast<DWORD_PTR>(this));
      break;
    case Kind::Spin:
      // Up counts up, and the position never moves, so no press is lost at a range end.
      SendMessageW(hwnd, UDM_SETRANGE32, 0, 100);
      SendMessageW(hwnd, UDM_SETPOS32, 0, 50);
      break;
    case Kind::Combo:
    case Kind::List:
      for (const std::string& item : d.items) {
        SendMessageW(hwnd, d.kind == Kind::Combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(widen(item).c_str()));
      }
      if (d.kind == Kind::Combo) SetWindowTextW(hwnd, widen(c.text).c_str());
      break;
    case Kind::TabControl:
      for (std::size_t i = 0; i < d.items.size(); ++i) {
        std::wstring text = widen(d.items[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(c.current), 0);
      break;
    default:
      break;
  }
}

void View::stack(const std::vector<int>& controls) {
  for (int level = 0; level <= 4; ++level) {
    for (int i : controls) {
      if (layer(form_.control(i).desc.kind) == level) {
        SetWindowPos(windows_[i], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
      }
    }
  }
}

LRESULT CALLBACK View::editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR index, DWORD_PTR view) {
  if (message == WM_CHAR) {
    const auto& form = reinterpret_cast<View*>(view)->form_;
    const ui::Input mode = form.control(static_cast<int>(index)).desc.input;
    if (!ui::acceptsTyped(mode, static_cast<char32_t>(wParam))) return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void View::onCommand(int index, int code) {
  switch (form_.control(index).desc.kind) {
    case Kind::Edit:
      if (code == EN_CHANGE && !writing_)
        form_.edited(nameOf(index), narrow(windowText(windows_[index])));
      break;
    case Kind::Button:
      if (code == BN_CLICKED) form_.clicked(nameOf(index));
      break;
    case Kind::Combo:
      switch (code) {
        case CBN_DROPDOWN:
          dropped_[index] = true;
          break;
        case CBN_CLOSEUP:
          dropped_[index] = false;
          break;
        case CBN_SELCHANGE:
          // While the list is open the highlight only moves; the pick comes with SELENDOK.
          if (!dropped_[index]) pick(index);
          break;
        case CBN_SELENDOK:
          pick(index);
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

// One pick arrives as several notifications from the same input message; only the
// first of them raises the event.
void View::pick(int index) {
  if (pickSerial_ == inputSerial_) return;
  pickSerial_ = inputSerial_;
  const int item = static_cast<int>(SendMessageW(windows_[index], CB_GETCURSEL, 0, 0));
  form_.picked(nameOf(index), item);
}

LRESULT View::onNotify(const NMHDR& header) {
  const int index = indexOf(header.hwndFrom);
  if (index < 0) return 0;
  if (header.code == UDN_DELTAPOS) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    form_.spun(nameOf(index), change.iDelta > 0 ? +1 : -1);
    return TRUE;
  }
  if (header.code == TCN_SELCHANGE) {
    const int page = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
    form_.tabClicked(nameOf(index), page);
  }
  return 0;
}

LRESULT View::onColour(HDC dc, HWND control) {
  const int index = indexOf(control);
  if (index < 0)
    return DefWindowProcW(host_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  const ui::ControlDesc& d = form_.control(index).desc;
  if (d.kind == Kind::Label || d.kind == Kind::TransparentLabel) {
    SetTextColor(dc, RGB(d.colour.r, d.colour.g, d.colour.b));
  }
  if (d.kind == Kind::TransparentLabel) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (d.kind == Kind::Edit) {
    return DefWindowProcW(host_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void View::formChanged(int index, ui::Aspect aspect) {
  switch (aspect) {
    case ui::Aspect::Text:
      writeText(index);
      break;
    case ui::Aspect::Enabled:
      if (windows_[index]) EnableWindow(windows_[index], form_.control(index).enabled);
      break;
    case ui::Aspect::Page:
      if (windows_[index] && form_.control(index).desc.kind == Kind::TabControl) {
        SendMessageW(windows_[index], TCM_SETCURSEL,
                     static_cast<WPARAM>(form_.control(index).current), 0);
      }
      applyVisibility();
      break;
  }
}

void View::writeText(int index) {
  HWND hwnd = windows_[index];
  if (!hwnd) return;
  const std::wstring text = widen(form_.control(index).text);
  if (windowText(hwnd) == text) return;  // spares a repaint, and the caret where it is
  const bool outer = writing_;
  writing_ = true;
  SetWindowTextW(hwnd, text.c_str());
  writing_ = outer;
  if (GetFocus() == hwnd) SendMessageW(hwnd, EM_SETSEL, text.size(), text.size());
}

void View::applyVisibility() {
  createShownPages();
  for (int i = 0; i < form_.size(); ++i) {
    if (windows_[i]) ShowWindow(windows_[i], form_.shown(i) ? SW_SHOWNA : SW_HIDE);
  }
  HWND focus = GetFocus();
  if (focus && IsChild(host_, focus) && !IsWindowVisible(focus)) SetFocus(main_);
}

int View::indexOf(HWND control) const {
  if (!control) return -1;
  const int index = GetDlgCtrlID(control) - kControlIdBase;
  return index >= 0 && index < form_.size() && windows_[index] == control ? index : -1;
}

}  // namespace win32

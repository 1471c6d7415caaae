#pragma once
// Control descriptions: what a form designer stores for each control of a page.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class Kind {
  PageContainer,  // pages without tab headers; the menu switches them
  Page,           // one page of a PageContainer
  TabControl,     // pages with clickable tabs
  TabPage,        // one page of a TabControl
  GroupBox,
  Frame,             // one-pixel black rectangle, no fill
  Label,             // opaque, button-face background
  TransparentLabel,  // draws only its text
  Edit,
  Spin,  // stand-alone vertical up-down arrows
  Button,
  Combo,  // editable drop-down
  List,
  Timer,  // never shown; `interval` in milliseconds
};

// Which typed characters an edit box keeps; pastes and program writes are not filtered.
enum class Input { Any, Integer, Decimal };

enum class Align { Left, Center };

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// An empty face means the system's default GUI font. Heights are character heights.
struct Font {
  std::string face;
  int height = 0;
  bool bold = false;
};

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
};

struct ControlDesc {
  std::string name{};
  Kind kind = Kind::Label;
  std::string parent{};  // empty: the window's client area
  Rect rect{};
  std::string text{};
  std::optional<Font> font{};  // unset: the default for the kind
  Colour colour{};
  Align align = Align::Left;
  Input input = Input::Any;
  bool visible = true;
  bool wrap = false;           // labels: wrap into several lines
  bool sunken = false;         // lists: 3-D border instead of a single line
  bool defaultButton = false;  // buttons drawn as default push buttons
  std::vector<std::string> items{};
  int current = 0;   // containers: the page shown at start
  int interval = 0;  // timers
};

// The fonts a control draws in unless its description names one.
Font fontOf(const ControlDesc& desc);

}  // namespace ui

#pragma once
#include "ui/control.h"

namespace ui {

// Whether a typed character reaches an edit box in the given input mode. Control
// characters (backspace, tab, enter, the clipboard keys) always pass.
bool acceptsTyped(Input mode, char32_t ch);

}  // namespace ui

#include "ui/input_filter.h"

namespace ui {

bool acceptsTyped(Input mode, char32_t ch) {
  if (ch < 0x20 || ch == 0x7F) return true;
  const bool digitOrMinus = (ch >= U'0' && ch <= U'9') || ch == U'-';
  switch (mode) {
    case Input::Any:
      return true;
    case Input::Integer:
      return digitOrMinus;
    case Input::Decimal:
      return digitOrMinus || ch == U'.';
  }
  return false;
}

}  // namespace ui

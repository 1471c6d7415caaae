#include "ui/control.h"

namespace ui {

Font fontOf(const ControlDesc& desc) {
  if (desc.font) return *desc.font;
  switch (desc.kind) {
    case Kind::Label:
    case Kind::TransparentLabel:
    case Kind::Edit:
    case Kind::List:
      return {"宋体", 14, false};
    case Kind::GroupBox:
      return {"宋体", 14, true};
    default:
      return {};
  }
}

}  // namespace ui

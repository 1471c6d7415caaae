#include "win32/fonts.h"

#include "win32/utf16.h"

namespace win32 {

Fonts::~Fonts() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Fonts::get(const ui::Font& font) {
  if (font.face.empty()) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const auto key = std::make_tuple(font.face, font.height, font.bold);
  if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  // A negative height asks for the character height rather than the cell height.
  HFONT handle =
      CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, widen(font.face).c_str());
  fonts_.emplace(key, handle);
  return handle;
}

}  // namespace win32

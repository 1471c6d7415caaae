#pragma once
// UTF-8 inside the program, UTF-16 for Windows.
#include <string>
#include <string_view>

namespace win32 {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace win32

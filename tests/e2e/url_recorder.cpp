// Stands in for the browser in the test's Wine prefix: appends each address it is asked
// to open to urls.txt beside itself.

#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  wchar_t path[MAX_PATH];
  std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"urls.txt";
  FILE* out = _wfopen(file.c_str(), L"a");
  if (!out) return 1;
  for (int i = 1; i < argc; ++i) std::fwprintf(out, L"%ls\n", argv[i]);
  std::fclose(out);
  return 0;
}

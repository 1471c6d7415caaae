#include "reference/reference_pages.h"

namespace reference {

std::vector<std::string> spacedRows(const std::vector<std::vector<std::string>>& entries,
                                    bool blankAtEnd) {
  std::vector<std::string> items;
  for (const auto& entry : entries) {
    items.emplace_back();
    items.insert(items.end(), entry.begin(), entry.end());
  }
  if (blankAtEnd) items.emplace_back();
  return items;
}

}  // namespace reference

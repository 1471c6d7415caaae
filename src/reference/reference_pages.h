#pragma once
// The title ladders and reward tables: fixed lists, no handlers.
#include <string>
#include <vector>

#include "ui/form.h"

namespace reference {

// `pages` holds the page names by page index.
void addTitlePages(ui::Form& form, const std::vector<std::string>& pages);
void addRewardPages(ui::Form& form, const std::vector<std::string>& pages);

// List items for entries of one or more rows: an empty item before each entry and,
// when `blankAtEnd`, one after the last.
std::vector<std::string> spacedRows(const std::vector<std::vector<std::string>>& entries,
                                    bool blankAtEnd = true);

}  // namespace reference

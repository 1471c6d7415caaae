#include "app/app.h"

#include <algorithm>

#include "about/about_page.h"
#include "about/links.h"
#include "app/level_values.h"
#include "app/menu.h"
#include "calc/experience_page.h"
#include "calc/target_page.h"
#include "reference/reference_pages.h"

namespace app {

const std::vector<std::string>& pageNames() {
  static const std::vector<std::string> names = {"主菜单", "经验算", "心动算", "舞力算", "合作算",
                                                 "名师算", "边境算", "等级称", "魅力称", "舞力称",
                                                 "心动称", "合作称", "荣誉称", "名师称", "升级奖",
                                                 "师徒奖", "荣誉奖", "魅力奖", "名师奖", "生日奖"};
  return names;
}

App::App(ui::Platform& platform)
    : platform_(platform), form_({"蓝石雀QQ飞车计算器工具【3】", 303, 335}) {
  const std::string container(kPageContainer);
  form_.add({.name = container, .kind = ui::Kind::PageContainer, .rect = {0, 0, 296, 288}});
  for (const std::string& page : pageNames()) {
    form_.add(
        {.name = page, .kind = ui::Kind::Page, .parent = container, .rect = {0, 0, 296, 288}});
  }
  const auto& pages = pageNames();
  about::addAboutPage(form_, platform_, pages[0]);
  calc::addExperiencePage(form_, pages[1], levels_);
  for (std::size_t i = 0; i < calc::targetTracks().size(); ++i) {
    calc::addTargetPage(form_, platform_, pages[2 + i], calc::targetTracks()[i]);
  }
  reference::addTitlePages(form_, pages);
  reference::addRewardPages(form_, pages);

  form_.setMenu(mainMenu());
  form_.onCommand(kOpenHomePage, [this] { platform_.open(about::kHomePage); });
  for (int page = 0; page < kPageCount; ++page) {
    form_.onCommand(kShowPage + page, [this, page] { showPage(page); });
  }
  form_.onCreated([this] { windowCreated(); });
}

void App::windowCreated() {
  std::vector<std::string> filled;
  for (std::size_t start = 0; start <= kLevelValues.size();) {
    const std::size_t space = std::min(kLevelValues.find(' ', start), kLevelValues.size());
    filled.emplace_back(kLevelValues.substr(start, space - start));
    start = space + 1;
  }
  levels_ = std::move(filled);
  form_.link(calc::kFromLevelBox, calc::kToLevelBox);
}

void App::showPage(int page) {
  form_.setPage(kPageContainer, std::clamp(page, 0, kPageCount - 1));
}

int App::shutDown() {
  std::vector<std::string>().swap(levels_);
  return 0;
}

}  // namespace app

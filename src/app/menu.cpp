#include "app/menu.h"

namespace app {

std::vector<ui::MenuItem> mainMenu() {
  const auto show = [](const char* text, int page) {
    return ui::MenuItem{text, kShowPage + page, {}};
  };
  return {
      {"主菜单", 0, {{"蓝石雀官方网站", kOpenHomePage, {}}, show("作者信息", 0)}},
      {"计算器",
       0,
       {show("经验计算器", 1), show("心动计算器", 2), show("舞力计算器", 3), show("合作计算器", 4),
        show("名师计算器", 5), show("荣誉计算器", 6)}},
      {"查询",
       0,
       {{"称号查询",
         0,
         {show("等级称号", 7), show("舞力称号", 9), show("心动称号", 10), show("魅力称号", 8),
          show("名师称号", 13), show("合作称号", 11), show("荣誉称号", 12)}},
        {"奖励查询",
         0,
         {show("生日奖励", 19), show("升级奖励", 14), show("师徒奖励", 15), show("荣誉奖励", 16),
          show("魅力奖励", 17), show("名师奖励", 18)}}}},
  };
}

}  // namespace app

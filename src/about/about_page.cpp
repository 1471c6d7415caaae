#include "about/about_page.h"

#include "about/clock_text.h"
#include "about/links.h"

namespace about {

using ui::Kind;

std::string noticeText() {
  std::string text = "蓝石雀免费辅助群:";
  constexpr int bracketed = 7;
  for (int i = 0; i < static_cast<int>(std::size(kGroupNumbers)); ++i) {
    const std::string number(kGroupNumbers[i]);
    if (i < bracketed) {
      text += "【" + number + "】" + (i % 2 == 1 ? "    " : "");
    } else {
      text += number + "，";
    }
  }
  return text +
         "【【只加一个群】】  "
         "就可以，多加无意，要是升级/刷徒弟有困难找蓝石雀代刷满级201，心动，徒弟，"
         "等等。。。。。。 ";
}

void addAboutPage(ui::Form& form, ui::Platform& platform, std::string_view page) {
  constexpr ui::Colour kPink{255, 80, 128};
  form.add({.name = "分组框3",
            .kind = Kind::GroupBox,
            .parent = std::string(page),
            .rect = {8, 8, 296, 280},
            .text = "关于作者___蓝石雀唯一的QQ；" + std::string(kContactNumber)});
  form.add({.name = "标签",
            .kind = Kind::Label,
            .parent = "分组框3",
            .rect = {6, 18, 288, 24},
            .text = "正在读取时间...  ",
            .colour = kPink,
            .align = ui::Align::Center});
  form.add({.name = "透明标签",
            .kind = Kind::TransparentLabel,
            .parent = "分组框3",
            .rect = {8, 48, 288, 168},
            .text = noticeText(),
            .font = ui::Font{"宋体", 16, true},
            .colour = kPink,
            .wrap = true});
  form.add({.name = "按钮8",
            .kind = Kind::Button,
            .parent = "分组框3",
            .rect = {32, 208, 216, 32},
            .text = "下载蓝石雀全能辅助"});
  form.add({.name = "按钮9",
            .kind = Kind::Button,
            .parent = "分组框3",
            .rect = {32, 248, 216, 32},
            .text = "蓝石雀代刷满级—徒弟"});
  form.add({.name = "时钟1", .kind = Kind::Timer, .parent = std::string(page), .interval = 10});

  auto& f = form;
  f.onTick("时钟1", [&f, &platform] { f.setText("标签", dateTimeText(platform.now())); });
  f.onClicked("按钮8", [&platform] { platform.open(kDownloadPage); });
  f.onClicked("按钮9", [&platform] { platform.open(kServicePage); });
}

}  // namespace about

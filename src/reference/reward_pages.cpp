// The six reward tables.
#include <string_view>

#include "reference/reference_pages.h"

namespace reference {
namespace {

using ui::Kind;

constexpr ui::Colour kRed{255, 0, 0};
const ui::Font kBold{"宋体", 14, true};
const ui::Font kNormal{"宋体", 14, false};

// Joins lines with CR LF, as multi-line labels store them.
std::string lines(std::initializer_list<std::string_view> rows) {
  std::string text;
  for (std::string_view row : rows) {
    if (!text.empty()) text += "\r\n";
    text += row;
  }
  return text;
}

constexpr std::string_view kSeparator = "------------------------------------------";

void addLevelUpPage(ui::Form& form, const std::string& page) {
  form.add({.name = "外形框3", .kind = Kind::Frame, .parent = page, .rect = {0, 0, 320, 300}});
  form.add({.name = "透明标签6",
            .kind = Kind::TransparentLabel,
            .parent = "外形框3",
            .rect = {2, 0, 248, 24},
            .text = "等级    飞车升级奖励表",
            .font = kBold,
            .colour = kRed});
  form.add({.name = "列表框8",
            .kind = Kind::List,
            .parent = "外形框3",
            .rect = {0, 24, 320, 276},
            .font = ui::Font{"宋体", 12, false},
            .items = spacedRows({
                {"2  |小喇叭10个 发饰7天"},
                {"3  |love车牌30天"},
                {"5  |100酷币"},
                {"7  |上,下装各7天"},
                {"8  |橙色墨镜30天"},
                {"10 |100点券,100酷币"},
                {"12 |双倍经验卡1天，砸蛋卡3个，小喇叭10个"},
                {"15 |200点券,300酷币"},
                {"20 |200点券，双倍经验卡，引擎+1，小喇叭10个"},
                {"30 |300点券，幻影30天"},
                {"40 |500点券，祝福小喇叭5个，300经验"},
                {"50 |500点券，表白小喇叭10个 300经验"},
                {"60 |500点券，红色蔷薇眼睛15天，200经验"},
                {"70  500点券，300消费券"},
                {"80 |500点券，300消费券，可爱熊挂尾10个"},
                {"90 |500点券，500消费券，宠物经验卡+200，200经验"},
                {"100|500点券,500消费券,甲壳虫30天,200经验", "        骨灰级玩家挂件（永久）"},
                {"105|1000点券,1000消费券,宠物进化包1个 300经验"},
                {"110|1000点券,1000消费券,森罗万丈手饰（30天）", "        骨灰级玩家背景（永久）"},
                {"115|1000点券,1000消费券,飞行卡15天"},
                {"120|1500点券,1500消费券,500经验,企鹅套装30天"},
                {"125|1500点券,1500消费券,真爱一生戒指,500经验"},
                {"130|2000点券,2000消费券,燃料+2,500经验"},
                {"135|2000点券,2000消费券,银色羽翼15天,500经验"},
                {"140|2000点券,2000消费券,1000经验"},
                {"145|2500点券,2000消费券,剃刀10天,1000经验"},
                {"150|2500点券,2000消费券,战车7天,1000经验"},
                {"155|3000点券,2500消费券,针尖7天,1000经验"},
                {"160|3000点券,3000消费券,暴风雪3天"},
                {"165|3500点券,3000消费券,统御者徽章5个,风速车神背景"},
                {"175|5000点券,3500消费券,统御者徽章5个,火速车神背景"},
                {"185|5000点券,4000消费券,统御者徽章5个,闪电车神背景"},
                {"195|5000点券,4500消费券,统御者徽章5个,雷霆车神背景"},
                {"200|5000点券,5000消费券,统御者徽章5个,飞车车神背景"},
            })});
}

void addMentorshipPage(ui::Form& form, const std::string& page) {
  form.add({.name = "分组框16",
            .kind = Kind::GroupBox,
            .parent = page,
            .rect = {8, 8, 300, 300},
            .text = "师徒奖励"});
  form.add({.name = "高级选择夹1",
            .kind = Kind::TabControl,
            .parent = "分组框16",
            .rect = {1, 14, 297, 284},
            .font = ui::Font{"宋体", 12, false},
            .items = {"师傅", "徒弟"},
            .current = 1});
  form.add(
      {.name = "师傅", .kind = Kind::TabPage, .parent = "高级选择夹1", .rect = {0, 0, 297, 284}});
  form.add({.name = "透明标签2",
            .kind = Kind::TransparentLabel,
            .parent = "师傅",
            .rect = {6, 30, 240, 24},
            .text = "达成条件          师傅奖励",
            .font = kBold,
            .colour = kRed});
  form.add(
      {.name = "透明标签4",
       .kind = Kind::TransparentLabel,
       .parent = "师傅",
       .rect = {0, 60, 295, 208},
       .text = lines({"徒弟首次使用 | 消费额的50%消费券；分四个月",
                      "QB/Q点消费   | 返还；20% 10% 10% 10%", kSeparator,
                      "徒弟非首次使 | 返消费额的20%消费券", "用QB/Q点消费 | ", kSeparator,
                      "徒弟等级20级 | 100消费券+100幸运币", "徒弟等级30级 | 200消费券+200幸运币",
                      "徒弟等级40级 | 100点券+200消费券", "徒弟等级50级 | 200点券+300消费券",
                      "徒弟等级60级 | 300点券+400消费券", kSeparator,
                      "徒弟出师     | 500点券+500消费券，并有机会", "             | 获得永久A车"}),
       .font = kNormal,
       .wrap = true});
  form.add(
      {.name = "徒弟", .kind = Kind::TabPage, .parent = "高级选择夹1", .rect = {0, 0, 297, 284}});
  form.add({.name = "透明标签3",
            .kind = Kind::TransparentLabel,
            .parent = "徒弟",
            .rect = {6, 30, 240, 24},
            .text = "达成条件          徒弟奖励",
            .font = kBold,
            .colour = kRed});
  form.add({.name = "透明标签5",
            .kind = Kind::TransparentLabel,
            .parent = "徒弟",
            .rect = {0, 64, 295, 208},
            .text = lines({"首次拜师成功|“海盗”7天+套装7天", kSeparator,
                           "徒弟等级20级|200经验+1000酷币+炫酷胎印7天", kSeparator,
                           "徒弟等级30级|500经验+2000酷币+可爱尾挂7天", kSeparator,
                           "徒弟等级40级|1000经验+3000酷币+靓丽下装7天", kSeparator,
                           "徒弟等级50级|2000经验+5000酷币+极品上装7天", kSeparator,
                           "徒弟等级60级|3000经验+300点券+热卖翅膀7天", kSeparator,
                           "徒弟出师    | 宠物一只+5000经验+800消费券",
                           "            | 并有机会获得永久B车"}),
            .font = kNormal,
            .wrap = true});
}

// A titled list page: group box, red header and list.
struct TitledList {
  int page;
  std::string groupBox, caption, header;
  ui::Rect headerRect;
  std::string headerText, list;
  std::vector<std::vector<std::string>> entries;
};

void addTitledList(ui::Form& form, const std::string& page, const TitledList& t) {
  form.add({.name = t.groupBox,
            .kind = Kind::GroupBox,
            .parent = page,
            .rect = {8, 8, 300, 300},
            .text = t.caption});
  form.add({.name = t.header,
            .kind = Kind::Label,
            .parent = t.groupBox,
            .rect = t.headerRect,
            .text = t.headerText,
            .font = kBold,
            .colour = kRed});
  form.add({.name = t.list,
            .kind = Kind::List,
            .parent = t.groupBox,
            .rect = {16, 48, 268, 240},
            .items = spacedRows(t.entries)});
}

}  // namespace

void addRewardPages(ui::Form& form, const std::vector<std::string>& pages) {
  addLevelUpPage(form, pages[14]);
  addMentorshipPage(form, pages[15]);

  const TitledList lists[] = {
      {16,
       "分组框17",
       "荣誉奖励",
       "标签29",
       {24, 24, 232, 24},
       " 称号到        奖励\r\n",
       "列表框17",
       {{"【   平民   】  无"},
        {"【   公民   】  无"},
        {"【   士官   】  无"},
        {"【   骑士   】  无"},
        {"【   勋爵   】  华贵勋爵背景永久"},
        {"【   男爵   】  荣誉男爵背景永久"},
        {"【   子爵   】  显贵子爵背景永久"},
        {"【   伯爵   】  英勇伯爵背景永久"},
        {"【   侯爵   】  尊容侯爵背景永久"},
        {"【   公爵   】  高级公爵背景永久"},
        {"【 黄金公爵 】  黄金公爵背景永久"},
        {"【 白金公爵 】  白金公爵背景永久"},
        {"【  大公爵  】  大公爵背景永久"},
        {"【黄金大公爵】  黄金大公爵背景永久"},
        {"【白金大公爵】  白金大公爵背景永久"},
        {"【 传奇公爵 】  传奇公爵背景永久"},
        {"【   亲王   】  尊贵亲王背景7天"},
        {"【   国王   】  独尊国王背景7天"}}},
      {17,
       "分组框18",
       "魅力奖励",
       "标签31",
       {24, 24, 232, 24},
       " 称号到        奖励\r\n",
       "列表框15",
       {{"【魅力新秀】   1000酷币"},
        {"【魅力栋梁】   5000酷币"},
        {"【魅力精英】   10000酷币"},
        {"【魅力权贵】   20000酷币"},
        {"【魅力至尊】   30000酷币+199消费券"},
        {"【魅力天使】   50000酷币+399消费券"},
        {"【魅力之神】   90000酷币+590消费券"},
        {"【魅力传说】   300000酷币+999点券"}}},
      {18,
       "分组框19",
       "名师奖励",
       "标签30",
       {32, 24, 232, 24},
       "称号到        奖励\r\n",
       "列表框14",
       {{"【初出茅庐】    200消费券"},
        {"【崭露头角】    500消费券"},
        {"【教导有方】    400点券+400消费券"},
        {"【孜孜不倦】    500点券+500消费券"},
        {"【循循善诱】    600点券+600消费券"},
        {"【良师益友】    800点券+800消费券"},
        {"【润物无声】    1000点券+1000消费券"},
        {"【德才兼备】    2000点券+2000消费券"},
        {"【桃李天下】    3000点券+3000消费券"},
        {"【一代名师】    4000点券+4000消费券"},
        {"【先师先圣】    神秘大奖"}}},
  };
  for (const TitledList& t : lists) addTitledList(form, pages[t.page], t);

  form.add({.name = "分组框20",
            .kind = Kind::GroupBox,
            .parent = pages[19],
            .rect = {8, 8, 300, 300},
            .text = "飞车生日奖励"});
  form.add({.name = "列表框16",
            .kind = Kind::List,
            .parent = "分组框20",
            .rect = {16, 24, 268, 264},
            .sunken = true,
            .items = spacedRows({{"50级以下       1000点劵"},
                                 {"50-59级        5000点劵"},
                                 {"60-69级        6000点劵"},
                                 {"70-79级        7000点劵"},
                                 {"80-89级        8000点劵 "},
                                 {"90-99级        9000点劵"},
                                 {"100-109级      10000点劵"},
                                 {"110-119级      11000点劵"},
                                 {"120-129级      13000点劵"},
                                 {"130-139级      15000点劵"},
                                 {"140-149级      18000点劵"},
                                 {"150-159级      20000点劵 "},
                                 {"160-169级      23000点劵"},
                                 {"170-179级      25000点劵"},
                                 {"180-189级      28000点劵"},
                                 {"190-199级      30000点劵"},
                                 {"200级以上      35000点劵"}})});
}

}  // namespace reference

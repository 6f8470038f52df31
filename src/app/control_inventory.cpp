#include "app/control_inventory.h"

#include "mining/defaults.h"

namespace vantorix::app {

namespace {

using K = ControlKind;
using C = TextColour;
constexpr QStyle::StandardPixmap NoIcon = QStyle::SP_CustomBase;

// clang-format off
constexpr ControlSpec kInventory[] = {
    // name, kind, caption, frame, left, top, width, height, tab, colour, flags, icon
    {"WebBrowser1", K::Browser, u"", nullptr, 0, 0, 7455, 1455, 28, C::Default, NoFlags, NoIcon},
    {"Frame2", K::Frame, u"长尾词列表：", nullptr, 0, 1560, 3855, 6375, 1, C::Default, NoFlags, NoIcon},
    {"Frame1", K::Frame, u"关键词挖掘设置", nullptr, 3960, 1560, 5895, 3135, 0, C::Blue, NoFlags, NoIcon},
    {"Frame3", K::Frame, u"关键词工具", nullptr, 3960, 5280, 7215, 2535, 13, C::Blue, NoFlags, NoIcon},
    {"Label3", K::Label, u"长尾关键词挖掘：输入一个关键词，软件会自动查询该词的所有长尾词。长尾词就是财富！\n",
     nullptr, 10080, 1800, 1095, 1455, 31, C::Blue, WordWrap, NoIcon},
    {"Label12", K::Label, u"得到一个词 所有相关的长尾词，你能想到什么？长尾词就是财富，更何况是所有的长尾词。",
     nullptr, 10080, 3360, 1095, 1335, 40, C::Blue, WordWrap, NoIcon},
    {"Label1", K::Label, u"如果软件功能异常有任何问题 请向我们报告  联系QQ：800012345\n",
     nullptr, 4080, 4920, 5655, 255, 38, C::Blue, NoFlags, NoIcon},

    {"Text1", K::ListBox, u"", "Frame2", 120, 360, 3615, 5055, 2, C::Default, NoFlags, NoIcon},
    {"Command3", K::Button, u"导出txt", "Frame2", 120, 5520, 975, 375, 29, C::Default, NoFlags, QStyle::SP_DialogSaveButton},
    {"Command9", K::Button, u"清空数据", "Frame2", 1560, 5520, 975, 375, 30, C::Default, NoFlags, QStyle::SP_TrashIcon},
    {"Label13", K::Label, u"导出分隔符：", "Frame2", 120, 6000, 1215, 255, 41, C::Blue, NoFlags, NoIcon},
    {"Option7", K::Option, u"换行符", "Frame2", 1200, 6000, 855, 255, 42, C::Blue, Selected, NoIcon},
    {"Option8", K::Option, u"逗号,", "Frame2", 2160, 6000, 855, 255, 43, C::Blue, NoFlags, NoIcon},
    {"Option9", K::Option, u"竖杠|", "Frame2", 3000, 6000, 855, 255, 44, C::Blue, NoFlags, NoIcon},

    {"Label4", K::Label, u"正在查询：", "Frame1", 240, 480, 975, 255, 23, C::Blue, NoFlags, NoIcon},
    {"Label2", K::Label, u"", "Frame1", 1200, 480, 2535, 255, 24, C::Blue, NoFlags, NoIcon},
    {"Label9", K::Label, u"数量：", "Frame1", 3840, 480, 615, 255, 25, C::Blue, NoFlags, NoIcon},
    {"Label7", K::Label, u"", "Frame1", 4560, 480, 1215, 255, 20, C::Blue, NoFlags, NoIcon},
    {"Label5", K::Label, u"开始时间：", "Frame1", 240, 900, 2775, 255, 22, C::Blue, NoFlags, NoIcon},
    {"Label6", K::Label, u"已查询：", "Frame1", 3840, 900, 1935, 255, 21, C::Blue, NoFlags, NoIcon},
    {"Check4", K::CheckBox, u"查询关键词包含：", "Frame1", 120, 1440, 1815, 255, 7, C::Blue, NoFlags, NoIcon},
    {"Text5", K::TextBox, u"未开启", "Frame1", 1920, 1320, 1455, 375, 8, C::Default, Disabled, NoIcon},
    {"Label10", K::Label, u"关键词长度大于：", "Frame1", 3480, 1440, 1455, 255, 12, C::Blue, NoFlags, NoIcon},
    {"Text6", K::TextBox, mining::kDefaultLongerThanText.utf16(), "Frame1", 4920, 1320, 735, 375, 9, C::Blue, NoFlags, NoIcon},
    {"Label11", K::Label, u"搜索词：", "Frame1", 120, 2040, 855, 255, 10, C::Default, NoFlags, NoIcon},
    {"Text3", K::TextBox, mining::kDefaultSeed.utf16(), "Frame1", 960, 1920, 1455, 375, 4, C::Red, NoFlags, NoIcon},
    {"Label8", K::Label, u"关键词数量：", "Frame1", 2760, 2040, 1215, 255, 11, C::Blue, NoFlags, NoIcon},
    {"Text4", K::TextBox, mining::kDefaultLimitText.utf16(), "Frame1", 3960, 1920, 855, 390, 6, C::Blue, NoFlags, NoIcon},
    {"Command4", K::Button, u"开始挖掘", "Frame1", 120, 2520, 1095, 375, 5, C::Default, NoFlags, QStyle::SP_MediaPlay},
    {"Command5", K::Button, u"停止挖掘", "Frame1", 1560, 2520, 1095, 375, 3, C::Default, NoFlags, QStyle::SP_MediaStop},

    {"Command6", K::Button, u"过滤重复", "Frame3", 120, 360, 975, 375, 14, C::Default, NoFlags, QStyle::SP_DialogApplyButton},
    {"Command2", K::Button, u"打乱顺序", "Frame3", 1200, 360, 975, 375, 19, C::Default, NoFlags, QStyle::SP_BrowserReload},
    {"Command13", K::Button, u"关键词个数大于：", "Frame3", 120, 840, 1695, 375, 16, C::Default, NoFlags, QStyle::SP_FileDialogDetailedView},
    {"Text8", K::TextBox, u"0", "Frame3", 1920, 840, 735, 375, 15, C::Default, NoFlags, NoIcon},
    {"Command15", K::Button, u"筛选关键词包含：", "Frame3", 120, 1320, 1815, 375, 17, C::Default, NoFlags, QStyle::SP_DialogYesButton},
    {"Text9", K::TextBox, u"", "Frame3", 2040, 1320, 1695, 375, 18, C::Default, NoFlags, NoIcon},
    {"Command8", K::Button, u"筛选关键词不包含：", "Frame3", 120, 1800, 1815, 375, 27, C::Default, NoFlags, QStyle::SP_DialogNoButton},
    {"Text2", K::TextBox, u"", "Frame3", 2040, 1800, 1695, 375, 26, C::Default, NoFlags, NoIcon},
    {"Option3", K::Option, u"百度今日热词", "Frame3", 4440, 360, 1575, 255, 34, C::Blue, Selected, NoIcon},
    {"Option4", K::Option, u"百度一周热词", "Frame3", 4440, 720, 1575, 255, 35, C::Blue, NoFlags, NoIcon},
    {"Option1", K::Option, u"搜狗今日热词", "Frame3", 4440, 1080, 1575, 255, 32, C::Blue, NoFlags, NoIcon},
    {"Option2", K::Option, u"搜狗一周热词", "Frame3", 4440, 1440, 1575, 255, 33, C::Blue, NoFlags, NoIcon},
    {"Option5", K::Option, u"最近火热新词", "Frame3", 4440, 1800, 1575, 255, 36, C::Blue, NoFlags, NoIcon},
    {"Option6", K::Option, u"上月火热新词", "Frame3", 4440, 2160, 1575, 255, 37, C::Blue, NoFlags, NoIcon},
    {"Command10", K::Button, u"获取", "Frame3", 6000, 360, 1095, 375, 39, C::Default, NoFlags, QStyle::SP_ArrowDown},
    {"Command1", K::Button, u"官方网站", "Frame3", 6000, 2040, 1095, 375, 45, C::Default, NoFlags, QStyle::SP_DirHomeIcon},
};
// clang-format on

} // namespace

std::span<const ControlSpec> controlInventory()
{
    return kInventory;
}

} // namespace vantorix::app

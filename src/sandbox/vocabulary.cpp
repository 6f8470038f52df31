#include "sandbox/vocabulary.h"

namespace vantorix::sandbox {

namespace {

QStringList words(const char16_t *joined)
{
    return QString::fromUtf16(joined).split(u'|');
}

} // namespace

const QStringList &slotWords(int slot)
{
    static const QStringList table[SlotCount] = {
        words(u"女生|男生|学生|产后|中年女性|上班族|懒人|胖子|新手|孕妇|宝妈|大学生|男士|少女|"
              u"40岁女人|小个子|大码|老年人|高中生|初中生|IT男|白领|程序员|梨形身材|苹果型身材|"
              u"健身小白|空姐|明星|产后三个月|更年期|青少年|肥胖者|糖尿病人|高血压患者"),
        words(u"快速|最有效的|健康|科学|简单|在家|不节食|躺着|睡前|无副作用|最快|安全|居家|轻松|"
              u"正确|暴力|不反弹|局部|全身|中医|物理|自然|彻底|高效|低成本|偷懒|16+8轻断食|"
              u"碳水循环|生酮|低碳水|211饮食法|地中海饮食|哥本哈根"),
        words(u"方法|食谱|茶|药|运动|操|餐|App|计划|瑜伽|跑步|早餐|晚餐|汤|代餐|酵素|果汁|水果|"
              u"蔬菜|训练|课程|攻略|小妙招|秘诀|粥|中药|针灸|贴|胶囊|HIIT|Keep课程|跳绳|游泳|饮食|"
              u"零食|咖啡|奶昔|哑铃"),
        words(u"一周|一个月|7天|10斤|21天|三天|30天|半个月|每天|晚上|早上|冬天|夏天|饭后|空腹|"
              u"春节后|20斤|100天|三个月|两周|一年|周末|经期|夜跑后|上班时|10分钟|30分钟|1小时|"
              u"28天|一周瘦5斤|暑假"),
        words(u"哪个好|排行榜|有效吗|视频|多少钱|图片|知乎|推荐|大全|表|真实经历|效果怎么样|好不好|"
              u"副作用|注意事项|靠谱吗|怎么做|官网|PDF|在线观看|价格|十大品牌|最新|2026|图解|教程|"
              u"口诀|原理|心得|Vlog|第一天|日记|打卡"),
    };
    return table[slot];
}

const QStringList &shortWords()
{
    static const QStringList list = words(u"瘦|胖|节食|燃脂|瘦身|减脂|塑形|BMI|卡路里|Keto");
    return list;
}

const QStringList &newsTopics()
{
    static const QStringList list =
        words(u"减肥|春节|高考|世界杯|iPhone 18|油价|天气预报|养老金|流感|演唱会|奥运会|考研|"
              u"新能源汽车|AI绘画|NBA总决赛|双十一|冬至|开学|房贷利率|春运|国庆假期|中秋|"
              u"华为Mate|电视剧|寒潮|高铁票|个税|五一");
    return list;
}

const QStringList &newCoinages()
{
    static const QStringList list =
        words(u"Citywalk|多巴胺穿搭|特种兵旅游|显眼包|搭子|松弛感|电子榨菜|情绪价值|数字游民|"
              u"脆皮大学生|班味|City不City|偷感|尊嘟假嘟|i人e人|MBTI|遥遥领先|公园20分钟效应|"
              u"美拉德穿搭|发疯文学|精神状态|主理人|轻断食|Vlog博主");
    return list;
}

} // namespace vantorix::sandbox

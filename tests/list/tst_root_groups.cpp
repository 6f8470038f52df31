#include "data_table.h"
#include "list/root_groups.h"

#include <QTest>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

// Grouping keywords by their root, on lists whose roots are known.
class TestRootGroups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Keywords ',' separated; groups as "root:keyword,keyword|root:keyword".
    void groupByRoot_data()
    {
        columns<QString, int, QString>("keywords", "minSize", "groups");
        const auto row = [](const char *name, const char *keywords, int minSize,
                            const char *groups) {
            QTest::newRow(name) << QString::fromUtf8(keywords) << minSize
                                << QString::fromUtf8(groups);
        };
        row("a shared root, the rest in 其他", "减肥方法,手机价格,减肥食谱,减肥运动", 3,
            "减肥:减肥方法,减肥食谱,减肥运动|其他:手机价格");
        row("more keywords beat a longer root",
            "iphone15价格,iphone15壳,iphone15维修,手机价格,电脑价格,汽车价格", 3,
            "价格:iphone15价格,手机价格,电脑价格,汽车价格|iphone15:iphone15壳,iphone15维修");
        row("equal counts: the longer root",
            "iphone15价格,iphone15壳,iphone15维修,手机价格,电脑价格", 3,
            "iphone15:iphone15价格,iphone15壳,iphone15维修|价格:手机价格,电脑价格");
        // 方法 is met before 减肥 in the input, though not in 减肥方法.
        row("equal counts and lengths: the root met first",
            "学习方法,减肥食谱,减肥运动,工作方法,减肥方法", 3,
            "方法:学习方法,工作方法,减肥方法|减肥:减肥食谱,减肥运动");
        row("letter case ignored, the first spelling names the group", "SEO教程,seo工具,Seo优化", 3,
            "SEO:SEO教程,seo工具,Seo优化");
        row("equal sizes in the order met, 其他 last though largest",
            "学习方法,减肥食谱,绿茶,工作方法,减肥运动,红茶,奶茶", 2,
            "方法:学习方法,工作方法|减肥:减肥食谱,减肥运动|其他:绿茶,红茶,奶茶");
        row("其他 is never a root", "其他减肥,其他方法,其他工具", 3,
            "其他:其他减肥,其他方法,其他工具");
        row("one-character words and punctuation are no roots", "a 1,a 2,c++,c++", 2,
            "其他:a 1,a 2,c++,c++");
        row("a repeated keyword counts each time", "减肥茶,减肥茶,减肥茶", 3,
            "减肥:减肥茶,减肥茶,减肥茶");
        row("min size 1", "减肥茶", 1, "减肥:减肥茶");
        row("no keywords", "", 3, "");
    }
    void groupByRoot()
    {
        QFETCH(QString, keywords);
        QFETCH(int, minSize);
        const QStringList list = keywords.split(u',', Qt::SkipEmptyParts);
        const auto result = vantorix::list::groupByRoot({list.begin(), list.end()}, minSize);
        QVERIFY2(result.ok(), qPrintable(result.error()));
        QStringList groups;
        for (const RootGroup &group : *result) {
            QStringList members;
            for (const qsizetype i : group.keywords)
                members.append(list[i]);
            groups.append(group.name + u':' + members.join(u','));
        }
        QTEST(groups.join(u'|'), "groups");
    }
};

QTEST_GUILESS_MAIN(TestRootGroups)
#include "tst_root_groups.moc"

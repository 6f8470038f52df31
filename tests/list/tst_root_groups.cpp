#include "list/root_groups.h"

#include <QTest>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

// Grouping keywords by their root, on lists whose roots are known.
class TestRootGroups : public QObject
{
    Q_OBJECT
private:
    // "root:keyword,keyword|root:keyword", in the order given.
    static QString render(const QList<RootGroup> &groups, const QStringList &keywords)
    {
        QStringList parts;
        for (const RootGroup &group : groups) {
            QStringList members;
            for (const qsizetype i : group.keywords)
                members.append(keywords[i]);
            parts.append(group.name + u':' + members.join(u','));
        }
        return parts.join(u'|');
    }

private Q_SLOTS:
    void groupByRoot_data()
    {
        QTest::addColumn<QStringList>("keywords");
        QTest::addColumn<int>("minSize");
        QTest::addColumn<QString>("groups");
        QTest::newRow("a shared root, the rest in 其他")
            << QStringList{u"减肥方法"_s, u"手机价格"_s, u"减肥食谱"_s, u"减肥运动"_s} << 3
            << u"减肥:减肥方法,减肥食谱,减肥运动|其他:手机价格"_s;
        QTest::newRow("more keywords beat a longer root")
            << QStringList{u"iphone15价格"_s, u"iphone15壳"_s, u"iphone15维修"_s,
                           u"手机价格"_s,     u"电脑价格"_s,   u"汽车价格"_s}
            << 3
            << u"价格:iphone15价格,手机价格,电脑价格,汽车价格|iphone15:iphone15壳,iphone15维修"_s;
        QTest::newRow("equal counts: the longer root")
            << QStringList{u"iphone15价格"_s, u"iphone15壳"_s, u"iphone15维修"_s, u"手机价格"_s,
                           u"电脑价格"_s}
            << 3 << u"iphone15:iphone15价格,iphone15壳,iphone15维修|价格:手机价格,电脑价格"_s;
        // 方法 is met before 减肥 in the input, though not in 减肥方法.
        QTest::newRow("equal counts and lengths: the root met first")
            << QStringList{u"学习方法"_s, u"减肥食谱"_s, u"减肥运动"_s, u"工作方法"_s,
                           u"减肥方法"_s}
            << 3 << u"方法:学习方法,工作方法,减肥方法|减肥:减肥食谱,减肥运动"_s;
        QTest::newRow("letter case ignored, the first spelling names the group")
            << QStringList{u"SEO教程"_s, u"seo工具"_s, u"Seo优化"_s} << 3
            << u"SEO:SEO教程,seo工具,Seo优化"_s;
        QTest::newRow("equal sizes in the order met, 其他 last though largest")
            << QStringList{u"学习方法"_s, u"减肥食谱"_s, u"绿茶"_s, u"工作方法"_s,
                           u"减肥运动"_s, u"红茶"_s,     u"奶茶"_s}
            << 2 << u"方法:学习方法,工作方法|减肥:减肥食谱,减肥运动|其他:绿茶,红茶,奶茶"_s;
        QTest::newRow("其他 is never a root")
            << QStringList{u"其他减肥"_s, u"其他方法"_s, u"其他工具"_s} << 3
            << u"其他:其他减肥,其他方法,其他工具"_s;
        QTest::newRow("one-character words and punctuation are no roots")
            << QStringList{u"a 1"_s, u"a 2"_s, u"c++"_s, u"c++"_s} << 2
            << u"其他:a 1,a 2,c++,c++"_s;
        QTest::newRow("a repeated keyword counts each time")
            << QStringList{u"减肥茶"_s, u"减肥茶"_s, u"减肥茶"_s} << 3
            << u"减肥:减肥茶,减肥茶,减肥茶"_s;
        QTest::newRow("min size 1") << QStringList{u"减肥茶"_s} << 1 << u"减肥:减肥茶"_s;
        QTest::newRow("no keywords") << QStringList() << 3 << QString();
    }
    void groupByRoot()
    {
        QFETCH(QStringList, keywords);
        QFETCH(int, minSize);
        QFETCH(QString, groups);
        const auto result =
            vantorix::list::groupByRoot({keywords.begin(), keywords.end()}, minSize);
        QVERIFY2(result.ok(), qPrintable(result.error()));
        QCOMPARE(render(*result, keywords), groups);
    }
};

QTEST_GUILESS_MAIN(TestRootGroups)
#include "tst_root_groups.moc"

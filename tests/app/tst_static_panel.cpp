#include "app/browser_panel.h"
#include "data_table.h"
#include "gbk.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

// The panel of builds without a web engine, on a search site on 127.0.0.1:
// the marker page's own block cuts the seed, and a click on one of its links
// leaves the strip as it is and goes to the system's browser, for http only.
class StaticPanelTest : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }

private:
    WindowFixture f;
    QList<QUrl> opened;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : {u"http"_s, u"javascript"_s, u"file"_s})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    void init() { opened.clear(); }

    void markerPageAndItsLink_data()
    {
        columns<QString, bool>("href", "leaves");
        QTest::newRow("relative: the page's host") << u"/?bb=v3.3"_s << true;
        QTest::newRow("javascript: ignored") << u"javascript:alert(1)"_s << false;
        QTest::newRow("file: ignored") << u"file:///etc/passwd"_s << false;
    }
    void markerPageAndItsLink()
    {
        QFETCH(QString, href);
        QFETCH(bool, leaves);
        SearchSite site(u"s:a"_s);
        site.setMarkerPage(
            gbk(u"<a href=\"%1\">官方网站 官方网站</a><!-- [[v3.3--<p>--</p>]] -->"_s.arg(href)));
        f.settings.hosts.setAll(site.host());
        QVERIFY(f.openReady());
        QWidget *page = f.c().WebBrowser1->viewport();
        QTest::mouseClick(page, Qt::LeftButton, {},
                          QPoint(20, page->fontMetrics().height() / 2 + 4));
        QCOMPARE(opened, leaves ? QList{QUrl(u"http://"_s + site.host() + href)} : QList<QUrl>());
        QCOMPARE(f.c().WebBrowser1->toPlainText(), u"官方网站 官方网站"_s);
        // The block picks the page's furniture link, not the built-in one's keyword.
        QVERIFY(f.mine(u"s"_s));
        QCOMPARE(f.list()->text(), u"\r\nfurniture\r\n\r\n"_s);
    }
};

QTEST_MAIN(StaticPanelTest)
#include "tst_static_panel.moc"

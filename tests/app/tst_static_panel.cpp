#include "app/browser_panel.h"
#include "gbk.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

// The panel of builds without a web engine, on a search site on 127.0.0.1.
class StaticPanelTest : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }

private:
    WindowFixture f;
    QList<QUrl> opened;

private Q_SLOTS:
    void markerPageAndItsLink()
    {
        QDesktopServices::setUrlHandler(u"http"_s, this, "open");
        SearchSite site(u"s:a"_s);
        site.setMarkerPage(gbk(u"<a href=\"/?bb=v3.3\">官方网站 官方网站</a>"
                               "<!-- [[v3.3--<p>--</p>]] -->"_s));
        f.settings.hosts.setAll(site.host());
        QVERIFY(f.openReady());
        // A click leaves the strip as it is and opens the link, made absolute, outside.
        QWidget *page = f.c().WebBrowser1->viewport();
        QTest::mouseClick(page, Qt::LeftButton, {},
                          QPoint(20, page->fontMetrics().height() / 2 + 4));
        QCOMPARE(opened, QList{QUrl(u"http://"_s + site.host() + u"/?bb=v3.3"_s)});
        QCOMPARE(f.c().WebBrowser1->toPlainText(), u"官方网站 官方网站"_s);
        // The page's own block cuts the seed: its furniture link, not the built-in block's keyword.
        QVERIFY(f.mine(u"s"_s));
        QCOMPARE(f.list()->text(), u"\r\nfurniture\r\n\r\n"_s);
    }
};

QTEST_MAIN(StaticPanelTest)
#include "tst_static_panel.moc"

#include "app/browser_panel.h"
#include "data_table.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The browser panel with the real engine, on pages served from 127.0.0.1.
class BrowserPanelTest : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    // The system's browser: records what it is given, opens nothing.
    void open(const QUrl &url) { opened.append(url); }

private:
    WindowFixture f;
    vantorix::sandbox::HttpListener web{[this](const vantorix::sandbox::HttpRequest &request,
                                               vantorix::sandbox::HttpResponder &&out) {
        const QUrl url = request.url();
        requested.append(url.path().mid(1) + u'?' + url.query());
        out.write(200, {{"Content-Type", "text/html; charset=utf-8"}},
                  pages.value(url.path(), u"<p>none</p>"_s).toUtf8());
    }};
    QString host;
    QHash<QString, QString> pages; // by path
    QStringList requested;         // paths and queries, in arrival order
    QList<QUrl> opened;
    std::unique_ptr<SearchSite> search;

    QString url(const QString &pathAndQuery) const { return u"http://"_s + host + pathAndQuery; }
    vantorix::app::BrowserPanel *panel() const { return f.c().WebBrowser1; }
    // Loads a page whose script or frame titles it "ready" once it can be clicked.
    bool show(const QString &body)
    {
        pages.insert(u"/page"_s, body);
        panel()->load(QUrl(url(u"/page"_s)));
        return QTest::qWaitFor([this] { return panel()->title() == u"ready"_s; }, 60000);
    }
    // A script's value, read in a world of its own.
    QString eval(const QString &script)
    {
        QString value;
        bool done = false;
        panel()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                       [&](const QVariant &result) {
                                           value = result.toString();
                                           done = true;
                                       });
        return QTest::qWaitFor([&] { return done; }, 60000) ? value : u"<no answer>"_s;
    }
    // A real click on whatever lies at the page's top left.
    void click() { QTest::mouseClick(panel()->focusProxy(), Qt::LeftButton, {}, QPoint(20, 15)); }
    static QString link(const QString &href)
    {
        return u"<a href=\"%1\" target=\"_blank\" style=\"position:absolute;left:0;top:0;"
               "width:300px;height:30px\">link</a>"_s.arg(href.toHtmlEscaped());
    }
    bool openOnSearchSite(const QString &publisher)
    {
        search = std::make_unique<SearchSite>(u"s:a,b"_s);
        f.settings.hosts.setAll(search->host());
        f.settings.hosts.publisher = publisher;
        return f.openReady();
    }
    QString mine()
    {
        f.list()->clearList();
        return f.mine(u"s"_s) ? f.list()->text() : u"<no run>"_s;
    }

private Q_SLOTS:
    void initTestCase()
    {
        host = loopbackHost(web.listen());
        for (const QString &scheme : {u"http"_s, u"https"_s, u"javascript"_s, u"file"_s})
            QDesktopServices::setUrlHandler(scheme, this, "open");
        pages.insert(
            u"/banben.htm"_s,
            u"<body><!-- [[v3.2--<td>--</td>]] [[V3.3--<P>--</P>]] -->"
            "<a href=\"/second\" style=\"position:absolute;top:0;height:30px\">next</a>"_s);
        pages.insert(u"/second"_s, u"<body><!--[[v3.3--<td>--</td>]]-->"_s);
        pages.insert(u"/noblock"_s, u"<body><p>moved</p>"_s);
        pages.insert(u"/frames"_s, u"<body><!--[[v3.3--<P>--</P>]]--><iframe src=\"/second\">"
                                   "</iframe><iframe src=\"/second\"></iframe>"_s);
    }
    void init() { opened.clear(); }
    void cleanup() { f.window.reset(); }

    void silentInEveryFrame()
    {
        QVERIFY(f.open());
        // Each frame reports what it sees, then tries a window and a dialog.
        const QString scripts = u"<script>new Image().src = '/report?' +"
                                " [alert, confirm, showModalDialog, open].map(String).join();"
                                " window.open('/popup');</script><script>alert('x');</script>"_s;
        pages.insert(u"/inner"_s, scripts);
        QVERIFY(show(u"<body onload=\"document.title='ready'\"><iframe src=\"/inner\"></iframe>"
                     "<iframe src=\"/inner\"></iframe>"_s +
                     scripts));
        QTRY_COMPARE_WITH_TIMEOUT(requested.filter(u"report?"_s).size(), 3, 60000);
        for (const QString &report : requested.filter(u"report?"_s))
            QCOMPARE(report, u"report?null,null,null,null"_s);
        QVERIFY(!requested.join(u' ').contains(u"popup"_s));
        QVERIFY(f.othersShown().isEmpty());
        QVERIFY(opened.isEmpty());
    }

    void newWindowOpensTheFocusedHttpLink_data()
    {
        columns<QString, bool, QString>("body", "asksForAWindow", "outside");
        const QString ready = u"<body onload=\"document.title='ready'\">"_s;
        const QString exact = u"http://127.0.0.1:9/next?a=1&b=%E5%87%8F#top"_s;
        QTest::newRow("http") << ready + link(exact) << true << exact;
        QTest::newRow("https") << ready + link(u"https://example.invalid/x"_s) << true
                               << u"https://example.invalid/x"_s;
        QTest::newRow("javascript:") << ready + link(u"javascript:void(0)"_s) << true << QString();
        // The engine itself refuses a local file to a web page.
        QTest::newRow("file:") << ready + link(u"file:///etc/hostname"_s) << false << QString();
        QTest::newRow("focus on a button")
            << ready + u"<form action=\"/x\" target=\"_blank\"><button style=\"position:absolute;"
                       "left:0;top:0;width:300px;height:30px\">go</button></form>"_s
            << true << QString();
        pages.insert(u"/framed"_s, link(u"http://127.0.0.1:9/framed"_s));
        QTest::newRow("link in an inner frame: the frame has the focus")
            << u"<iframe src=\"/framed\" onload=\"document.title='ready'\" style=\"position:"
               "absolute;left:0;top:0;width:400px;height:40px;border:0\"></iframe>"_s
            << true << QString();
    }
    void newWindowOpensTheFocusedHttpLink()
    {
        QFETCH(QString, body);
        QFETCH(bool, asksForAWindow);
        QFETCH(QString, outside);
        if (!f.window)
            QVERIFY(f.open());
        QVERIFY(show(body));
        QSignalSpy requests(panel()->page(), &QWebEnginePage::newWindowRequested);
        click();
        QVERIFY(QTest::qWaitFor(
            [this] { return eval(u"document.activeElement.tagName"_s) != u"BODY"_s; }, 60000));
        QVERIFY(!asksForAWindow || requests.size() > 0 || requests.wait(60000));
        // The panel reads the focused link before this script's turn comes.
        eval(u"0"_s);
        QCOMPARE(opened, outside.isEmpty() ? QList<QUrl>() : QList{QUrl(outside)});
        QVERIFY(f.othersShown().isEmpty());
    }

    void homePageButton()
    {
        // Whether or not the panel has loaded anything.
        QVERIFY(f.open());
        QTest::mouseClick(f.c().Command1, Qt::LeftButton);
        QCOMPARE(opened, QList{QUrl(u"http://"_s + f.settings.hosts.publisher + u"/?bb=v3.3"_s)});
    }

    void seedMarkersFromThePage_data()
    {
        // page: served as the marker page; empty: refused
        columns<QString, bool, QString>("page", "followLink", "list");
        const QString builtIn = u"\r\na\r\nb\r\n\r\n"_s;
        QTest::newRow("blocks for two versions: v3.3's")
            << u"/banben.htm"_s << false << u"\r\nfurniture\r\n\r\n"_s;
        QTest::newRow("a page navigated to: its own")
            << u"/banben.htm"_s << true << u"\r\na\r\n\r\n"_s;
        QTest::newRow("frames with blocks of their own: the top page's")
            << u"/frames"_s << false << u"\r\nfurniture\r\n\r\n"_s;
        QTest::newRow("no block: the built-in markers") << u"/noblock"_s << false << builtIn;
        QTest::newRow("page fails to load: the built-in markers") << QString() << false << builtIn;
    }
    void seedMarkersFromThePage()
    {
        QFETCH(QString, page);
        QFETCH(bool, followLink);
        QFETCH(QString, list);
        const QString markerPage = pages.value(u"/banben.htm"_s);
        pages.insert(u"/banben.htm"_s, pages.value(page));
        const bool ready = openOnSearchSite(page.isEmpty() ? WindowFixture::closedHost() : host);
        pages.insert(u"/banben.htm"_s, markerPage);
        QVERIFY(ready);
        QCOMPARE(f.c().Command4->text(), u"开始挖掘"_s);
        if (followLink) {
            QSignalSpy loaded(panel(), &vantorix::app::BrowserPanel::topLevelLoaded);
            click();
            QVERIFY(loaded.wait(60000));
            QCOMPARE(panel()->url(), QUrl(url(u"/second"_s)));
        }
        QCOMPARE(mine(), list);
    }

    // The engine will not start its sandbox as root; the window runs without it.
    void startsAsRoot()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        QProcess window;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QTWEBENGINE_DISABLE_SANDBOX"_s);
        window.setProcessEnvironment(environment);
        window.start(QStringLiteral(VANTORIX_WINDOW_PATH), {u"--sandbox"_s});
        QVERIFY(!window.waitForFinished(15000));
        QVERIFY(window.readAllStandardError().contains("running as root"));
        window.kill();
        window.waitForFinished();
    }
};

QTEST_MAIN(BrowserPanelTest)
#include "tst_browser_panel.moc"

#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace vantorix::web {
class PageFetch;
class PageFetcher;
} // namespace vantorix::web

namespace vantorix::app {

// The browser strip at the top of the window, "WebBrowser1", where no web
// engine is built: a read-only view of a page's HTML. It never runs the
// page's scripts and loads nothing the page refers to (images, style sheets,
// frames); a link opens in the system's browser, never in the strip.
class BrowserPanel : public QTextBrowser
{
    Q_OBJECT
public:
    explicit BrowserPanel(QWidget *parent = nullptr);

    // Fetches `url` with `fetcher` and shows it in place of the page before.
    void showPage(const QUrl &url, web::PageFetcher &fetcher);

Q_SIGNALS:
    // Never emitted: the view takes the keyboard focus itself.
    void focusWidgetReplaced();

    // A page has been fetched, with its whole text as the command line reads
    // it; empty when the fetch failed.
    void topLevelLoaded(const QString &bodyHtml);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void openLink(const QUrl &link) const;

    QUrl m_address;
    QPointer<web::PageFetch> m_fetch;
};

} // namespace vantorix::app

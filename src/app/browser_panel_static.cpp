#include "app/browser_panel_static.h"

#include "app/system_browser.h"
#include "web/page_fetcher.h"

namespace vantorix::app {

BrowserPanel::BrowserPanel(QWidget *parent) : QTextBrowser(parent)
{
    // Links are the system browser's: the strip shows one page for good.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BrowserPanel::openLink);
    // As the engine's view: no frame, no context menu, one place in the tab order.
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
}

void BrowserPanel::showPage(const QUrl &url, web::PageFetcher &fetcher)
{
    if (m_fetch)
        m_fetch->abort();
    m_address = url;
    m_fetch = fetcher.get(url);
    connect(m_fetch, &web::PageFetch::finished, this, [this](const web::FetchResult &result) {
        // A failed fetch leaves the strip empty, as the engine's does.
        const QString text = result.page ? result.page->text : QString();
        setHtml(text);
        Q_EMIT topLevelLoaded(text);
    });
}

QVariant BrowserPanel::loadResource(int, const QUrl &)
{
    // Whatever the page refers to, on this machine or elsewhere, stays unread.
    return {};
}

void BrowserPanel::openLink(const QUrl &link) const
{
    // Relative links are the page's; a javascript: or file: link stays unopened.
    openInSystemBrowser(m_address.resolved(link));
}

} // namespace vantorix::app

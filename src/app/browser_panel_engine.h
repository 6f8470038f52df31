#pragma once

#include <QPointer>
#include <QWebEngineView>

namespace vantorix::web {
class PageFetcher;
}

namespace vantorix::app {

// The browser strip at the top of the window, "WebBrowser1". It stays quiet:
// the page's scripts find alert, confirm, showModalDialog and open gone in
// every frame, no dialog of the page or the engine ever shows, and a request
// for a new window opens the top-level document's focused link in the
// system's browser instead.
class BrowserPanel : public QWebEngineView
{
    Q_OBJECT
public:
    explicit BrowserPanel(QWidget *parent = nullptr);

    // Shows the page at `url`. The engine fetches it itself, with its own
    // network stack; the fetcher is the static view's.
    void showPage(const QUrl &url, web::PageFetcher &) { load(url); }

Q_SIGNALS:
    // The engine has put a widget of its own in front of the panel for the
    // keyboard focus, at the end of the tab order (at the first load, and
    // whenever it makes the page's view anew).
    void focusWidgetReplaced();

    // A top-level document has finished loading, with its body's HTML; empty
    // when the load failed or the document has no body. Frames never emit it.
    void topLevelLoaded(const QString &bodyHtml);

protected:
    bool event(QEvent *event) override;

private:
    void readBody(bool ok);
    void openFocusedLink();

    QPointer<QWidget> m_focusWidget;
};

} // namespace vantorix::app

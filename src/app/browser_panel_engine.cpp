#include "app/browser_panel_engine.h"

#include "app/system_browser.h"

#include <QEvent>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <functional>

namespace vantorix::app {

namespace {

// Run in this order in the main frame and in every inner frame as soon as its
// document exists, before any of the page's own scripts.
const char *const kSilencingScripts[] = {
    "window.alert=null;",
    "window.confirm=null;",
    "window.showModalDialog=null;",
    "window.open=null;",
};

// Read in a world of their own, so the page's scripts cannot change what they see.
const QString kBodyHtml = QStringLiteral("document.body ? document.body.innerHTML : ''");
const QString kFocusedLink =
    QStringLiteral("(function () { var e = document.activeElement;"
                   " return e && typeof e.href === 'string' ? e.href : ''; })()");

// A page whose dialogs and console go nowhere, and whose requests for a new
// window are handed to the panel.
class SilentPage : public QWebEnginePage
{
public:
    SilentPage(std::function<void()> newWindowRequested, QObject *parent)
        : QWebEnginePage(parent), m_newWindowRequested(std::move(newWindowRequested))
    {
    }

protected:
    void javaScriptAlert(const QUrl &, const QString &) override {}
    // Also asked before the page is left: the person may always leave.
    bool javaScriptConfirm(const QUrl &, const QString &) override { return true; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override
    {
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                  const QString &) override
    {
    }
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override
    {
        return {};
    }
    QWebEnginePage *createWindow(WebWindowType) override
    {
        m_newWindowRequested();
        return nullptr;
    }

private:
    std::function<void()> m_newWindowRequested;
};

} // namespace

BrowserPanel::BrowserPanel(QWidget *parent) : QWebEngineView(parent)
{
    auto *page = new SilentPage([this] { openFocusedLink(); }, this);
    int order = 0;
    for (const char *source : kSilencingScripts) {
        QWebEngineScript script;
        script.setName(QStringLiteral("silence%1").arg(++order));
        script.setSourceCode(QLatin1String(source));
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(true);
        page->scripts().insert(script);
    }
    // A failed load leaves the strip empty rather than showing the engine's
    // error page.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    setPage(page);
    // A place in the tab order, which the engine's widget takes over.
    setFocusPolicy(Qt::StrongFocus);
    // No chrome of its own: no context menu with its own windows and dialogs.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page, &QWebEnginePage::loadFinished, this, &BrowserPanel::readBody);
}

bool BrowserPanel::event(QEvent *event)
{
    // The engine's widget is polished right after it becomes the focus proxy.
    if (event->type() == QEvent::ChildPolished && focusProxy() != m_focusWidget) {
        m_focusWidget = focusProxy();
        Q_EMIT focusWidgetReplaced();
    }
    return QWebEngineView::event(event);
}

void BrowserPanel::readBody(bool ok)
{
    if (!ok) {
        Q_EMIT topLevelLoaded(QString());
        return;
    }
    // A page that goes away answers its pending scripts empty, from inside
    // the panel's destruction.
    page()->runJavaScript(kBodyHtml, QWebEngineScript::ApplicationWorld,
                          [self = QPointer(this)](const QVariant &html) {
                              if (self)
                                  Q_EMIT self->topLevelLoaded(html.toString());
                          });
}

void BrowserPanel::openFocusedLink()
{
    page()->runJavaScript(
        kFocusedLink, QWebEngineScript::ApplicationWorld,
        [](const QVariant &href) { openInSystemBrowser(QUrl(href.toString(), QUrl::StrictMode)); });
}

} // namespace vantorix::app

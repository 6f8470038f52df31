#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

namespace vantorix::config {
struct Settings;
}
namespace vantorix::hotwords {
class PageFetcher;
}
namespace vantorix::layout {
class PageLayout;
}
namespace vantorix::mining {
class MiningRun;
}

class QLabel;

namespace vantorix::app {

class MainWindow;

// The mining panel: the seed marker page at start-up, the start and stop
// buttons, the containing-filter switch, the read-outs and the elapsed time.
class MiningBinder : public QObject
{
    Q_OBJECT
public:
    MiningBinder(MainWindow &window, const config::Settings &settings,
                 hotwords::PageFetcher &fetcher, std::shared_ptr<const layout::PageLayout> layout);

    mining::MiningRun *run() const { return m_run; }
    // The seed marker page has finished loading (or failing, with no
    // markers): the start button is released and its markers are kept.
    void markerPageLoaded(const QStringList &seedMarkers);
    const QStringList &seedMarkers() const { return m_seedMarkers; }

private:
    void loadMarkerPage(const config::Settings &settings);
    void start();
    void switchFilter(bool on);
    void showElapsed();
    void showQuerying(const QString &keyword);
    void onBlocked(const QString &keyword, qint64 retryInMs);
    void showBackoff();
    void onFinished();

    MainWindow &m_window;
    hotwords::PageFetcher &m_fetcher;
    mining::MiningRun *m_run;
    QStringList m_seedMarkers;
    // Label2 while a blocked query waits for its next try, counting down with
    // the clock, then again the keyword being queried.
    QLabel *m_queryingLabel;
    QString m_querying;
    std::optional<QString> m_blockedKeyword;
    QDeadlineTimer m_retryAt;
};

} // namespace vantorix::app

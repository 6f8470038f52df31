#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

namespace vantorix::config {
struct Settings;
}
namespace vantorix::web {
class PageFetcher;
}
namespace vantorix::layout {
class PageLayout;
}
namespace vantorix::mining {
class MiningRun;
enum class SourceChoice;
} // namespace vantorix::mining

namespace vantorix::app {

struct Controls;
class MainWindow;

// The mining panel: the seed marker page at start-up, the start and stop
// buttons, the containing-filter switch, the read-outs and the elapsed time.
// A right click on the start button chooses what a run mines (相关搜索,
// 下拉词 or 两者) and, in its 搜索引擎 submenu, which engines it asks (百度,
// 搜狗, 360: one or more) for the rest of the window's life; the button's
// tooltip names the choices.
class MiningBinder : public QObject
{
    Q_OBJECT
public:
    MiningBinder(MainWindow &window, const config::Settings &settings, web::PageFetcher &fetcher,
                 std::shared_ptr<const layout::PageLayout> layout);

    mining::MiningRun *run() const { return m_run; }
    const QStringList &seedMarkers() const { return m_seedMarkers; }
    mining::SourceChoice source() const { return m_source; }
    // The run's engines chosen, in the menu's order.
    const QList<int> &engines() const { return m_engines; }

private:
    void loadMarkerPage(const config::Settings &settings, web::PageFetcher &fetcher);
    // A page has finished loading in the panel (or failing, with an empty
    // body): the start button is released and the markers are read from it.
    void markerPageLoaded(const QString &body);
    void start();
    void showSourceMenu(const QPoint &position);
    void chooseSource(mining::SourceChoice source);
    void toggleEngine(int engine, bool on);
    void showChoices();
    void switchFilter(bool on);
    void showElapsed();
    void showQuerying(const QString &keyword);
    void onBlocked(const QString &keyword, qint64 retryInMs);
    void showBackoff();
    void onFinished();
    void showStatus(const QString &text);

    const Controls &m_controls;
    mining::MiningRun *m_run;
    QStringList m_seedMarkers;
    mining::SourceChoice m_source;
    QList<int> m_engines{0};
    // Label2 while a blocked query waits for its next try, counting down with
    // the clock, then again the keyword being queried.
    QString m_querying;
    std::optional<QString> m_blockedKeyword;
    QDeadlineTimer m_retryAt;
};

} // namespace vantorix::app

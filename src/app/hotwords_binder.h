#pragma once

#include "config/settings.h"

#include <QObject>
#include <QString>
#include <memory>

namespace vantorix::web {
class PageFetcher;
}
namespace vantorix::layout {
class PageLayout;
}

namespace vantorix::app {

struct Controls;
class MainWindow;

// The hot-word button: fetches the ranking page of the chosen source, appends
// its words to the list by paste-back and leaves them in the dump file. The
// button stays disabled, captioned "正在获取..", until the page has arrived
// or the fetch has failed; a failure, or a source the layout has no list
// for, is silent.
class HotwordsBinder : public QObject
{
    Q_OBJECT
public:
    HotwordsBinder(MainWindow &window, const config::Settings &settings, web::PageFetcher &fetcher,
                   std::shared_ptr<const layout::PageLayout> layout);

private:
    void fetch();
    void finish(const QString &wordList);

    const Controls &m_controls;
    config::Settings m_settings;
    web::PageFetcher &m_fetcher;
    std::shared_ptr<const layout::PageLayout> m_layout;
};

} // namespace vantorix::app

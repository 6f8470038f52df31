#include "app/binders.h"

#include "app/hotwords_binder.h"
#include "app/list_menu_binder.h"
#include "app/list_tools_binder.h"
#include "app/main_window.h"
#include "app/mining_binder.h"
#include "app/system_browser.h"
#include "config/settings.h"
#include "layout/page_layout.h"
#include "web/page_fetcher.h"
#include "web/urls.h"

#include <QPushButton>

namespace vantorix::app {

void installBinders(MainWindow &window, const config::Settings &settings)
{
    new ListToolsBinder(window, settings);
    new ListMenuBinder(window, settings);
    // One page fetch for the whole window, shared by everything that reads pages.
    auto *fetcher = new web::PageFetcher(settings, &window);
    // The pages it reads, chosen once for the window's life.
    const std::shared_ptr<const layout::PageLayout> layout = layout::chooseLayout(settings);
    new MiningBinder(window, settings, *fetcher, layout);
    new HotwordsBinder(window, settings, *fetcher, layout);
    // "官方网站": the publisher's home page in the system's browser.
    QObject::connect(
        window.controls().Command1, &QPushButton::clicked, &window,
        [home = web::homePageUrl(settings.hosts.publisher)] { openInSystemBrowser(home); });
}

} // namespace vantorix::app

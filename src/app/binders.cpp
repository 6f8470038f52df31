#include "app/binders.h"

#include "app/hotwords_binder.h"
#include "app/list_menu_binder.h"
#include "app/list_tools_binder.h"
#include "app/main_window.h"
#include "app/mining_binder.h"
#include "hotwords/page_fetcher.h"

namespace vantorix::app {

void installBinders(MainWindow &window, const config::Settings &settings)
{
    new ListToolsBinder(window, settings);
    new ListMenuBinder(window, settings);
    // One page fetch for the whole window, shared by everything that reads pages.
    auto *fetcher = new hotwords::PageFetcher(settings, &window);
    new MiningBinder(window, settings, *fetcher);
    new HotwordsBinder(window, settings, *fetcher);
}

} // namespace vantorix::app

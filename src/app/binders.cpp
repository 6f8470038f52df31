#include "app/binders.h"

#include "app/hotwords_binder.h"
#include "app/list_tools_binder.h"
#include "app/mining_binder.h"

namespace vantorix::app {

void installBinders(MainWindow &window, const config::Settings &settings)
{
    new ListToolsBinder(window, settings);
    new MiningBinder(window, settings);
    new HotwordsBinder(window, settings);
}

} // namespace vantorix::app

#pragma once

// The browser strip "WebBrowser1", class BrowserPanel, in one of two builds
// with the same members the window uses: on the web engine, or where the
// engine cannot be built, a static view of the page (VANTORIX_WEBENGINE off).
#ifdef VANTORIX_WEBENGINE
#include "app/browser_panel_engine.h"
#else
#include "app/browser_panel_static.h"
#endif

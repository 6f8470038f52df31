#pragma once

// The browser strip "WebBrowser1", class BrowserPanel.
#include "app/browser_panel_engine.h"

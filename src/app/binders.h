#pragma once

namespace vantorix::config {
struct Settings;
}

namespace vantorix::app {

class MainWindow;

// Gives the window's controls their behaviour. Each feature has its own
// binder class, a QObject child of the window constructed with the window
// and the settings (and the window's one page fetcher, if it reads pages), which finds its controls
// by name and connects to them. A new binder is added here and to the library's sources, nothing
// else.
void installBinders(MainWindow &window, const config::Settings &settings);

} // namespace vantorix::app

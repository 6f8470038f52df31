#pragma once

#include <QString>

namespace vantorix::app {

// The web engine refuses to start its sandbox as root, and the program with
// it. As root, the browser panel runs without the sandbox: this turns it off
// and gives the line that says so, or an empty text when nothing changed (not
// root, no web engine, or the user chose already). Call it before the
// application exists; the engine reads its settings once.
QString runEngineUnsandboxedAsRoot();

} // namespace vantorix::app

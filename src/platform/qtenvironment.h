#pragma once

// Settles, before QApplication exists, which Qt the program uses and on which
// display system it starts.
namespace qtenvironment {

// In a deployed bundle (Contents/PlugIns beside Contents/MacOS) qt.conf points
// Qt at the bundle's own plugins; QT_PLUGIN_PATH and
// QT_QPA_PLATFORM_PLUGIN_PATH would still add a host Qt's plugins, built for
// another Qt, so they are cleared there. When the user has not chosen a
// platform and a Wayland session is running, the program is a native Wayland
// client and falls back to X11 when Wayland cannot start.
void prepare();

} // namespace qtenvironment

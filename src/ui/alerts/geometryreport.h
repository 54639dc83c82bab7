#pragma once

class AppSettings;
class QObject;

// A help for scripts that drive the program through the X server, where the
// widgets cannot be found by name. When the environment variable
// VELTRANO_DEBUG_GEOMETRY names a file, that file is rewritten five times a
// second with the current page, the overlay on screen and the screen
// rectangle of every visible button, one tab-separated line each:
//   page      <page name>
//   overlay   <overlay name or "none">
//   progress  <command> <of commands> <1 waiting for authentication / 0> <folder copied>
//             (only while an installation runs)
//   window    <Qt platform name>  <width> <height>  <frame margins: left top right bottom>
//   focus     <objectName, or class name, of the focus widget> (when one has it)
//   button    <label without '&'>  <objectName or "-">  <1 enabled / 0>  <x> <y> <width> <height>
// Nothing happens when the variable is unset or empty.
namespace geometryreport {

void startIfRequested(const AppSettings &settings, QObject *owner);

} // namespace geometryreport

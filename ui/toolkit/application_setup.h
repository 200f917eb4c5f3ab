#pragma once

#include <functional>

class QFont;

namespace tarnvale {

// Where XDG_RUNTIME_DIR is not set (a session without a login manager, a container), a private
// folder of the user's in the temporary directory stands for it, as Qt would take, so that Qt
// does not warn of it on every start. Before the QApplication is made.
void provideRuntimeDirectory();

// The program's name, version and desktop entry, for the desktop's task bar and icons. No
// display name is set: on X11 Qt would append it to every window title.
void setApplicationIdentity();

// The platform's style, less the images it would load while the window first shows (the menu
// bar's overflow icon, which two menus never need, and the scroll bar's arrows): each load
// makes Qt open every image-format plugin.
void installStartupStyle();

// Runs `build` with `font` as the application's font for that moment. A line edit lays its
// text out with the application's font before it takes its own; with the window's font in its
// place, start-up loads no font family the window never shows.
void buildWithApplicationFont(const QFont& font, const std::function<void()>& build);

}  // namespace tarnvale

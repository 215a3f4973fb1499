#pragma once
// Tool-bar icons, drawn rather than shipped: each is a small picture of what the command
// shows, so they stay sharp at any scale and need no image files.

#include <QIcon>

namespace sonarel::app {

// The icon of a command, or a null icon for commands that have none.
QIcon commandIcon(int id);

}  // namespace sonarel::app

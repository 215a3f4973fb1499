// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tool-bar icons, drawn rather than shipped: each is a small picture of what the command
// shows, so they stay sharp at any scale and need no image files.

#include <QIcon>

class QPainter;

namespace sonarel::app {

// The icon of a command, or a null icon for commands that have none. A display mode's
// command takes the icon its registry entry paints.
QIcon commandIcon(int id);

// An icon from a routine that paints it on a 32 x 32 antialiased pixmap.
QIcon drawnIcon(void (*paint)(QPainter&));

}  // namespace sonarel::app

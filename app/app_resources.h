#pragma once
// The main frame's pictures: the application and document icons from the installed icon theme,
// else from the resource file, and the toolbar's button images. The light grey of the bitmaps
// shows as transparent.

// Qt
#include <QIcon>
#include <QPixmap>

// std
#include <vector>

QIcon ApplicationIcon();
QIcon DocumentIcon();
// The toolbar bitmap's images of 16 x 15 pixels, left to right (9: the 8 buttons', then one spare).
std::vector<QPixmap> ToolbarImages();

#pragma once
#include <QIcon>
#include <QPixmap>

// The program icon, drawn rather than shipped: a chuck holding a part with
// a tool tip, readable from 16 to 64 pixels.
QPixmap QuillonPixmap(int size);
QIcon QuillonIcon();

class QPainter;
// Draws the icon on a 32 by 32 unit square at the painter's origin; scale
// the painter for other sizes. The pixmaps and the installed icons (PNG and
// SVG) all come from here.
void PaintQuillonIcon(QPainter& p);

#pragma once
#include <QIcon>
#include <QPixmap>

// The program icon, drawn rather than shipped: a chuck holding a part with
// a tool tip, readable from 16 to 64 pixels.
QPixmap QuillonPixmap(int size);
QIcon QuillonIcon();

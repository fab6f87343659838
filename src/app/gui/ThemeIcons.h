#pragma once

#include <QIcon>
#include <QStyle>

// An icon of the desktop's icon theme by its freedesktop name; when the theme lacks
// it, the style's own icon, so a command never shows an empty button.
QIcon ThemeIcon(const char* freedesktopName, QStyle::StandardPixmap fallback);

#pragma once

#include <QIcon>
#include <QStyle>

// The program draws its commands from the Breeze icon theme whatever the desktop, so a
// command looks the same everywhere and every icon comes from one set.
inline constexpr const char* kCommandIconTheme = "breeze";
inline constexpr const char* kDarkCommandIconTheme = "breeze-dark";

// Makes Breeze the icon theme (and the fallback theme) when it is installed, and our own
// icon the icon of the application and its windows. Runs once; ThemeIcon() runs it too.
void InstallIconTheme();
// The program's own icon.
QIcon ApplicationIcon();

// An icon of the icon theme by its freedesktop name; when the theme lacks it, the
// style's own icon, so a command never shows an empty button.
QIcon ThemeIcon(const char* freedesktopName, QStyle::StandardPixmap fallback);

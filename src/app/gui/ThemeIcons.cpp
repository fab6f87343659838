#include "app/gui/ThemeIcons.h"

#include <QApplication>

namespace {
// Outside a desktop session Qt knows no theme; Adwaita fills in where it is installed.
void ensureFallbackTheme()
{
    static const bool done = [] {
        if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
            QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    Q_UNUSED(done);
}
} // namespace

QIcon ThemeIcon(const char* freedesktopName, QStyle::StandardPixmap fallback)
{
    ensureFallbackTheme();
    const QString name = QLatin1String(freedesktopName);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return QApplication::style()->standardIcon(fallback);
}

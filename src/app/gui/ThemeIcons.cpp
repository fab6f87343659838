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

// Themes ship some icons in fewer sizes than others, and Qt draws a missing size at the
// nearest smaller one, so buttons side by side would differ. Every size is made here
// from the largest picture.
QIcon withEverySize(const QIcon& source)
{
    const QPixmap largest = source.pixmap(QSize(48, 48));
    if (largest.isNull())
        return source;
    QIcon result;
    for (int size : {16, 20, 24, 32, 48})
        result.addPixmap(largest.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return result;
}

} // namespace

QIcon ThemeIcon(const char* freedesktopName, QStyle::StandardPixmap fallback)
{
    ensureFallbackTheme();
    const QString name = QLatin1String(freedesktopName);
    if (QIcon::hasThemeIcon(name))
        return withEverySize(QIcon::fromTheme(name));
    return withEverySize(QApplication::style()->standardIcon(fallback));
}

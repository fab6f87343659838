#include "app/gui/ThemeIcons.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStandardPaths>

namespace {

// Some platforms (the headless one among them) search no folder for icon themes: the
// desktop's data folders are where the themes are installed.
void addDataFolders()
{
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString icons = QDir(data).filePath(QStringLiteral("icons"));
        if (!paths.contains(icons) && QFileInfo(icons).isDir())
            paths << icons;
    }
    QIcon::setThemeSearchPaths(paths);
}

bool themeInstalled(const QString& name)
{
    for (const QString& folder : QIcon::themeSearchPaths())
        if (QFileInfo::exists(QDir(folder).filePath(name + QStringLiteral("/index.theme"))))
            return true;
    return false;
}

// The style's pictures come in few sizes, and Qt draws a missing size at the nearest
// smaller one, so buttons side by side would differ. Every size is made here from the
// largest picture. Theme icons are drawings and need none of this.
QIcon withEverySize(const QIcon& source)
{
    const QPixmap largest = source.pixmap(QSize(48, 48));
    if (largest.isNull())
        return source;
    QIcon result;
    for (int size : {16, 20, 22, 24, 32, 48})
        result.addPixmap(largest.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return result;
}

} // namespace

QIcon ApplicationIcon()
{
    return QIcon(QStringLiteral(":/appicon/velmar.svg"));
}

void InstallIconTheme()
{
    static const bool done = [] {
        addDataFolders();
        // Dark window colours take the light-on-dark drawings of the same set.
        const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
        const QString theme = QLatin1String(dark ? kDarkCommandIconTheme : kCommandIconTheme);
        if (themeInstalled(theme)) {
            QIcon::setThemeName(theme);
            QIcon::setFallbackThemeName(theme);
        }
        if (QApplication::windowIcon().isNull())
            QApplication::setWindowIcon(ApplicationIcon());
        return true;
    }();
    Q_UNUSED(done);
}

QIcon ThemeIcon(const char* freedesktopName, QStyle::StandardPixmap fallback)
{
    InstallIconTheme();
    const QString name = QLatin1String(freedesktopName);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return withEverySize(QApplication::style()->standardIcon(fallback));
}

#include "support/TestEnvironment.h"

#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/Startup.h"

#include <QDir>
#include <QFontInfo>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace TestEnvironment {

void prepareProcess()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir dataHome;
    if (!dataHome.isValid()) {
        std::fprintf(stderr, "Cannot make a temporary data folder\n");
        std::exit(2);
    }
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication::setAttribute(Qt::AA_Use96Dpi);
}

void prepareApplication()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QFontInfo arial(QFont(QStringLiteral("Arial")));
    if (!arial.family().contains(QLatin1String("Arial"))
        && !arial.family().contains(QLatin1String("Liberation Sans"))) {
        std::fprintf(stderr, "\"Arial\" resolves to \"%s\"; install fonts-liberation\n",
                     qPrintable(arial.family()));
        std::exit(2);
    }
}

void removeAllData()
{
    QDir(CompanyFolder()).removeRecursively();
}

void freshDatabase(AppState& state)
{
    removeAllData();
    PrepareApplicationData(state);
}

void freshDatabase()
{
    AppState state;
    freshDatabase(state);
}

} // namespace TestEnvironment

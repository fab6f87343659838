#include "support/BenchEnvironment.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace BenchEnvironment {

void prepare(int& argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    static QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void freshDatabase()
{
    QDir(CompanyFolder()).removeRecursively();
    AppState state;
    PrepareApplicationData(state);
}

} // namespace BenchEnvironment

#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProductName()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(kProductLineWord), QLatin1String(kEditionWord));
}

QString FullProductName()
{
    return QStringLiteral("Morvane ") + ProductName();
}

QString ApplicationTitle()
{
    return ProductName();
}

QString VersionText()
{
    return QStringLiteral("%1.0.0.0").arg(kVersionMajor);
}

QString ProductFolderName()
{
    QString word = QLatin1String(kProductLineWord);
    word.remove(QLatin1Char(' '));
    return word.toLower() + QString::number(kVersionMajor);
}

QString DatabaseFileName()
{
    QString name = ProductFolderName();
    name.remove(QLatin1Char(' '));
    return name + QStringLiteral(".db");
}

QString CompanyFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QLatin1Char('/') + QLatin1String(kCompanyName);
}

QString DataFolder()
{
    return CompanyFolder() + QLatin1Char('/') + ProductFolderName();
}

QString DatabasePath()
{
    return DataFolder() + QLatin1Char('/') + DatabaseFileName();
}

QString LogoPath()
{
    return DataFolder() + QStringLiteral("/CmpLogo.jpg");
}

QString HelpFilePath()
{
    return HelpFilePathIn(QCoreApplication::applicationDirPath());
}

QString HelpFilePathIn(const QString& folder)
{
    const QString beside = QDir(folder).filePath(QStringLiteral("velmarhelp.html"));
    if (QFileInfo::exists(beside))
        return beside;
    // Installed: bin/velmar and share/velmar/velmarhelp.html under one prefix.
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/../share/velmar/velmarhelp.html"));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

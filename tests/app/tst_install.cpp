#include "app/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString kBuildDir = QStringLiteral(VELMAR_BINARY_DIR);
const QString kId = QLatin1String(kApplicationId);
const QList<int> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Run(const QString& program, const QStringList& arguments, const QString& workingFolder = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(env);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForFinished(180000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key in the [Desktop Entry] group.
QString DesktopKey(const QString& path, const QString& key)
{
    const QStringList lines = ReadText(path).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}

struct Metainfo {
    bool wellFormed = false;
    QHash<QString, QString> first; // the first element of each name: its text
    QStringList images;
    QStringList releases;          // version attributes, in order
};

Metainfo ReadMetainfo(const QString& path)
{
    Metainfo meta;
    QXmlStreamReader xml(ReadText(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("release"))
            meta.releases << xml.attributes().value(QStringLiteral("version")).toString();
        if (name == QLatin1String("description") || name == QLatin1String("releases")
            || name == QLatin1String("screenshots") || name == QLatin1String("screenshot")
            || name == QLatin1String("provides") || name == QLatin1String("ul") || name == QLatin1String("component")
            || name == QLatin1String("categories") || name == QLatin1String("release"))
            continue;
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        if (name == QLatin1String("image"))
            meta.images << text;
        if (!meta.first.contains(name))
            meta.first.insert(name, text);
    }
    meta.wellFormed = !xml.hasError();
    return meta;
}

// Everything a prefix must hold for the program to run and to appear on the desktop.
void CheckLayout(const QString& prefix)
{
    const QString program = prefix + QStringLiteral("/bin/velmar");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));

    const QString help = prefix + QStringLiteral("/share/velmar/velmarhelp.html");
    QCOMPARE(ReadText(help), ReadText(QStringLiteral(VELMAR_TEST_DATA_DIR "/../resources/help/velmarhelp.html")));
    // The program looks there from its own folder, whatever the working folder is.
    QCOMPARE(HelpFilePathIn(prefix + QStringLiteral("/bin")), QDir::cleanPath(help));

    const QString desktop = prefix + QStringLiteral("/share/applications/") + kId + QStringLiteral(".desktop");
    QVERIFY2(QFileInfo::exists(desktop), qPrintable(desktop));
    const Outcome desktopCheck = Run(QStringLiteral("desktop-file-validate"), {desktop});
    QCOMPARE(desktopCheck.status, 0);
    QCOMPARE(desktopCheck.out + desktopCheck.err, QString());
    QCOMPARE(DesktopKey(desktop, QStringLiteral("Exec")), QStringLiteral("velmar"));
    QCOMPARE(DesktopKey(desktop, QStringLiteral("Name")), ProductName());
    QCOMPARE(DesktopKey(desktop, QStringLiteral("Icon")), kId);

    const QString icons = prefix + QStringLiteral("/share/icons/hicolor/");
    QVERIFY(QFileInfo::exists(icons + QStringLiteral("scalable/apps/") + kId + QStringLiteral(".svg")));
    for (int size : kIconSizes) {
        const QString png = icons + QStringLiteral("%1x%1/apps/").arg(size) + kId + QStringLiteral(".png");
        const QImage image(png);
        QVERIFY2(!image.isNull(), qPrintable(png));
        QCOMPARE(image.size(), QSize(size, size));
        // Drawn, not blank: the centre shows the roller's colours.
        QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) > 0);
    }

    const QString metainfo = prefix + QStringLiteral("/share/metainfo/") + kId + QStringLiteral(".metainfo.xml");
    const Outcome metaCheck = Run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    QVERIFY2(metaCheck.status == 0, qPrintable(metaCheck.out + metaCheck.err));
    const Metainfo meta = ReadMetainfo(metainfo);
    QVERIFY(meta.wellFormed);
    QCOMPARE(meta.first.value(QStringLiteral("id")), kId);
    QCOMPARE(meta.first.value(QStringLiteral("name")), ProductName());
    QCOMPARE(meta.first.value(QStringLiteral("launchable")), kId + QStringLiteral(".desktop"));
    QCOMPARE(meta.first.value(QStringLiteral("binary")), QStringLiteral("velmar"));
    QVERIFY(meta.first.value(QStringLiteral("p")).size() > 40);
    QVERIFY(!meta.images.isEmpty());
    // Each picture the entry names is kept with the sources, to be published under that name.
    for (const QString& image : meta.images) {
        QVERIFY2(image.endsWith(QLatin1String(".png")), qPrintable(image));
        const QString kept = QStringLiteral(VELMAR_TEST_DATA_DIR "/../packaging/screenshots/")
                             + QFileInfo(QUrl(image).path()).fileName();
        QVERIFY2(QImage(kept).width() >= 620, qPrintable(kept));
    }
    // The newest release entry comes first and is the version the program shows.
    QCOMPARE(meta.releases.value(0), VersionText());

    // Runs from anywhere without a display.
    const Outcome version = Run(program, {QStringLiteral("--version")}, QDir::rootPath());
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("Velmar Kessa %1\n").arg(VersionText()));
}

QString DebField(const QString& deb, const QString& field)
{
    return Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, field}).out.trimmed();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void windowIconIsTheDrawnSvg()
    {
        const QIcon icon(QStringLiteral(":/appicon/velmar.svg"));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(qAlpha(image.pixel(16, 16)) > 0);
        QVERIFY(qAlpha(image.pixel(0, 0)) < 255); // rounded corners stay clear
    }

    void installsIntoAPrefix()
    {
        QTemporaryDir prefix;
        const Outcome install = Run(QStringLiteral(VELMAR_CMAKE_COMMAND),
                                    {QStringLiteral("--install"), kBuildDir, QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(install.status == 0, qPrintable(install.err));
        CheckLayout(prefix.path());
    }

    void debianPackage()
    {
        QTemporaryDir work;
        const Outcome pack = Run(QStringLiteral(VELMAR_CPACK_COMMAND),
                                 {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), work.path()}, kBuildDir);
        QVERIFY2(pack.status == 0, qPrintable(pack.out + pack.err));
        const QStringList debs = QDir(work.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const QString deb = work.filePath(debs.front());

        QCOMPARE(DebField(deb, QStringLiteral("Package")), QStringLiteral("velmar"));
        QCOMPARE(DebField(deb, QStringLiteral("Version")), QStringLiteral("7.0.0"));
        // Found by dpkg-shlibdeps from what the program links, plus what it loads at run time.
        const QString depends = DebField(deb, QStringLiteral("Depends"));
        for (const char* package : {"libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6",
                                    "libsqlite3-0", "libqpdf", "fonts-liberation", "qt6-qpa-plugins", "libqt6svg6"})
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(package + QStringLiteral(" in ") + depends));

        const QString root = work.filePath(QStringLiteral("root"));
        const Outcome extract = Run(QStringLiteral("dpkg"), {QStringLiteral("-x"), deb, root});
        QVERIFY2(extract.status == 0, qPrintable(extract.err));
        CheckLayout(root + QStringLiteral("/usr"));
        // Nothing outside /usr.
        QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("usr")});
    }
};

VELMAR_TEST_MAIN(TestInstall)
#include "tst_install.moc"

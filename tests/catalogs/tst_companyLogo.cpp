#include "app/AppPaths.h"
#include "catalogs/CompanyLogo.h"
#include "data/DatabaseError.h"
#include "support/SmallDisk.h"
#include "support/TestEnvironment.h"

#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture that compresses badly, so its JPEG file is large.
QImage noise(const QSize& size, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(size, format);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = picture.scanLine(y);
        for (qsizetype i = 0; i < picture.bytesPerLine(); ++i)
            line[i] = uchar(random.generate());
    }
    return picture;
}

} // namespace

// The logo file: kept at the size print needs, and written so a failure leaves the old one.
class TestCompanyLogo : public QObject {
    Q_OBJECT

    QTemporaryDir m_pictures;

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void keptSize_data()
    {
        QTest::addColumn<QSize>("original");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("small picture is not enlarged") << QSize(200, 100) << QSize(200, 100);
        QTest::newRow("exactly the most") << QSize(2310, 780) << QSize(2310, 780);
        QTest::newRow("12 MP photo: height decides") << QSize(4000, 3000) << QSize(1040, 780);
        QTest::newRow("wide banner: width decides") << QSize(8000, 1000) << QSize(2310, 288);
        QTest::newRow("square") << QSize(6000, 6000) << QSize(780, 780);
        QTest::newRow("one pixel wide stays one pixel") << QSize(1, 10000) << QSize(1, 780);
    }
    void keptSize()
    {
        QFETCH(QSize, original);
        QFETCH(QSize, kept);
        QCOMPARE(CompanyLogo::printedSize(original), kept);
    }

    void largePicturesAreScaledOnImport_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("24 MP photo") << QStringLiteral("photo.jpg") << QByteArray("JPEG") << QSize(6000, 4000) << QSize(1170, 780);
        QTest::newRow("large bitmap") << QStringLiteral("scan.bmp") << QByteArray("BMP") << QSize(3000, 600) << QSize(2310, 462);
        QTest::newRow("small logo as it is") << QStringLiteral("logo.jpg") << QByteArray("JPEG") << QSize(300, 120) << QSize(300, 120);
    }
    void largePicturesAreScaledOnImport()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(QSize, kept);
        const QString path = m_pictures.filePath(fileName);
        QImage picture(size, QImage::Format_Grayscale8);
        picture.fill(Qt::gray);
        QVERIFY(picture.save(path, format.constData()));

        const QImage read = CompanyLogo::readPicture(path);
        QCOMPARE(read.size(), kept);
        CompanyLogo::write(read);
        QCOMPARE(QImage(LogoPath()).size(), kept);
    }

    void aFailedWriteLeavesTheOldLogo()
    {
        SmallDisk disk(DataFolder(), 512 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(QStringLiteral("no small disk can be mounted here: ") + disk.reason()));
        CompanyLogo::write(noise(QSize(120, 60)));
        const QByteArray oldLogo = fileBytes(LogoPath());
        QVERIFY(!oldLogo.isEmpty());
        disk.fillLeaving(16 * 1024);

        // A noisy picture at the largest kept size is far more than the disk has left.
        try {
            CompanyLogo::write(noise(CompanyLogo::kMaxPixels));
            QFAIL("the write must fail on a full disk");
        } catch (const VelmarError& error) {
            QVERIFY2(error.text().startsWith(QStringLiteral("Cannot write the logo file %1: ").arg(LogoPath())),
                     qPrintable(error.text()));
        }
        QCOMPARE(fileBytes(LogoPath()), oldLogo);
        QCOMPARE(QImage(LogoPath()).size(), QSize(120, 60));
        // No half-written file is left beside it.
        QCOMPARE(QDir(DataFolder()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("CmpLogo.jpg"), QStringLiteral("filler")}));
    }

    void aWriteReplacesTheLogoWhole()
    {
        CompanyLogo::write(noise(QSize(120, 60)));
        CompanyLogo::write(noise(QSize(400, 100)));
        QCOMPARE(CompanyLogo::load().size(), QSize(400, 100));
        QCOMPARE(QDir(DataFolder()).entryList({QStringLiteral("*CmpLogo*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("CmpLogo.jpg")});
    }
};

VELMAR_TEST_MAIN(TestCompanyLogo)
#include "tst_companyLogo.moc"

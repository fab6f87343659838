#include "app/AppState.h"
#include "app/UpdateCheck.h"
#include "app/gui/TfrmUpdate.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QDesktopServices>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kNoUpdate = QStringLiteral("No new updates are available at this time.\nPlease check back later.");
const QString kNewer = QStringLiteral("A newer version is available.\nDo you want to download now?");
const QString kFailure = QStringLiteral("Unable to connect to the Download Server.\nPlease try again later!");

// A small HTTP server on the loopback address that answers each path with a fixed
// response and keeps the request heads it received. A stalled response sends its
// headers and half its body, and the rest only on release().
class LoopbackHttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        bool stall = false;
        // A redirect answer: where the client is sent.
        QByteArray location = {};
        // Sends its first quarter and then nothing more, keeping the connection open.
        bool hang = false;
    };
    QHash<QString, Response> responses;
    QList<QByteArray> requestHeads;

    LoopbackHttpServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }

    QUrl address() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
    }
    bool hasStalled() const { return !m_stalled.isEmpty(); }

    void release()
    {
        for (auto [socket, rest] : std::as_const(m_stalled)) {
            socket->write(rest);
            socket->disconnectFromHost();
        }
        m_stalled.clear();
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buffer.left(end);
        requestHeads << head;
        const QString path = QString::fromLatin1(head.split(' ').value(1));
        const Response response = responses.value(path, Response{404, "Not found"});
        const QByteArray statusText = response.status == 200 ? "OK"
                                      : response.status == 302 ? "Found" : "Not Found";
        const QByteArray location = response.location.isEmpty() ? QByteArray() : "\r\nLocation: " + response.location;
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + ' ' + statusText
                      + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                      + QByteArray::number(response.body.size()) + location + "\r\nConnection: close\r\n\r\n");
        if (response.hang) {
            socket->write(response.body.left(response.body.size() / 4));
            return;
        }
        if (response.stall) {
            // Two pieces a moment apart: the client reports progress at most every
            // 100 ms, so a single early piece would go unreported.
            const qsizetype quarter = response.body.size() / 4;
            socket->write(response.body.left(quarter));
            QTimer::singleShot(300, socket, [socket, piece = response.body.mid(quarter, quarter)] {
                socket->write(piece);
            });
            m_stalled.append({socket, response.body.mid(2 * quarter)});
            return;
        }
        socket->write(response.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QList<std::pair<QTcpSocket*, QByteArray>> m_stalled;
};

// Records what the desktop was asked to open instead of opening it.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

    AppState state;

    // A window pointed at the test server, shown, with its first check finished.
    std::unique_ptr<TfrmUpdate> checkedWindow(LoopbackHttpServer& server)
    {
        auto window = std::make_unique<TfrmUpdate>(state);
        window->setServerAddress(server.address());
        window->show();
        auto* label = window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"));
        [&] { QTRY_VERIFY(!label->text().isEmpty() && !window->busy()); }();
        return window;
    }

private slots:
    void versionComparison_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        const int newer = int(UpdateAnswer::Newer), same = int(UpdateAnswer::NotNewer),
                  unreadable = int(UpdateAnswer::Unreadable);
        QTest::newRow("same version") << QStringLiteral("7000") << same;
        QTest::newRow("next major") << QStringLiteral("8000") << newer;
        QTest::newRow("minor part") << QStringLiteral("7010") << newer;
        QTest::newRow("last part") << QStringLiteral("7001") << newer;
        QTest::newRow("older major, greater minor") << QStringLiteral("6100") << newer;
        QTest::newRow("older") << QStringLiteral("6000") << same;
        QTest::newRow("trailing line break") << QStringLiteral("7000\n") << unreadable;
        QTest::newRow("trailing carriage return") << QStringLiteral("7000\r\n") << unreadable;
        QTest::newRow("empty file") << QString() << same;
        QTest::newRow("letter first") << QStringLiteral("v700") << unreadable;
        QTest::newRow("letter inside") << QStringLiteral("7a00") << unreadable;
        QTest::newRow("blank before") << QStringLiteral(" 7000") << unreadable;
        // The answer is known at the first digit; what follows is never read.
        QTest::newRow("newer, then a line break") << QStringLiteral("8000\n") << newer;
    }
    void versionComparison()
    {
        QFETCH(QString, text);
        QFETCH(int, answer);
        QCOMPARE(int(CompareWithLocalVersion(text)), answer);
    }

    void serverNames()
    {
        QCOMPARE(VersionFileServerPath(), QStringLiteral("/docs/velmar7.txt"));
        QCOMPARE(InstallerServerPath(), QStringLiteral("/docs/velmarKessa7.exe"));
        QCOMPARE(InstallerFileName(), QStringLiteral("velmar7.exe"));
    }

    void windowShowsTheAnswer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("downloadEnabled");
        QTest::newRow("no update") << 200 << QByteArray("7000") << kNoUpdate << false;
        QTest::newRow("newer") << 200 << QByteArray("6100") << kNewer << true;
        QTest::newRow("empty file") << 200 << QByteArray() << kNoUpdate << false;
        QTest::newRow("line break") << 200 << QByteArray("7000\n") << kFailure << false;
        QTest::newRow("file missing on the server") << 404 << QByteArray("Not found") << kFailure << false;
    }
    void windowShowsTheAnswer()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, label);
        QFETCH(bool, downloadEnabled);
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {status, body});
        auto window = checkedWindow(server);

        QCOMPARE(window->windowTitle(), QStringLiteral("Check For Updates"));
        auto* info = window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"));
        QCOMPARE(info->text(), label);
        // Both lines fit; the window is never smaller than its usual size.
        QVERIFY(info->width() >= info->sizeHint().width());
        QVERIFY(info->height() >= info->sizeHint().height());
        QVERIFY(window->width() >= 224 && window->height() >= 100);
        QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("btnDownloadUpdate"))->isEnabled(),
                 downloadEnabled);
        QVERIFY(window->findChild<QProgressBar*>(QStringLiteral("ProgressBarUpdate"))->isHidden());
        QVERIFY(window->closeAllowed());
        QVERIFY(!QApplication::overrideCursor());
    }

    void buttonTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("download") << QStringLiteral("btnDownloadUpdate") << QStringLiteral("Download Update")
                                  << QStringLiteral("Download updates");
        QTest::newRow("close") << QStringLiteral("btnClose") << QStringLiteral("Close")
                               << QStringLiteral("Close update from");
    }
    void buttonTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {200, "7000"});
        auto window = checkedWindow(server);
        auto* button = window->findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(button->statusTip(), hint);
        QVERIFY(button->width() >= button->sizeHint().width());
    }

    void everyActivationChecksAgain()
    {
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {200, "7000"});
        TfrmUpdate window(state);
        window.setServerAddress(server.address());
        window.show();
        QApplication::setActiveWindow(&window);
        QTRY_COMPARE(window.findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(), kNoUpdate);
        QCOMPARE(server.requestHeads.size(), 1);

        // A message box over the window, closed again.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(&window);
        QTRY_COMPARE(server.requestHeads.size(), 2);
        QTRY_VERIFY(!window.busy());
    }

    void serverNotReachable()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();

        TfrmUpdate window(state);
        window.setServerAddress(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
        window.show();
        QTRY_COMPARE(window.findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(), kFailure);
        QVERIFY(window.closeAllowed());
    }

    void requestsCarryTheExpectedHeaders()
    {
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {200, "8000"});
        server.responses.insert(QStringLiteral("/docs/velmarKessa7.exe"), {404, "Not found"});
        auto window = checkedWindow(server);
        window->findChild<QPushButton*>(QStringLiteral("btnDownloadUpdate"))->click();
        QTRY_VERIFY(!window->busy());

        QCOMPARE(server.requestHeads.size(), 2);
        const QStringList paths = {QStringLiteral("/docs/velmar7.txt"), QStringLiteral("/docs/velmarKessa7.exe")};
        for (int i = 0; i < 2; ++i) {
            const QList<QByteArray> lines = server.requestHeads[i].split('\n');
            QCOMPARE(lines.first().trimmed(), "GET " + paths[i].toLatin1() + " HTTP/1.1");
            QVERIFY(lines.contains("Accept: text/html, */*\r"));
            QVERIFY(lines.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r"));
        }
        // A failed download is reported like a failed check.
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(), kFailure);
        QVERIFY(window->closeAllowed());
    }

    void downloadSavesStartsTheInstallerAndEndsTheProgram()
    {
        // Another user planted a link at the name the installer once had in the shared
        // temporary folder; the download must not write through it.
        const QString planted = QDir(QDir::tempPath()).filePath(QStringLiteral("velmar7.exe"));
        QTemporaryDir victimFolder;
        const QString victim = victimFolder.filePath(QStringLiteral("precious.txt"));
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        QFile::remove(planted);
        QVERIFY(QFile::link(victim, planted));
        const auto removePlanted = qScopeGuard([&] { QFile::remove(planted); });

        QByteArray installer(300 * 1024, 'i');
        installer.replace(0, 9, "installer");
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {200, "7010"});
        server.responses.insert(QStringLiteral("/docs/velmarKessa7.exe"), {200, installer, true});
        auto window = checkedWindow(server);
        ScopedPrompts prompts;
        OpenedUrls opened;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        int programEnds = 0;
        window->setProgramEnd([&] { ++programEnds; });

        auto* download = window->findChild<QPushButton*>(QStringLiteral("btnDownloadUpdate"));
        auto* bar = window->findChild<QProgressBar*>(QStringLiteral("ProgressBarUpdate"));
        download->click();
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(),
                 QStringLiteral("Downloading . . ."));
        QVERIFY(!download->isEnabled());
        QVERIFY(bar->isVisible());

        // While data flows the window cannot be closed, by any route.
        QTRY_VERIFY(server.hasStalled());
        QTRY_VERIFY(bar->value() > 0);
        // What arrived is already on disk, in a new folder only this user may enter.
        const QStringList folders = QDir(QDir::tempPath()).entryList({QStringLiteral("velmar7-update-*")}, QDir::Dirs);
        QVERIFY(!folders.isEmpty());
        QString partPath;
        for (const QString& folder : folders) {
            const QString candidate = QDir(QDir::tempPath()).filePath(folder + QStringLiteral("/velmar7.exe"));
            if (QFileInfo(candidate).isFile() && QFileInfo(candidate).size() >= installer.size() / 4)
                partPath = candidate;
        }
        QVERIFY2(!partPath.isEmpty(), "the first half of the body is not on disk yet");
        QCOMPARE(QFileInfo(QFileInfo(partPath).path()).permissions() & 0x0077, QFileDevice::Permissions());
        QVERIFY(!window->closeAllowed());
        QVERIFY(!window->close());
        window->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        server.release();
        QTRY_COMPARE(programEnds, 1);

        QCOMPARE(window->installerPath(), partPath);
        const auto removeFolder = qScopeGuard([&] { QDir(QFileInfo(partPath).path()).removeRecursively(); });
        QFile saved(window->installerPath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), installer);
        QCOMPARE(prompts->texts(), QStringList{QStringLiteral("Velmar Kessa will now close and install updates.")});
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(window->installerPath())});
        QVERIFY(window->closeAllowed());
        QVERIFY(!QApplication::overrideCursor());
        // The planted link and what it points to are as they were.
        QVERIFY(QFileInfo(planted).isSymLink());
        QCOMPARE(fileBytes(victim), QByteArray("keep me"));
        // The installer outlives the window that downloaded it: the program ends meanwhile.
        window.reset();
        QVERIFY(QFile::exists(partPath));
    }

    void failedDownloadsLeaveNothingBehind_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("redirect to another host") << QByteArray("other-host");
        QTest::newRow("transfer that stalls") << QByteArray("stall");
        QTest::newRow("file missing on the server") << QByteArray("missing");
    }

    void failedDownloadsLeaveNothingBehind()
    {
        QFETCH(QByteArray, kind);
        LoopbackHttpServer server;
        LoopbackHttpServer elsewhere;
        elsewhere.responses.insert(QStringLiteral("/docs/velmarKessa7.exe"), {200, QByteArray(4096, 'x')});
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {200, "8000"});
        if (kind == "other-host") {
            // The same machine under another name is another host.
            QUrl target = elsewhere.address();
            target.setHost(QStringLiteral("localhost"));
            target.setPath(QStringLiteral("/docs/velmarKessa7.exe"));
            server.responses.insert(QStringLiteral("/docs/velmarKessa7.exe"), {302, QByteArray(), false, target.toEncoded()});
        } else if (kind == "stall") {
            server.responses.insert(QStringLiteral("/docs/velmarKessa7.exe"), {200, QByteArray(64 * 1024, 's'), false, {}, true});
        }
        const QStringList foldersBefore = QDir(QDir::tempPath()).entryList({QStringLiteral("velmar7-update-*")}, QDir::Dirs);
        auto window = checkedWindow(server);
        window->setStallLimit(500, 1024);
        ScopedPrompts prompts;
        window->findChild<QPushButton*>(QStringLiteral("btnDownloadUpdate"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 10000);

        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(), kFailure);
        QVERIFY(window->closeAllowed());
        QVERIFY(window->close());
        QVERIFY(prompts->shown.empty());
        QVERIFY(elsewhere.requestHeads.isEmpty());
        QCOMPARE(QDir(QDir::tempPath()).entryList({QStringLiteral("velmar7-update-*")}, QDir::Dirs), foldersBefore);
    }

    void aRedirectOnTheSameServerIsFollowed()
    {
        LoopbackHttpServer server;
        server.responses.insert(QStringLiteral("/docs/velmar7.txt"), {302, QByteArray(), false, "/docs/current.txt"});
        server.responses.insert(QStringLiteral("/docs/current.txt"), {200, "7010"});
        auto window = checkedWindow(server);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblUpdateInfo"))->text(), kNewer);
    }
};

VELMAR_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"

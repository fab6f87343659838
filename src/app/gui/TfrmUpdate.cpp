#include "app/gui/TfrmUpdate.h"

#include "app/AppPaths.h"
#include "app/PromptService.h"
#include "app/UpdateCheck.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNewerText = QStringLiteral("A newer version is available.\nDo you want to download now?");
const QString kNoUpdateText =
    QStringLiteral("No new updates are available at this time.\nPlease check back later.");
const QString kFailureText =
    QStringLiteral("Unable to connect to the Download Server.\nPlease try again later!");
} // namespace

TfrmUpdate::TfrmUpdate(AppState& /*state*/, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_serverAddress(QString::fromLatin1(kUpdateServerAddress)),
      m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("frmUpdate"));

    lblUpdateInfo = new QLabel(this);
    lblUpdateInfo->setObjectName(QStringLiteral("lblUpdateInfo"));
    lblUpdateInfo->setAlignment(Qt::AlignCenter);

    ProgressBarUpdate = new QProgressBar(this);
    ProgressBarUpdate->setObjectName(QStringLiteral("ProgressBarUpdate"));
    ProgressBarUpdate->setTextVisible(false);
    ProgressBarUpdate->setFixedHeight(12);

    btnDownloadUpdate = new QPushButton(QStringLiteral("Download Update"), this);
    btnDownloadUpdate->setObjectName(QStringLiteral("btnDownloadUpdate"));
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnDownloadUpdate, &QPushButton::clicked, this, &TfrmUpdate::btnDownloadUpdateClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmUpdate::btnCloseClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDownloadUpdate);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(lblUpdateInfo, 1);
    layout->addWidget(ProgressBarUpdate);
    layout->addLayout(buttons);

    // Room for the longest answer on two lines, the bar and the buttons; the window
    // grows past its usual size when the desktop font needs it.
    const QFontMetrics metrics = lblUpdateInfo->fontMetrics();
    int widest = 0;
    for (const QString& text : {kFailureText, kNewerText, kNoUpdateText})
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    lblUpdateInfo->setMinimumSize(widest + 8, 2 * metrics.lineSpacing() + 4);
    setFixedSize(QSize(224, 100).expandedTo(layout->sizeHint()));

    m_network = new QNetworkAccessManager(this);
    m_network->setProxy(QNetworkProxy::NoProxy);

    // A server that sends a byte now and then would keep the window unclosable for good.
    m_stallTimer = new QTimer(this);
    m_stallTimer->setInterval(15000);
    connect(m_stallTimer, &QTimer::timeout, this, &TfrmUpdate::checkForStall);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmUpdate::~TfrmUpdate()
{
    if (m_reply) {
        // Its answer has nowhere to go any more.
        m_reply->disconnect(this);
        m_reply->abort();
    }
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
}

void TfrmUpdate::setStallLimit(int intervalMs, qint64 minimumBytes)
{
    m_stallTimer->setInterval(intervalMs);
    m_stallMinimumBytes = minimumBytes;
}

void TfrmUpdate::showEvent(QShowEvent* event)
{
    ProgressBarUpdate->hide();
    btnDownloadUpdate->setEnabled(false);
    pShowFormInformation();
    m_closeAllowed = true;
    QDialog::showEvent(event);
    // The first check runs when the window opens, whether or not the desktop makes
    // it the active window.
    QTimer::singleShot(0, this, &TfrmUpdate::pCheckForUpdate);
}

void TfrmUpdate::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Check For Updates"));
    btnDownloadUpdate->setToolTip(QStringLiteral("Download updates"));
    btnDownloadUpdate->setStatusTip(QStringLiteral("Download updates"));
    btnClose->setToolTip(QStringLiteral("Close update from"));
    btnClose->setStatusTip(QStringLiteral("Close update from"));
}

void TfrmUpdate::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        m_wasDeactivated = true;
    } else if (m_wasDeactivated) {
        m_wasDeactivated = false;
        pCheckForUpdate();
    }
}

void TfrmUpdate::pCheckForUpdate()
{
    // One request at a time; a download under way is not interrupted by a check.
    if (m_reply)
        return;
    m_reply = startTransfer(VersionFileServerPath());
    connect(m_reply, &QNetworkReply::finished, this, &TfrmUpdate::versionReceived);
}

void TfrmUpdate::versionReceived()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    transferEnd();

    if (reply->error() != QNetworkReply::NoError) {
        showConnectionFailure();
        return;
    }
    switch (CompareWithLocalVersion(QString::fromLatin1(reply->readAll()))) {
    case UpdateAnswer::Newer:
        lblUpdateInfo->setText(kNewerText);
        btnDownloadUpdate->setEnabled(true);
        break;
    case UpdateAnswer::NotNewer:
        lblUpdateInfo->setText(kNoUpdateText);
        btnDownloadUpdate->setEnabled(false);
        m_closeAllowed = true;
        break;
    case UpdateAnswer::Unreadable:
        showConnectionFailure();
        break;
    }
}

void TfrmUpdate::btnDownloadUpdateClick()
{
    if (m_reply)
        return;
    btnDownloadUpdate->setEnabled(false);
    lblUpdateInfo->setText(QStringLiteral("Downloading . . ."));
    lblUpdateInfo->repaint();
    ProgressBarUpdate->setValue(0);
    ProgressBarUpdate->show();

    // A new folder only this user can enter, and a file in it that cannot exist yet:
    // nobody can plant a link where the installer is written.
    discardDownload();
    m_downloadFolder = std::make_unique<QTemporaryDir>(InstallerFolderTemplate());
    if (m_downloadFolder->isValid()) {
        m_download = std::make_unique<QFile>(m_downloadFolder->filePath(InstallerFileName()));
        if (!m_download->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            m_download.reset();
    }
    if (!m_download) {
        discardDownload();
        showConnectionFailure();
        return;
    }
    m_reply = startTransfer(InstallerServerPath());
    // The body goes to disk as it arrives instead of piling up in memory.
    connect(m_reply, &QNetworkReply::readyRead, this, &TfrmUpdate::installerDataArrived);
    connect(m_reply, &QNetworkReply::finished, this, &TfrmUpdate::installerReceived);
}

void TfrmUpdate::installerDataArrived()
{
    if (!m_reply || !m_download)
        return;
    const QByteArray data = m_reply->readAll();
    if (m_download->write(data) != data.size())
        m_reply->abort();
}

void TfrmUpdate::discardDownload()
{
    if (m_download) {
        m_download->close();
        m_download.reset();
    }
    if (m_downloadFolder)
        m_downloadFolder->remove();
    m_downloadFolder.reset();
}

void TfrmUpdate::checkForStall()
{
    if (!m_reply) {
        m_stallTimer->stop();
        return;
    }
    if (m_received - m_receivedAtLastCheck < m_stallMinimumBytes) {
        // Reported through the reply's end like any other failed transfer.
        m_reply->abort();
        return;
    }
    m_receivedAtLastCheck = m_received;
}

void TfrmUpdate::installerReceived()
{
    QNetworkReply* reply = m_reply;
    installerDataArrived();
    m_reply = nullptr;
    reply->deleteLater();
    transferEnd();

    // Only a whole installer is kept: a failed or cut-off transfer leaves nothing behind.
    bool saved = reply->error() == QNetworkReply::NoError && m_download;
    if (saved) {
        saved = m_download->flush();
        m_download->close();
        saved = saved && m_download->error() == QFileDevice::NoError;
    }
    if (!saved) {
        discardDownload();
        showConnectionFailure();
        return;
    }
    m_installerPath = m_download->fileName();
    m_download.reset();
    ShowInfo(ProductName() + QStringLiteral(" will now close and install updates."));
    // The installer must outlive this window: the program ends while it starts.
    m_downloadFolder->setAutoRemove(false);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(m_installerPath))) {
        m_endProgram();
    } else {
        discardDownload();
        ShowMessage(QStringLiteral("Unable to open the update file!"));
    }
}

void TfrmUpdate::showConnectionFailure()
{
    lblUpdateInfo->setText(kFailureText);
    btnDownloadUpdate->setEnabled(false);
    m_closeAllowed = true;
}

QNetworkReply* TfrmUpdate::startTransfer(const QString& path)
{
    QNetworkReply* reply = m_network->get(UpdateRequest(m_serverAddress, path));
    m_received = 0;
    m_receivedAtLastCheck = 0;
    m_stallTimer->start();
    transferBegin();
    connect(reply, &QNetworkReply::downloadProgress, this, &TfrmUpdate::transferProgress);
    return reply;
}

void TfrmUpdate::transferBegin()
{
    m_closeAllowed = false;
    if (!m_waitCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
    }
    ProgressBarUpdate->setRange(0, 0);
    ProgressBarUpdate->setValue(0);
}

void TfrmUpdate::transferProgress(qint64 received, qint64 total)
{
    m_received = received;
    // The bar counts in kilobytes so that large files stay within its int range.
    if (total > 0)
        ProgressBarUpdate->setRange(0, int(total / 1024) + 1);
    ProgressBarUpdate->setValue(int(received / 1024));
}

void TfrmUpdate::transferEnd()
{
    m_stallTimer->stop();
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
    m_closeAllowed = true;
}

void TfrmUpdate::closeEvent(QCloseEvent* event)
{
    if (m_closeAllowed)
        event->accept();
    else
        event->ignore();
}

void TfrmUpdate::reject()
{
    // Escape goes through the same rule as the Close button.
    close();
}

void TfrmUpdate::btnCloseClick()
{
    close();
}

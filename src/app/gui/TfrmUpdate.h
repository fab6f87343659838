#pragma once

#include <QDialog>
#include <QNetworkReply>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>

struct AppState;
class QFile;
class QLabel;
class QTemporaryDir;
class QTimer;
class QNetworkAccessManager;

class QProgressBar;
class QPushButton;

// Asks the update server whether a newer version exists and, on request, downloads
// the installer, starts it and ends the program.
class TfrmUpdate : public QDialog {
    Q_OBJECT
public:
    TfrmUpdate(AppState& state, QWidget* parent = nullptr);
    ~TfrmUpdate() override;

    // Tests use their own server on the loopback address.
    void setServerAddress(const QUrl& address) { m_serverAddress = address; }
    // What ends the program once the installer has started; by default the
    // application's event loops are left, so no closing steps of the main window run.
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }

    // A transfer that brings fewer than `minimumBytes` in `intervalMs` has stalled and is
    // given up (tests shorten the interval).
    void setStallLimit(int intervalMs, qint64 minimumBytes);
    // Where the last download was saved; empty before one finished.
    QString installerPath() const { return m_installerPath; }

    bool closeAllowed() const { return m_closeAllowed; }
    // A request to the server is under way.
    bool busy() const { return m_reply != nullptr; }

    // Asks the server for the newest version; runs when the window opens and each time
    // it becomes the active window again.
    void pCheckForUpdate();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void pShowFormInformation();
    void btnDownloadUpdateClick();
    void btnCloseClick();

    QNetworkReply* startTransfer(const QString& path);
    void transferBegin();
    void transferProgress(qint64 received, qint64 total);
    void transferEnd();
    void versionReceived();
    void installerReceived();
    void showConnectionFailure();
    void installerDataArrived();
    void checkForStall();
    void discardDownload();

    QLabel* lblUpdateInfo;
    QProgressBar* ProgressBarUpdate;
    QPushButton* btnDownloadUpdate;
    QPushButton* btnClose;

    QNetworkAccessManager* m_network;
    QTimer* m_stallTimer;
    qint64 m_stallMinimumBytes = 1024;
    qint64 m_receivedAtLastCheck = 0;
    qint64 m_received = 0;
    std::unique_ptr<QTemporaryDir> m_downloadFolder;
    std::unique_ptr<QFile> m_download;
    QString m_installerPath;
    QPointer<QNetworkReply> m_reply;
    QUrl m_serverAddress;
    std::function<void()> m_endProgram;
    bool m_closeAllowed = true;
    bool m_waitCursor = false;
    bool m_wasDeactivated = false;
};

#include "app/UpdateCheck.h"

#include "app/AppPaths.h"

#include <QDir>
#include <QNetworkRequest>
#include <array>

namespace {
// The local version's four parts.
constexpr std::array<int, 4> kLocalVersion = {kVersionMajor, 0, 0, 0};
} // namespace

QString VersionFileServerPath()
{
    return QStringLiteral("/docs/") + ProductFolderName() + QStringLiteral(".txt");
}

QString InstallerServerPath()
{
    QString lineWord = QLatin1String(kProductLineWord);
    lineWord.remove(QLatin1Char(' '));
    return QStringLiteral("/docs/") + lineWord.toLower() + QLatin1String(kEditionWord)
           + QString::number(kVersionMajor) + QStringLiteral(".exe");
}

QString InstallerFileName()
{
    return ProductFolderName() + QStringLiteral(".exe");
}

QString InstallerFolderTemplate()
{
    return QDir(QDir::tempPath()).filePath(ProductFolderName() + QStringLiteral("-update-XXXXXX"));
}

UpdateAnswer CompareWithLocalVersion(const QString& versionText)
{
    QString rest = versionText;
    for (int position = 0; position < int(kLocalVersion.size()); ++position) {
        int digit = 0;
        if (!rest.isEmpty()) {
            const QChar first = rest.front();
            if (first < QLatin1Char('0') || first > QLatin1Char('9'))
                return UpdateAnswer::Unreadable;
            digit = first.digitValue();
            // The next digit is the first of the last 3 - position characters.
            if (position < 3)
                rest = rest.right(3 - position);
        }
        if (digit > kLocalVersion[position])
            return UpdateAnswer::Newer;
    }
    return UpdateAnswer::NotNewer;
}

QNetworkRequest UpdateRequest(const QUrl& serverAddress, const QString& path)
{
    QUrl url = serverAddress;
    url.setPath(path);
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    // Plain HTTP/1.1, and no request may hang the window for good.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // A redirect may not lead to another host (or scheme or port).
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(30000);
    return request;
}

#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A desktop opener put first on PATH: it records what it was asked to open and exits
// with the status it was given. Without one, a test would open a real browser.
class FakeOpener {
public:
    // exitCode < 0: no opener on PATH at all.
    explicit FakeOpener(int exitCode = 0) : m_path(qgetenv("PATH"))
    {
        const QString record = m_folder.filePath(QStringLiteral("opened.txt"));
        if (exitCode >= 0) {
            QFile script(m_folder.filePath(QStringLiteral("xdg-open")));
            if (script.open(QIODevice::WriteOnly)) {
                script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                                 .arg(record)
                                 .arg(exitCode)
                                 .toUtf8());
                script.close();
                script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
            }
        }
        m_record = record;
        qputenv("PATH", m_folder.path().toUtf8()
                            + (exitCode >= 0 ? QByteArray(":") + m_path : QByteArray()));
    }
    ~FakeOpener() { qputenv("PATH", m_path); }

    // What the opener was asked to open, one line each, once it has run.
    QStringList opened() const
    {
        QFile file(m_record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
    QString m_record;
};

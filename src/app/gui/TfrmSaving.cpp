#include "app/gui/TfrmSaving.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {
QPointer<TfrmSaving>& current()
{
    static QPointer<TfrmSaving> window;
    return window;
}
} // namespace

TfrmSaving::TfrmSaving(const QString& caption)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSaving"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFixedSize(244, 47);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(13, 15, 218, 17);

    m_timer = new QTimer(this);
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &TfrmSaving::tick);
    m_timer->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmSaving::~TfrmSaving()
{
    if (current() == this)
        current() = nullptr;
}

TfrmSaving* TfrmSaving::instance()
{
    return current();
}

void TfrmSaving::showEvent(QShowEvent* event)
{
    m_counter = 0;
    m_bar->setValue(0);
    QDialog::showEvent(event);
}

void TfrmSaving::tick()
{
    ++m_counter;
    if (m_counter < 100) {
        m_bar->setValue(m_counter);
        return;
    }
    m_counter = 100;
    m_timer->stop();
    m_bar->setValue(100);
    close();
}

void TfrmSaving::closeEvent(QCloseEvent* event)
{
    if (m_counter >= 70) {
        event->accept();
        current() = nullptr;
    } else {
        event->ignore();
    }
}

void TfrmSaving::reject()
{
    // Escape must not bypass the 70 rule.
    close();
}

void ShowProgress(const QString& caption)
{
    if (current())
        return;
    auto* window = new TfrmSaving(caption);
    current() = window;
    window->show();
    window->repaint();
}

void HideProgress()
{
    if (current())
        current()->close();
}

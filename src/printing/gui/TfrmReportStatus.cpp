#include "printing/gui/TfrmReportStatus.h"

#include <QLabel>
#include <QVBoxLayout>

TfrmReportStatus::TfrmReportStatus(const QString& line, QWidget* parent)
    : QDialog(parent), m_line(line), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("frmReportStatus"));
    setWindowTitle(QStringLiteral("Report Status"));
    m_label->setObjectName(QStringLiteral("lblReportStatus"));
    m_label->setMinimumWidth(220);
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    showPage(1);
}

void TfrmReportStatus::showPage(int page)
{
    m_label->setText(QString(m_line).replace(QStringLiteral("%p"), QString::number(page)));
    // Painted at once: the run keeps the event loop busy until it ends.
    if (isVisible())
        m_label->repaint();
}

QString TfrmReportStatus::text() const
{
    return m_label->text();
}

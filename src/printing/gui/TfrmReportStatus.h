#pragma once

#include <QDialog>

class QLabel;

// The small window that tells which page a run is producing.
class TfrmReportStatus : public QDialog {
    Q_OBJECT

public:
    // `line` holds %p where the page number goes ("Generating page %p").
    TfrmReportStatus(const QString& line, QWidget* parent = nullptr);
    void showPage(int page);
    QString text() const;

private:
    QString m_line;
    QLabel* m_label;
};

#pragma once

#include <QDialog>
#include <QPointer>

class QProgressBar;
class QTimer;

// The busy window. Its bar runs at the pace of a 1 ms timer, not of the work, and it
// refuses to close before the bar reaches 70, so a quick job still shows it.
class TfrmSaving : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSaving(const QString& caption);
    ~TfrmSaving() override;

    int counter() const { return m_counter; }
    QProgressBar* progressBar() const { return m_bar; }

    // The one window while it exists.
    static TfrmSaving* instance();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void tick();

    QProgressBar* m_bar;
    QTimer* m_timer;
    int m_counter = 0;
};

// Shows the busy window with the caption; does nothing while one is up.
void ShowProgress(const QString& caption);
// Asks the busy window to close; granted only once its bar has reached 70.
void HideProgress();

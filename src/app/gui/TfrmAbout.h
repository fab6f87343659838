#pragma once

#include <QDialog>

struct AppState;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The product name and version, and a link to the maker's web site.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    TfrmAbout(AppState& state, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pShowFormInformation();
    void lblAuthorWebsiteClick();

    QLabel* lblAuthorWebsite;
    QPlainTextEdit* txtAboutInfo;
    QPushButton* btnOK;
};

#pragma once

#include <QDialog>
#include <functional>

// The customer window and the price sheet open and close alike. They are filled the
// first time they are shown, and end at once when their list cannot be read. They close
// by the Close command, Escape or the title bar, only once unsaved changes are settled.
class CatalogListDialog : public QDialog {
    Q_OBJECT
protected:
    using QDialog::QDialog;

    // Fills the window when it is first shown; an error raised here ends the window.
    virtual void fillOnFirstShow() = 0;
    // Asks whether to keep unsaved changes; false when the user chose to stay.
    virtual bool settleUnsavedChanges() = 0;
    // Yes saves (true when that worked), No drops the changes, Cancel stays.
    static bool askToSave(const QString& question, const std::function<bool()>& save);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    bool m_shownOnce = false;
};

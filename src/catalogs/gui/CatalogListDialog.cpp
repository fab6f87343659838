#include "catalogs/gui/CatalogListDialog.h"

#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/gui/FirstShow.h"
#include "app/gui/TfrmSaving.h"

#include <QCloseEvent>
#include <QTimer>

bool CatalogListDialog::askToSave(const QString& question, const std::function<bool()>& save)
{
    switch (AskYesNoCancel(question)) {
    case PromptAnswer::Yes: return save();
    case PromptAnswer::No: return true;
    default: return false;
    }
}

void CatalogListDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // A window whose list cannot be read is not left open half filled.
    RunFirstShow(this, [this] { fillOnFirstShow(); });
}

void CatalogListDialog::closeEvent(QCloseEvent* event)
{
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void CatalogListDialog::hideEvent(QHideEvent* event)
{
    HideProgress();
    QDialog::hideEvent(event);
}

void CatalogListDialog::reject()
{
    // Escape closes through the same check as the Close command.
    close();
}

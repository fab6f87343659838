#include "catalogs/gui/TfrmCompanyInfo.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "catalogs/CompanyInfoStore.h"
#include "catalogs/CompanyLogo.h"
#include "catalogs/gui/ColorSwatch.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "catalogs/gui/ProgressScope.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringListModel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const char* const kAddHint = "Add this Payment Term to the list";

void paintSample(QLabel* sample, const QColor& color)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, color);
    sample->setPalette(palette);
}

} // namespace

TfrmCompanyInfo::TfrmCompanyInfo(AppState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmCompanyInfo"));
    setWindowTitle(QStringLiteral("Company Information"));
    setModal(true);
    resize(860, 620);

    buildCommands();
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pgctrlCompanyInfo"));
    m_pages->addWidget(buildCompanyPage());
    m_pages->addWidget(buildTaxPage());
    m_pages->addWidget(buildInvoicePage());
    m_pages->addWidget(buildInvoiceColorPage());
    m_pages->addWidget(buildInvoiceDescriptionPage());
    m_pages->addWidget(buildGeneralInformationPage());
    m_pages->addWidget(buildPlannerPage());
    connectChangeSignals();

    QToolBar* commands = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarCompany"));
    commands->addAction(m_actClose);
    commands->addSeparator();
    commands->addAction(m_actSave);
    commands->addSeparator();
    commands->addAction(m_actHelp);
    QToolBar* pagesBar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarPages"));
    pagesBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* action : m_pageActions)
        pagesBar->addAction(action);

    // The pages have no tabs of their own; the keys of tabbed windows turn them all the same.
    const std::pair<QKeyCombination, int> pageKeys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1}, {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [key, step] : pageKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepPage(step); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(commands);
    layout->addWidget(pagesBar);
    layout->addWidget(m_pages, 1);
}

int TfrmCompanyInfo::currentPage() const
{
    return m_pages->currentIndex();
}

void TfrmCompanyInfo::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_pageActions[std::size_t(page)]->setChecked(true);
}

void TfrmCompanyInfo::stepPage(int step)
{
    const int page = ((currentPage() + step) % PageCount + PageCount) % PageCount;
    showPage(page);
    QWidget* shown = m_pages->currentWidget();
    for (QWidget* w = shown->nextInFocusChain(); w != shown; w = w->nextInFocusChain()) {
        if (shown->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
            && w->isVisibleTo(shown)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TfrmCompanyInfo::enableSave()
{
    m_actSave->setEnabled(true);
}

void TfrmCompanyInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    showPage(CompanyPage);
    pShowFormInformation();
    m_editedTerm = -1;
    pFillControls();
    pShowTermCount();
    pLoadLogo();
    m_mayClose = true;
    m_txtCompName->setFocus();
    m_actSave->setEnabled(false);
}

void TfrmCompanyInfo::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Company Information"));
}

void TfrmCompanyInfo::pFillControls()
{
    const CompanySettings& s = m_state.companySettings;
    const TrecCompanyData& c = s.CompanyData;
    const TrecCmpnyInvData& d = s.InvData;

    m_txtCompName->setText(c.CompName);
    m_txtCompAddress->setText(c.CompAddress);
    m_txtCompCity->setText(c.CompCity);
    m_txtCompState->setText(c.CompState);
    m_txtCompZipCode->setText(c.CompZip);
    m_txtCompPhoneNumber->setText(c.CompMainPhone);
    m_txtCompExtraPhone1Name->setText(c.CompExtraPhone1Name);
    m_txtCompExtraPhone1->setText(c.CompExtraPhone1);
    m_txtCompExtraPhone2Name->setText(c.CompExtraPhone2Name);
    m_txtCompExtraPhone2->setText(c.CompExtraPhone2);
    const QString* const licenceNames[] = {&c.CompLicName1, &c.CompLicName2, &c.CompLicName3};
    const QString* const licenceNumbers[] = {&c.CompLicNum1, &c.CompLicNum2, &c.CompLicNum3};
    for (std::size_t i = 0; i < 3; ++i) {
        m_txtCompLicenseName[i]->setText(*licenceNames[i]);
        m_txtCompLicenseNumber[i]->setText(*licenceNumbers[i]);
    }
    m_txtCompEmailAddress->setText(c.CompEmail);
    m_txtCompWebAddress->setText(c.CompWebSite);

    for (std::size_t i = 0; i < 3; ++i) {
        m_txtTax[i]->setText(TaxAmountText(d.TaxRates[i]));
        m_txtTaxName[i]->setText(d.TaxNames[i]);
    }
    if (d.TaxOn >= 0 && d.TaxOn < 3)
        m_taxOn[std::size_t(d.TaxOn)]->setChecked(true);

    QStringList terms;
    for (const QString& term : d.PaymentTerms)
        if (!term.isEmpty())
            terms << term;
    m_terms->setStringList(terms);

    for (std::size_t i = 0; i < 3; ++i)
        m_footNoteLimits[i]->setText(d.FootNotes[i + 1]);
    m_acceptanceLimit->setText(d.AcceptanceText);
    m_acceptanceColor = d.AcceptanceColor;
    m_spinEditDepPercent->setValue(d.DepositPercent);
    m_spinEditNumEstDays->setValue(d.EstimateValidDays);
    (d.LargeLogo ? m_rbtnLargeLogo : m_rbtnSmallLogo)->setChecked(true);

    m_ckbxQuantity->setChecked(d.ShowQuantity);
    m_ckbxPriceEach->setChecked(d.ShowPriceEach);
    m_ckbxTotal->setChecked(d.ShowTotal);
    m_ckbxShowTotalonWO->setChecked(d.ShowTotalOnWorkOrder);
    m_ckbxShowWorkSheetSQFT->setChecked(d.ShowQuantity);
    m_ckbxShowWorkSheetTotal->setChecked(d.ShowTotal);
    m_ckbxShowTotalonWOVelmar->setChecked(d.ShowTotalOnWorkOrder);
    m_ckbxShowWorkSheetInfo->setChecked(d.ShowWorkSheetInfo);
    m_ckbxShowSurfacePrep->setChecked(d.ShowSurfacePrep);
    m_ckbxShowWorkSheetAddons->setChecked(d.ShowWorkSheetAddons);
    m_ckbxShowWallpaper->setChecked(d.ShowWallpaper);
    m_ckbxShowExtraCharges->setChecked(d.ShowExtraCharges);

    m_documentColors = s.DocumentColors;
    m_weekendColor = s.PlannerWeekendColor;
    m_activityColor = s.PlannerActivityColor;
    m_priorityColor = s.PlannerPriorityColor;
    pShowColors();

    QRadioButton* const removeChoices[] = {m_rbtnDontRemove, m_rbtn1Day, m_rbtn30Day, m_rbtn1Year};
    if (s.PlannerRemoveActivity >= 0 && s.PlannerRemoveActivity < 4)
        removeChoices[s.PlannerRemoveActivity]->setChecked(true);
    QRadioButton* const views[] = {m_rbtnDayPlanner, m_rbtnWeekPlanner, m_rbtnMonthPlanner};
    if (s.PlannerDefaultView >= 0 && s.PlannerDefaultView < 3)
        views[s.PlannerDefaultView]->setChecked(true);
}

void TfrmCompanyInfo::pShowColors()
{
    for (std::size_t i = 0; i < 6; ++i) {
        paintSample(m_colorSamples[i], ToQColor(m_documentColors[i]));
        m_colorBars[i]->setColor(ToQColor(m_documentColors[i]));
    }
    m_ShapeAcceptance->setColor(ToQColor(m_acceptanceColor));
    m_shpWeekendColor->setColor(ToQColor(m_weekendColor));
    m_shpActivityColor->setColor(ToQColor(m_activityColor));
    m_shpPriorityColor->setColor(ToQColor(m_priorityColor));
}

CompanySettings TfrmCompanyInfo::settingsFromControls() const
{
    CompanySettings s = m_state.companySettings;
    TrecCompanyData& c = s.CompanyData;
    TrecCmpnyInvData& d = s.InvData;

    c.CompName = m_txtCompName->text();
    c.CompAddress = m_txtCompAddress->text();
    c.CompCity = m_txtCompCity->text();
    c.CompState = m_txtCompState->text();
    c.CompZip = m_txtCompZipCode->text();
    c.CompMainPhone = m_txtCompPhoneNumber->text();
    c.CompExtraPhone1Name = m_txtCompExtraPhone1Name->text();
    c.CompExtraPhone1 = m_txtCompExtraPhone1->text();
    c.CompExtraPhone2Name = m_txtCompExtraPhone2Name->text();
    c.CompExtraPhone2 = m_txtCompExtraPhone2->text();
    QString* const licenceNames[] = {&c.CompLicName1, &c.CompLicName2, &c.CompLicName3};
    QString* const licenceNumbers[] = {&c.CompLicNum1, &c.CompLicNum2, &c.CompLicNum3};
    for (std::size_t i = 0; i < 3; ++i) {
        *licenceNames[i] = m_txtCompLicenseName[i]->text();
        *licenceNumbers[i] = m_txtCompLicenseNumber[i]->text();
    }
    c.CompEmail = m_txtCompEmailAddress->text();
    c.CompWebSite = m_txtCompWebAddress->text();

    for (std::size_t i = 0; i < 3; ++i) {
        d.TaxRates[i] = TaxRateFromText(m_txtTax[i]->displayText());
        d.TaxNames[i] = m_txtTaxName[i]->text();
        if (m_taxOn[i]->isChecked())
            d.TaxOn = int(i);
    }
    const QStringList terms = m_terms->stringList();
    for (int i = 0; i < kMaxPaymentTerms; ++i)
        d.PaymentTerms[std::size_t(i)] = i < terms.size() ? terms.at(i) : QString();
    for (std::size_t i = 0; i < 3; ++i)
        d.FootNotes[i + 1] = m_footNoteLimits[i]->storedText();
    d.AcceptanceText = m_acceptanceLimit->storedText();
    d.AcceptanceColor = m_acceptanceColor;
    d.EstimateValidDays = m_spinEditNumEstDays->value();
    d.DepositPercent = m_spinEditDepPercent->value();
    d.LargeLogo = m_rbtnLargeLogo->isChecked();
    d.ShowQuantity = m_ckbxQuantity->isChecked();
    d.ShowPriceEach = m_ckbxPriceEach->isChecked();
    d.ShowTotal = m_ckbxTotal->isChecked();
    d.ShowTotalOnWorkOrder = m_ckbxShowTotalonWO->isChecked();
    d.ShowWorkSheetInfo = m_ckbxShowWorkSheetInfo->isChecked();
    d.ShowSurfacePrep = m_ckbxShowSurfacePrep->isChecked();
    d.ShowWorkSheetAddons = m_ckbxShowWorkSheetAddons->isChecked();
    d.ShowWallpaper = m_ckbxShowWallpaper->isChecked();
    d.ShowExtraCharges = m_ckbxShowExtraCharges->isChecked();

    s.DocumentColors = m_documentColors;
    s.PlannerWeekendColor = m_weekendColor;
    s.PlannerActivityColor = m_activityColor;
    s.PlannerPriorityColor = m_priorityColor;
    s.PlannerRemoveActivity = m_rbtn1Day->isChecked() ? 1 : m_rbtn30Day->isChecked() ? 2
                            : m_rbtn1Year->isChecked() ? 3 : 0;
    s.PlannerDefaultView = m_rbtnWeekPlanner->isChecked() ? 1 : m_rbtnMonthPlanner->isChecked() ? 2 : 0;
    s.PlannerHeaderColor = kSystemButtonFace;
    return s;
}

bool TfrmCompanyInfo::pSaveCompInfo()
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (TaxRateFromText(m_txtTax[i]->displayText()) > 0 && m_txtTaxName[i]->text().isEmpty()) {
            showPage(TaxPage);
            ShowInfo(QStringLiteral("Please enter a Tax Name for Tax Option %1.").arg(i + 1));
            m_txtTaxName[i]->setFocus();
            m_mayClose = false;
            return false;
        }
    }
    const bool saved = Guarded([this] {
        const CompanySettings settings = settingsFromControls();
        if (m_logoChanged) {
            if (!m_logo.isNull())
                CompanyLogo::write(m_logo);
            else
                CompanyLogo::remove();
            m_logoChanged = false;
        }
        {
            ProgressScope progress(QStringLiteral("Saving Company Data ..."));
            SaveCompanySettings(settings);
        }
        // Only a complete save reaches the settings every other window reads.
        m_state.companySettings = settings;
    });
    if (!saved)
        return false;
    m_mayClose = true;
    m_actSave->setEnabled(false);
    return true;
}

// ---------------------------------------------------------------- logo

void TfrmCompanyInfo::showLogo(const QImage& picture)
{
    m_logo = picture;
    for (QLabel* area : {m_imgLogo, m_imgLogoSmall}) {
        if (picture.isNull()) {
            area->clear();
            continue;
        }
        area->setPixmap(QPixmap::fromImage(picture.scaled(area->size(), Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation)));
    }
}

void TfrmCompanyInfo::pLoadLogo()
{
    const QImage picture = CompanyLogo::load();
    const bool present = !picture.isNull();
    if (!present)
        m_logoChanged = false;
    showLogo(picture);
    m_btnRemoveLogo->setEnabled(present);
    m_rbtnSmallLogo->setEnabled(present);
    m_rbtnLargeLogo->setEnabled(present);
    m_lblLogo->setText(present ? QStringLiteral("Current Logo") : QStringLiteral("No Logo"));
    pApplyLogoSize();
}

void TfrmCompanyInfo::pApplyLogoSize()
{
    const bool large = m_rbtnLargeLogo->isChecked();
    m_imgLogo->setVisible(large);
    m_imgLogoSmall->setVisible(!large);
}

void TfrmCompanyInfo::btnBrowseForLogoClick()
{
    const QString path = Prompts().chooseOpenFile(QStringLiteral("Browse for a new Company Logo"), QString(),
                                                  QStringLiteral("All (*.jpg *.jpeg *.bmp)"));
    if (path.isEmpty())
        return;
    Guarded([this, &path] {
        const QImage picture = CompanyLogo::readPicture(path);
        showLogo(picture);
        enableSave();
        m_logoChanged = true;
        m_btnRemoveLogo->setEnabled(true);
        m_rbtnSmallLogo->setEnabled(true);
        m_rbtnLargeLogo->setEnabled(true);
        m_lblLogo->setText(QStringLiteral("Current Logo"));
        pApplyLogoSize();
    });
}

void TfrmCompanyInfo::btnRemoveLogoClick()
{
    if (AskYesNoCancel(QStringLiteral("Do you want to remove the current logo?")) != PromptAnswer::Yes)
        return;
    m_logoChanged = true;
    m_btnRemoveLogo->setEnabled(false);
    m_rbtnSmallLogo->setEnabled(false);
    m_rbtnLargeLogo->setEnabled(false);
    m_lblLogo->setText(QStringLiteral("No Logo"));
    showLogo(QImage());
    enableSave();
}

// ---------------------------------------------------------------- taxes

void TfrmCompanyInfo::pSetToNumber(QLineEdit* field)
{
    const QString shown = field->displayText();
    const QString complete = CompleteTaxAmount(shown, QLatin1Char('_'));
    if (complete != shown) {
        const int cursor = field->cursorPosition();
        const QSignalBlocker blocker(field);
        field->setText(complete);
        field->setCursorPosition(cursor);
    }
    enableSave();
}

// ---------------------------------------------------------------- payment terms

void TfrmCompanyInfo::txtPmtTermChange()
{
    const bool hasText = !m_txtPmtTerm->text().isEmpty();
    if (m_editedTerm < 0) {
        m_btnAddPmtTerms->setEnabled(hasText);
        m_btnCancelPmtTerms->setEnabled(hasText);
        m_lstPmtTerms->setEnabled(!hasText);
        if (m_terms->rowCount() >= kMaxPaymentTerms)
            m_btnAddPmtTerms->setEnabled(false);
    } else {
        // A term cannot be changed into an empty one.
        m_btnAddPmtTerms->setEnabled(hasText);
        if (hasText) {
            m_btnCancelPmtTerms->setEnabled(true);
            m_btnAddPmtTerms->setText(QStringLiteral("Change"));
            SetHint(m_btnAddPmtTerms, QStringLiteral("Change this Payment Term on the list"));
        }
    }
    pShowTermCount();
}

void TfrmCompanyInfo::lstPmtTermsClick()
{
    const QModelIndex current = m_lstPmtTerms->currentIndex();
    if (!current.isValid() || !m_lstPmtTerms->selectionModel()->isSelected(current))
        return;
    m_editedTerm = current.row();
    m_txtPmtTerm->setText(current.data().toString());
    m_btnRemovePmtTerms->setEnabled(true);
    m_btnCancelPmtTerms->setEnabled(true);
    m_lstPmtTerms->setEnabled(false);
    pShowTermCount();
    m_txtPmtTerm->setFocus();
}

void TfrmCompanyInfo::pEndTermEditing()
{
    m_editedTerm = -1;
    m_btnRemovePmtTerms->setEnabled(false);
    m_btnAddPmtTerms->setEnabled(false);
    m_btnCancelPmtTerms->setEnabled(false);
    m_btnAddPmtTerms->setText(QStringLiteral("Add"));
    SetHint(m_btnAddPmtTerms, QString::fromLatin1(kAddHint));
    m_lstPmtTerms->setEnabled(true);
    m_lstPmtTerms->clearSelection();
    pShowTermCount();
}

void TfrmCompanyInfo::btnAddPmtTermsClick()
{
    const QString term = m_txtPmtTerm->text();
    if (term.isEmpty())
        return;
    if (m_editedTerm < 0) {
        if (m_terms->rowCount() >= kMaxPaymentTerms)
            return;
        const int row = m_terms->rowCount();
        m_terms->insertRows(row, 1);
        m_terms->setData(m_terms->index(row), term);
    } else {
        m_terms->setData(m_terms->index(m_editedTerm), term);
    }
    m_txtPmtTerm->clear();
    pEndTermEditing();
    enableSave();
}

void TfrmCompanyInfo::btnRemovePmtTermsClick()
{
    if (m_editedTerm < 0)
        return;
    const QString question = QStringLiteral("Remove \"") + m_txtPmtTerm->text() + QStringLiteral("\" from list?");
    if (AskYesNoCancel(question) != PromptAnswer::Yes)
        return;
    m_terms->removeRows(m_editedTerm, 1);
    m_editedTerm = -1;
    m_txtPmtTerm->clear();
    pEndTermEditing();
    enableSave();
}

void TfrmCompanyInfo::btnCancelPmtTermsClick()
{
    m_editedTerm = -1;
    m_txtPmtTerm->clear();
    pEndTermEditing();
}

void TfrmCompanyInfo::pShowTermCount()
{
    m_Label5->setText(PaymentTermsCountText(m_terms->rowCount()));
}

// ---------------------------------------------------------------- colours

void TfrmCompanyInfo::pSelectColorForInvoice(int kind)
{
    const std::optional<QColor> chosen = Prompts().chooseColor(ToQColor(m_documentColors[std::size_t(kind)]));
    if (!chosen)
        return;
    m_documentColors[std::size_t(kind)] = FromQColor(*chosen);
    pShowColors();
    enableSave();
}

void TfrmCompanyInfo::btnAllInvTypColorClick()
{
    const std::optional<QColor> chosen = Prompts().chooseColor(ToQColor(m_documentColors[0]));
    if (!chosen)
        return;
    m_documentColors.fill(FromQColor(*chosen));
    pShowColors();
    enableSave();
}

void TfrmCompanyInfo::btnAcceptanceColorClick()
{
    const std::optional<QColor> chosen = Prompts().chooseColor(ToQColor(m_acceptanceColor));
    if (!chosen)
        return;
    m_acceptanceColor = FromQColor(*chosen);
    pShowColors();
    enableSave();
}

void TfrmCompanyInfo::pEditPlannerColor(ColorValue& color)
{
    const std::optional<QColor> chosen = Prompts().chooseColor(ToQColor(color));
    if (!chosen)
        return;
    color = FromQColor(*chosen);
    pShowColors();
    enableSave();
}

void TfrmCompanyInfo::copyDescriptionChecks()
{
    m_ckbxQuantity->setChecked(m_ckbxShowWorkSheetSQFT->isChecked());
    m_ckbxTotal->setChecked(m_ckbxShowWorkSheetTotal->isChecked());
    m_ckbxShowTotalonWO->setChecked(m_ckbxShowTotalonWOVelmar->isChecked());
}

// ---------------------------------------------------------------- closing

void TfrmCompanyInfo::closeEvent(QCloseEvent* event)
{
    if (m_actSave->isEnabled()) {
        switch (AskYesNoCancel(QStringLiteral("Do you want to save changes to Company Information?"))) {
        case PromptAnswer::Yes:
            if (!pSaveCompInfo()) {
                event->ignore();
                return;
            }
            break;
        case PromptAnswer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TfrmCompanyInfo::reject()
{
    // Escape closes through the same check as the Close command.
    close();
}

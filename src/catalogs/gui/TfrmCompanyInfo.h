#pragma once

#include "data/CompanySettings.h"

#include <QDialog>
#include <QImage>
#include <array>

struct AppState;
class ColorSwatch;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QStringListModel;
class PlainTextLimit;
class RoundedColorArea;

// Company Information: identity, logo, taxes, payment terms, foot notes, acceptance
// text, document colours, what printed documents show and the planner options. Starts
// from the company settings in memory; saving writes them and refreshes them.
class TfrmCompanyInfo : public QDialog {
    Q_OBJECT
public:
    enum Page { CompanyPage, TaxPage, InvoicePage, InvoiceColorPage, InvoiceDescriptionPage,
                GeneralInformationPage, PlannerPage, PageCount };

    explicit TfrmCompanyInfo(AppState& state, QWidget* parent = nullptr);

    int currentPage() const;
    void showPage(int page);
    // Shows the page `step` pages on, round the end, with the focus on its first field:
    // Ctrl+Tab and Ctrl+PgDown go forward, Ctrl+Shift+Tab and Ctrl+PgUp back.
    void stepPage(int step);
    // Validates and saves; false when the tax names are incomplete or an error was shown.
    bool pSaveCompInfo();
    const QImage& logoPicture() const { return m_logo; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Building (TfrmCompanyInfoPages.cpp).
    void buildCommands();
    QWidget* buildCompanyPage();
    QWidget* buildTaxPage();
    QWidget* buildInvoicePage();
    QWidget* buildInvoiceColorPage();
    QWidget* buildInvoiceDescriptionPage();
    QWidget* buildGeneralInformationPage();
    QWidget* buildPlannerPage();
    void connectChangeSignals();

    // Behaviour (TfrmCompanyInfo.cpp).
    void pShowFormInformation();
    void pFillControls();
    CompanySettings settingsFromControls() const;
    void enableSave();

    void pLoadLogo();
    void pApplyLogoSize();
    void showLogo(const QImage& picture);
    void btnBrowseForLogoClick();
    void btnRemoveLogoClick();

    void pSetToNumber(QLineEdit* field);

    void txtPmtTermChange();
    void lstPmtTermsClick();
    void btnAddPmtTermsClick();
    void btnRemovePmtTermsClick();
    void btnCancelPmtTermsClick();
    void pEndTermEditing();
    void pShowTermCount();

    void pSelectColorForInvoice(int kind);
    void btnAllInvTypColorClick();
    void btnAcceptanceColorClick();
    void pEditPlannerColor(ColorValue& color);
    void pShowColors();
    void copyDescriptionChecks();

    AppState& m_state;
    bool m_shownOnce = false;
    bool m_mayClose = true;
    bool m_logoChanged = false;
    int m_editedTerm = -1;
    QImage m_logo;
    std::array<ColorValue, 6> m_documentColors{};
    ColorValue m_acceptanceColor = 0;
    ColorValue m_weekendColor = 0;
    ColorValue m_activityColor = 0;
    ColorValue m_priorityColor = 0;

    QAction* m_actClose;
    QAction* m_actSave;
    QAction* m_actHelp;
    std::array<QAction*, PageCount> m_pageActions{};
    QStackedWidget* m_pages;

    // Company page.
    QLineEdit* m_txtCompName;
    QLineEdit* m_txtCompAddress;
    QLineEdit* m_txtCompCity;
    QLineEdit* m_txtCompState;
    QLineEdit* m_txtCompZipCode;
    QLineEdit* m_txtCompPhoneNumber;
    QLineEdit* m_txtCompExtraPhone1Name;
    QLineEdit* m_txtCompExtraPhone1;
    QLineEdit* m_txtCompExtraPhone2Name;
    QLineEdit* m_txtCompExtraPhone2;
    QLabel* m_lblLogo;
    QLabel* m_imgLogo;
    QLabel* m_imgLogoSmall;
    QRadioButton* m_rbtnSmallLogo;
    QRadioButton* m_rbtnLargeLogo;
    QPushButton* m_btnBrowseForLogo;
    QPushButton* m_btnRemoveLogo;

    // Tax page.
    std::array<QRadioButton*, 3> m_taxOn{};
    std::array<QLineEdit*, 3> m_txtTaxName{};
    std::array<QLineEdit*, 3> m_txtTax{};

    // Invoice page.
    QLabel* m_Label5;
    QLineEdit* m_txtPmtTerm;
    QListView* m_lstPmtTerms;
    QStringListModel* m_terms;
    QPushButton* m_btnAddPmtTerms;
    QPushButton* m_btnRemovePmtTerms;
    QPushButton* m_btnCancelPmtTerms;
    std::array<QPlainTextEdit*, 3> m_txtFtNote{};
    std::array<PlainTextLimit*, 3> m_footNoteLimits{};
    QSpinBox* m_spinEditNumEstDays;
    QSpinBox* m_spinEditDepPercent;

    // Invoice colour page.
    std::array<QLabel*, 6> m_colorSamples{};
    std::array<ColorSwatch*, 6> m_colorBars{};

    // Invoice description page.
    QCheckBox* m_ckbxShowWorkSheetSQFT;
    QCheckBox* m_ckbxShowWorkSheetTotal;
    QCheckBox* m_ckbxShowWorkSheetInfo;
    QCheckBox* m_ckbxShowSurfacePrep;
    QCheckBox* m_ckbxShowWorkSheetAddons;
    QCheckBox* m_ckbxShowWallpaper;
    QCheckBox* m_ckbxShowExtraCharges;
    QCheckBox* m_ckbxShowTotalonWOVelmar;
    QCheckBox* m_ckbxQuantity;
    QCheckBox* m_ckbxPriceEach;
    QCheckBox* m_ckbxTotal;
    QCheckBox* m_ckbxShowTotalonWO;

    // General information page.
    std::array<QLineEdit*, 3> m_txtCompLicenseName{};
    std::array<QLineEdit*, 3> m_txtCompLicenseNumber{};
    QLineEdit* m_txtCompEmailAddress;
    QLineEdit* m_txtCompWebAddress;
    RoundedColorArea* m_ShapeAcceptance;
    QPlainTextEdit* m_txtAcceptanceInfo;
    PlainTextLimit* m_acceptanceLimit;

    // Planner page.
    QRadioButton* m_rbtn1Day;
    QRadioButton* m_rbtn30Day;
    QRadioButton* m_rbtn1Year;
    QRadioButton* m_rbtnDontRemove;
    QRadioButton* m_rbtnDayPlanner;
    QRadioButton* m_rbtnWeekPlanner;
    QRadioButton* m_rbtnMonthPlanner;
    ColorSwatch* m_shpWeekendColor;
    ColorSwatch* m_shpActivityColor;
    ColorSwatch* m_shpPriorityColor;
};

// Building the pages of the company information window.
#include "catalogs/gui/TfrmCompanyInfo.h"

#include "app/ShellServices.h"
#include "catalogs/gui/ColorSwatch.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "app/gui/TextLimit.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/gui/CatalogList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringListModel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QLineEdit* lineEdit(QWidget* parent, const QString& name, int maxLength, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        SetTextLimit(edit, maxLength);
    SetHint(edit, hint);
    return edit;
}

QRadioButton* radio(QWidget* parent, const char* name, const char* text, const char* hint)
{
    auto* button = new QRadioButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetHint(button, QString::fromLatin1(hint));
    return button;
}

QPushButton* pushButton(QWidget* parent, const char* name, const char* text, const char* hint)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a field must not press a button: it would open the logo or colour chooser.
    button->setAutoDefault(false);
    SetHint(button, QString::fromLatin1(hint));
    return button;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* text)
{
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QGroupBox* group(QWidget* parent, const char* title)
{
    return new QGroupBox(QString::fromLatin1(title), parent);
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QSpinBox* arrowsOnlySpin(QWidget* parent, const char* name, int maximum, const char* hint)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, maximum);
    spin->findChild<QLineEdit*>()->setReadOnly(true);
    spin->setMinimumWidth(80);
    SetHint(spin, QString::fromLatin1(hint));
    return spin;
}

QPlainTextEdit* memo(QWidget* parent, const QString& name, const char* hint)
{
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);
    SetHint(field, QString::fromLatin1(hint));
    return field;
}

QWidget* page(const char* name)
{
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

void TfrmCompanyInfo::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"),
                            QStringLiteral("Close"), Kind::Close);
    m_actSave = makeAction(this, QStringLiteral("actSave"), QStringLiteral("Save"),
                           QStringLiteral("Save changes to company information"), Kind::Save);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"),
                           QStringLiteral("Open Help"), Kind::Help);
    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actSave, &QAction::triggered, this, [this] {
        if (m_actSave->isEnabled())
            pSaveCompInfo();
    });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });

    static const char* const pageNames[][2] = {
        {"actCompanyPage", "Company"},
        {"actTaxPage", "Tax"},
        {"actInvoicePage", "Invoice"},
        {"actInvoiceColorPage", "Invoice Color"},
        {"actInvoiceDescriptionPage", "Invoice Description"},
        {"actGeneralInformationPage", "General Information"},
        {"actPlannerPage", "Planner Page"},
    };
    auto* pageGroup = new QActionGroup(this);
    pageGroup->setExclusive(true);
    for (int i = 0; i < PageCount; ++i) {
        auto* action = new QAction(QString::fromLatin1(pageNames[i][1]), this);
        action->setObjectName(QString::fromLatin1(pageNames[i][0]));
        action->setCheckable(true);
        pageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { showPage(i); });
        m_pageActions[std::size_t(i)] = action;
    }
}

QWidget* TfrmCompanyInfo::buildCompanyPage()
{
    QWidget* p = page("tbsheetCompany");

    QGroupBox* name = group(p, "Company Name");
    m_txtCompName = lineEdit(name, QStringLiteral("txtCompName"), 45, QStringLiteral("Enter your Company Name"));
    m_txtCompAddress = lineEdit(name, QStringLiteral("txtCompAddress"), 45, QStringLiteral("Enter your Address"));
    m_txtCompCity = lineEdit(name, QStringLiteral("txtCompCity"), 25, QStringLiteral("Enter your City"));
    m_txtCompState = lineEdit(name, QStringLiteral("txtCompState"), 25, QStringLiteral("Enter your State"));
    m_txtCompZipCode = lineEdit(name, QStringLiteral("txtCompZipCode"), 15, QStringLiteral("Enter your Zip Code"));
    m_txtCompPhoneNumber = lineEdit(name, QStringLiteral("txtCompPhoneNumber"), 25, QStringLiteral("Enter your Phone Number"));
    const QString phoneNameHint = QStringLiteral("Enter your Extra Phone Name - Cell, Fax ...");
    const QString phoneHint = QStringLiteral("Enter your Extra Phone Number");
    m_txtCompExtraPhone1Name = lineEdit(name, QStringLiteral("txtCompExtraPhone1Name"), 0, phoneNameHint);
    m_txtCompExtraPhone1 = lineEdit(name, QStringLiteral("txtCompExtraPhone1"), 0, phoneHint);
    m_txtCompExtraPhone2Name = lineEdit(name, QStringLiteral("txtCompExtraPhone2Name"), 0, phoneNameHint);
    m_txtCompExtraPhone2 = lineEdit(name, QStringLiteral("txtCompExtraPhone2"), 0, phoneHint);

    auto* grid = new QGridLayout(name);
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Company Name", m_txtCompName},
        {"Address", m_txtCompAddress},
        {"City", m_txtCompCity},
        {"State", m_txtCompState},
        {"Zip Code", m_txtCompZipCode},
        {"Main Phone Number", m_txtCompPhoneNumber},
        {"Extra Phone Name", m_txtCompExtraPhone1Name},
        {"Extra Phone Number", m_txtCompExtraPhone1},
        {"Extra Phone Name", m_txtCompExtraPhone2Name},
        {"Extra Phone Number", m_txtCompExtraPhone2},
    };
    int row = 0;
    for (const auto& [text, field] : fields) {
        grid->addWidget(label(name, QString::fromLatin1(text), field), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);

    QGroupBox* logo = group(p, "Company Logo");
    m_lblLogo = new QLabel(logo);
    m_lblLogo->setObjectName(QStringLiteral("lblLogo"));
    m_lblLogo->setAlignment(Qt::AlignCenter);
    m_imgLogo = new QLabel(logo);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setFixedSize(247, 140);
    m_imgLogo->setAlignment(Qt::AlignCenter);
    m_imgLogoSmall = new QLabel(logo);
    m_imgLogoSmall->setObjectName(QStringLiteral("imgLogoSmall"));
    m_imgLogoSmall->setFixedSize(120, 70);
    m_imgLogoSmall->setAlignment(Qt::AlignCenter);
    m_rbtnSmallLogo = radio(logo, "rbtnSmallLogo", "Small Logo", "Use small company logo");
    m_rbtnLargeLogo = radio(logo, "rbtnLargeLogo", "Large Logo", "Use Large company logo");
    m_btnBrowseForLogo = pushButton(logo, "btnBrowseForLogo", "Browse", "Browse for a new Company Logo");
    m_btnRemoveLogo = pushButton(logo, "btnRemoveLogo", "Remove Logo", "Remove Company Logo");
    connect(m_btnBrowseForLogo, &QPushButton::clicked, this, &TfrmCompanyInfo::btnBrowseForLogoClick);
    connect(m_btnRemoveLogo, &QPushButton::clicked, this, &TfrmCompanyInfo::btnRemoveLogoClick);
    for (QRadioButton* size : {m_rbtnSmallLogo, m_rbtnLargeLogo})
        connect(size, &QRadioButton::clicked, this, [this] {
            enableSave();
            pApplyLogoSize();
        });

    auto* pictureBox = new QFrame(logo);
    pictureBox->setFrameShape(QFrame::StyledPanel);
    pictureBox->setFixedSize(251, 144);
    auto* pictureLayout = new QGridLayout(pictureBox);
    pictureLayout->setContentsMargins(2, 2, 2, 2);
    pictureLayout->addWidget(m_imgLogo, 0, 0, Qt::AlignCenter);
    pictureLayout->addWidget(m_imgLogoSmall, 0, 0, Qt::AlignCenter);

    auto* sizes = new QHBoxLayout;
    sizes->addWidget(m_rbtnSmallLogo);
    sizes->addWidget(m_rbtnLargeLogo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnBrowseForLogo);
    buttons->addWidget(m_btnRemoveLogo);
    auto* logoLayout = new QVBoxLayout(logo);
    logoLayout->addWidget(m_lblLogo);
    logoLayout->addWidget(pictureBox, 0, Qt::AlignHCenter);
    logoLayout->addLayout(sizes);
    logoLayout->addSpacing(8);
    logoLayout->addWidget(label(logo, QStringLiteral("Browse for a new Company Logo")), 0, Qt::AlignHCenter);
    logoLayout->addLayout(buttons);
    logoLayout->addStretch(1);

    auto* layout = new QHBoxLayout(p);
    layout->addWidget(name, 3);
    layout->addWidget(logo, 2);
    return p;
}

QWidget* TfrmCompanyInfo::buildTaxPage()
{
    QWidget* p = page("tbsheetTax");
    QGroupBox* taxOn = group(p, "Tax On . . .");
    taxOn->setObjectName(QStringLiteral("RadioGroupTaxOn"));
    SetHint(taxOn, QStringLiteral("Set Tax on Labor, Material or both, when tax is used"));
    auto* taxOnLayout = new QVBoxLayout(taxOn);
    const char* const taxOnItems[] = {"Labor and Material", "Labor", "Material"};
    for (int i = 0; i < 3; ++i) {
        m_taxOn[std::size_t(i)] = new QRadioButton(QString::fromLatin1(taxOnItems[i]), taxOn);
        m_taxOn[std::size_t(i)]->setObjectName(QStringLiteral("RadioGroupTaxOnItem%1").arg(i));
        taxOnLayout->addWidget(m_taxOn[std::size_t(i)]);
    }
    taxOnLayout->addStretch(1);

    auto* layout = new QGridLayout(p);
    layout->addWidget(taxOn, 0, 0, 3, 1, Qt::AlignTop);
    for (int i = 0; i < 3; ++i) {
        QGroupBox* option = new QGroupBox(QStringLiteral("Tax Option %1").arg(i + 1), p);
        option->setObjectName(QStringLiteral("gbxTaxOption%1").arg(i + 1));
        QLineEdit* name = lineEdit(option, QStringLiteral("txtTaxName%1").arg(i + 1), 25,
                                   QStringLiteral("Enter a name for this tax option"));
        QLineEdit* amount = lineEdit(option, QStringLiteral("txtTax%1").arg(i + 1), 0,
                                     QStringLiteral("Enter a tax amount for this tax option"));
        amount->setInputMask(QStringLiteral("0.0000;_"));
        amount->setFixedWidth(90);
        connect(amount, &QLineEdit::textChanged, this, [this, amount] { pSetToNumber(amount); });
        m_txtTaxName[std::size_t(i)] = name;
        m_txtTax[std::size_t(i)] = amount;

        auto* grid = new QGridLayout(option);
        grid->addWidget(label(option, QStringLiteral("Tax Name"), name), 0, 0);
        grid->addWidget(name, 1, 0);
        grid->addWidget(label(option, QStringLiteral("Enter the name of the tax. \r\nExample: Local Tax, City Tax, \r\nState Tax, Federal Tax ")), 0, 1, 3, 1, Qt::AlignTop);
        grid->addWidget(label(option, QStringLiteral("Tax Amount"), amount), 0, 2);
        grid->addWidget(amount, 1, 2);
        grid->addWidget(label(option, QStringLiteral("Enter the tax amount. \r\nExample: 5 Percent = 0.0500 \r\n\r\nYou may enter up to 4 digits, \r\nExample: 0.1234 ")), 0, 3, 3, 1, Qt::AlignTop);
        grid->setColumnMinimumWidth(0, 170);
        grid->setHorizontalSpacing(16);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        layout->addWidget(option, i, 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    return p;
}

QWidget* TfrmCompanyInfo::buildInvoicePage()
{
    QWidget* p = page("tbsheetInvoice");

    QGroupBox* terms = group(p, "Payment Terms");
    m_Label5 = new QLabel(terms);
    m_Label5->setObjectName(QStringLiteral("Label5"));
    m_txtPmtTerm = lineEdit(terms, QStringLiteral("txtPmtTerm"), 25, QStringLiteral("Enter or edit a Payment Term here"));
    m_terms = new QStringListModel(this);
    m_lstPmtTerms = new QListView(terms);
    m_lstPmtTerms->setObjectName(QStringLiteral("lstPmtTerms"));
    m_lstPmtTerms->setModel(m_terms);
    m_lstPmtTerms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstPmtTerms->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHint(m_lstPmtTerms, QStringLiteral("Select a Payment Term to edit"));
    PolishList(m_lstPmtTerms);
    m_btnAddPmtTerms = pushButton(terms, "btnAddPmtTerms", "Add", "Add this Payment Term to the list");
    m_btnRemovePmtTerms = pushButton(terms, "btnRemovePmtTerms", "Remove", "Remove this Payment Term from the list");
    m_btnCancelPmtTerms = pushButton(terms, "btnCancelPmtTerms", "Cancel", "Cancel changes to this Payment Term");
    for (QPushButton* button : {m_btnAddPmtTerms, m_btnRemovePmtTerms, m_btnCancelPmtTerms})
        button->setEnabled(false);
    connect(m_txtPmtTerm, &QLineEdit::textChanged, this, &TfrmCompanyInfo::txtPmtTermChange);
    OnRowChosen(m_lstPmtTerms, [this] { lstPmtTermsClick(); });
    // Enter in the field adds the term, or changes the one being edited.
    connect(m_txtPmtTerm, &QLineEdit::returnPressed, this, [this] {
        if (m_btnAddPmtTerms->isEnabled())
            btnAddPmtTermsClick();
    });
    connect(m_btnAddPmtTerms, &QPushButton::clicked, this, &TfrmCompanyInfo::btnAddPmtTermsClick);
    connect(m_btnRemovePmtTerms, &QPushButton::clicked, this, &TfrmCompanyInfo::btnRemovePmtTermsClick);
    connect(m_btnCancelPmtTerms, &QPushButton::clicked, this, &TfrmCompanyInfo::btnCancelPmtTermsClick);
    auto* termButtons = new QHBoxLayout;
    termButtons->addWidget(m_btnAddPmtTerms);
    termButtons->addWidget(m_btnRemovePmtTerms);
    termButtons->addWidget(m_btnCancelPmtTerms);
    auto* termsLayout = new QVBoxLayout(terms);
    termsLayout->addWidget(m_Label5);
    termsLayout->addWidget(m_txtPmtTerm);
    termsLayout->addLayout(termButtons);
    termsLayout->addWidget(m_lstPmtTerms, 1);

    QGroupBox* notes = group(p, "Invoice Foot Notes");
    auto* notesLayout = new QVBoxLayout(notes);
    for (int i = 0; i < 3; ++i) {
        QPlainTextEdit* note = memo(notes, QStringLiteral("txtFtNote%1").arg(i + 1), "Enter a Invoice Foot Note");
        note->setMinimumHeight(64);
        m_txtFtNote[std::size_t(i)] = note;
        auto* limit = new PlainTextLimit(note, 0, 5);
        limit->setKeepsNoUndo(true);
        m_footNoteLimits[std::size_t(i)] = limit;
        connect(limit, &PlainTextLimit::changed, this, &TfrmCompanyInfo::enableSave);
        notesLayout->addWidget(label(notes, QStringLiteral("Foot Note %1").arg(i + 1), note));
        notesLayout->addWidget(note, 1);
    }

    QGroupBox* days = group(p, "Deposit percent, Number of Estimate/Change Order Days");
    m_spinEditNumEstDays = arrowsOnlySpin(days, "spinEditNumEstDays", 180, "Number of days a Estimate is good for");
    m_spinEditDepPercent = arrowsOnlySpin(days, "spinEditDepPercent", 100, "Enter a Deposit Percent");
    auto* daysLayout = new QGridLayout(days);
    daysLayout->addWidget(label(days, QStringLiteral("Number of days an Estimate/Change Order is Valid for:"), m_spinEditNumEstDays), 0, 0);
    daysLayout->addWidget(m_spinEditNumEstDays, 0, 1);
    daysLayout->addWidget(label(days, QStringLiteral("If you require a deposit, enter the percent:"), m_spinEditDepPercent), 1, 0);
    daysLayout->addWidget(m_spinEditDepPercent, 1, 1);
    daysLayout->setColumnStretch(2, 1);

    auto* layout = new QGridLayout(p);
    layout->addWidget(terms, 0, 0);
    layout->addWidget(notes, 0, 1);
    layout->addWidget(days, 1, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(0, 1);
    return p;
}

QWidget* TfrmCompanyInfo::buildInvoiceColorPage()
{
    QWidget* p = page("tbsheetInvoiceColor");
    QGroupBox* colors = group(p, "Select Colors");
    struct Kind {
        const char* button;
        const char* caption;
        const char* sample;
        const char* hint;
        const char* sampleName;
    };
    static const Kind kinds[] = {
        {"btnEstColor", "Estimate Color", "Estimate 500", "Select a color for Estimates", "Est"},
        {"btnWrkOrderColor", "Work Order Color", "Work Order 500", "Select a color for Work Orders", "WrkOrder"},
        {"btnChangeOrderColor", "Change Order Color", "Change Order 500", "Select a color for Change Orders", "ChangeOrder"},
        {"btnInvColor", "Invoice Color", "Invoice 500", "Select a color for Invoices", "Inv"},
        {"btnCrdtColor", "Credit Color", "Credit 500", "Select a color for Credits", "Crdt"},
        {"btnPstDueColor", "Past Due Color", "Past Due 500", "Select a color for Past Due Notices", "PstDue"},
    };
    QFont sampleFont = font();
    sampleFont.setBold(true);
    sampleFont.setPixelSize(19);
    auto* grid = new QGridLayout(colors);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
        const Kind& kind = kinds[i];
        QPushButton* button = pushButton(colors, kind.button, kind.caption, kind.hint);
        button->setMinimumWidth(150);
        connect(button, &QPushButton::clicked, this, [this, i] { pSelectColorForInvoice(i); });
        auto* sample = new QLabel(QString::fromLatin1(kind.sample), colors);
        sample->setObjectName(QStringLiteral("lbl%1Sample").arg(QLatin1String(kind.sampleName)));
        sample->setFont(sampleFont);
        auto* bar = new ColorSwatch(colors);
        bar->setObjectName(QStringLiteral("shp%1Bar").arg(QLatin1String(kind.sampleName)));
        bar->setFrameShape(QFrame::NoFrame);
        bar->setFixedHeight(6);
        m_colorSamples[std::size_t(i)] = sample;
        m_colorBars[std::size_t(i)] = bar;
        grid->addWidget(button, i * 2, 0, 2, 1, Qt::AlignVCenter);
        grid->addWidget(sample, i * 2, 1);
        grid->addWidget(bar, i * 2 + 1, 1);
        grid->setRowMinimumHeight(i * 2 + 1, 14);
    }
    grid->setColumnMinimumWidth(1, 260);
    grid->setColumnStretch(2, 1);

    QGroupBox* all = group(p, "All Invoice Types This Color");
    QPushButton* allButton = pushButton(all, "btnAllInvTypColor", "All This Color", "Select a color for all Invoice types");
    connect(allButton, &QPushButton::clicked, this, &TfrmCompanyInfo::btnAllInvTypColorClick);
    auto* allLayout = new QVBoxLayout(all);
    allLayout->addWidget(allButton);
    allLayout->addStretch(1);

    auto* layout = new QHBoxLayout(p);
    layout->addWidget(colors, 3);
    layout->addWidget(all, 1, Qt::AlignTop);
    return p;
}

QWidget* TfrmCompanyInfo::buildInvoiceDescriptionPage()
{
    QWidget* p = page("tbsheetInvoiceDescription");
    QGroupBox* description = group(p, "Invoice Description");
    m_ckbxShowWorkSheetSQFT = checkBox(description, "ckbxShowWorkSheetSQFT", "Show Work Sheet SQFT");
    m_ckbxShowWorkSheetTotal = checkBox(description, "ckbxShowWorkSheetTotal", "Show Work Sheet Total");
    m_ckbxShowWorkSheetInfo = checkBox(description, "ckbxShowWorkSheetInfo", "Show Work Sheet Information");
    m_ckbxShowSurfacePrep = checkBox(description, "ckbxShowSurfacePrep", "Show Surface Prep");
    m_ckbxShowWorkSheetAddons = checkBox(description, "ckbxShowWorkSheetAddons", "Show Work Sheet Add-ons");
    m_ckbxShowWallpaper = checkBox(description, "ckbxShowWallpaper", "Show Wallpaper Work");
    m_ckbxShowExtraCharges = checkBox(description, "ckbxShowExtraCharges", "Show Extra Charges");
    m_ckbxShowTotalonWOVelmar = checkBox(description, "ckbxShowTotalonWOVelmar", "Show Total on Work Order");
    auto* boxes = new QVBoxLayout(description);
    for (QCheckBox* box : {m_ckbxShowWorkSheetSQFT, m_ckbxShowWorkSheetTotal, m_ckbxShowWorkSheetInfo,
                           m_ckbxShowSurfacePrep, m_ckbxShowWorkSheetAddons, m_ckbxShowWallpaper,
                           m_ckbxShowExtraCharges, m_ckbxShowTotalonWOVelmar}) {
        boxes->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TfrmCompanyInfo::copyDescriptionChecks);
    }
    boxes->addStretch(1);

    // What is written; the visible boxes above feed three of them.
    m_ckbxQuantity = checkBox(p, "ckbxQuantity", "Quantity");
    m_ckbxPriceEach = checkBox(p, "ckbxPriceEach", "Price Each");
    m_ckbxTotal = checkBox(p, "ckbxTotal", "Total");
    m_ckbxShowTotalonWO = checkBox(p, "ckbxShowTotalonWO", "Show Total on Work Order");
    for (QCheckBox* hidden : {m_ckbxQuantity, m_ckbxPriceEach, m_ckbxTotal, m_ckbxShowTotalonWO})
        hidden->setVisible(false);

    auto* layout = new QHBoxLayout(p);
    layout->addWidget(description);
    layout->addStretch(1);
    return p;
}

QWidget* TfrmCompanyInfo::buildGeneralInformationPage()
{
    QWidget* p = page("tbsheetGeneralInformation");

    QGroupBox* licences = group(p, "Company License Information");
    auto* licenceGrid = new QGridLayout(licences);
    for (int i = 0; i < 3; ++i) {
        QLineEdit* licenceName = lineEdit(licences, QStringLiteral("txtCompLicenseName%1").arg(i + 1), 30,
                                          QStringLiteral("Enter your Company License Name"));
        QLineEdit* number = lineEdit(licences, QStringLiteral("txtCompLicenseNumber%1").arg(i + 1), 24,
                                     QStringLiteral("Enter your Company License Number"));
        m_txtCompLicenseName[std::size_t(i)] = licenceName;
        m_txtCompLicenseNumber[std::size_t(i)] = number;
        licenceGrid->addWidget(label(licences, QStringLiteral("Company License Name %1").arg(i + 1), licenceName), i * 2, 0);
        licenceGrid->addWidget(licenceName, i * 2 + 1, 0);
        licenceGrid->addWidget(label(licences, QStringLiteral("Company License Number %1").arg(i + 1), number), i * 2, 1);
        licenceGrid->addWidget(number, i * 2 + 1, 1);
    }

    QGroupBox* web = group(p, "Email and Web Address");
    m_txtCompEmailAddress = lineEdit(web, QStringLiteral("txtCompEmailAddress"), 45, QStringLiteral("Enter your Email Address"));
    m_txtCompWebAddress = lineEdit(web, QStringLiteral("txtCompWebAddress"), 45, QStringLiteral("Enter your Web Address"));
    auto* webLayout = new QVBoxLayout(web);
    webLayout->addWidget(label(web, QStringLiteral("Email Address"), m_txtCompEmailAddress));
    webLayout->addWidget(m_txtCompEmailAddress);
    webLayout->addWidget(label(web, QStringLiteral("Web Site Address"), m_txtCompWebAddress));
    webLayout->addWidget(m_txtCompWebAddress);
    webLayout->addStretch(1);

    QGroupBox* signature = group(p, "Signature line Information");
    m_ShapeAcceptance = new RoundedColorArea(signature);
    m_ShapeAcceptance->setObjectName(QStringLiteral("ShapeAcceptance"));
    m_txtAcceptanceInfo = memo(m_ShapeAcceptance, QStringLiteral("txtAcceptanceInfo"), "Enter Acceptance Information");
    m_txtAcceptanceInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_txtAcceptanceInfo->setFixedHeight(92);
    m_acceptanceLimit = new PlainTextLimit(m_txtAcceptanceInfo, 250, 5);
    m_acceptanceLimit->setKeepsNoUndo(true);
    connect(m_acceptanceLimit, &PlainTextLimit::changed, this, &TfrmCompanyInfo::enableSave);
    QPushButton* colorButton = pushButton(m_ShapeAcceptance, "btnAcceptanceColor", "Acceptance Area Color",
                                          "Select Acceptance Information area color");
    connect(colorButton, &QPushButton::clicked, this, &TfrmCompanyInfo::btnAcceptanceColorClick);
    auto* shapeLayout = new QGridLayout(m_ShapeAcceptance);
    shapeLayout->setContentsMargins(14, 10, 14, 12);
    shapeLayout->addWidget(label(m_ShapeAcceptance, QStringLiteral("Acceptance Information"), m_txtAcceptanceInfo), 0, 0);
    shapeLayout->addWidget(colorButton, 0, 1, Qt::AlignRight);
    shapeLayout->addWidget(m_txtAcceptanceInfo, 1, 0, 1, 2);
    shapeLayout->addWidget(label(m_ShapeAcceptance, QStringLiteral("Authorized Signature____________________")), 2, 0);
    shapeLayout->addWidget(label(m_ShapeAcceptance, QStringLiteral("Signature _____________________________")), 2, 1);
    shapeLayout->addWidget(label(m_ShapeAcceptance, QStringLiteral("Date         _____________________________")), 3, 0);
    shapeLayout->addWidget(label(m_ShapeAcceptance, QStringLiteral("Signature _____________________________")), 3, 1);
    auto* signatureLayout = new QVBoxLayout(signature);
    signatureLayout->addWidget(m_ShapeAcceptance);

    auto* layout = new QGridLayout(p);
    layout->addWidget(licences, 0, 0);
    layout->addWidget(web, 0, 1);
    layout->addWidget(signature, 1, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(2, 1);
    return p;
}

QWidget* TfrmCompanyInfo::buildPlannerPage()
{
    QWidget* p = page("tbsheetPlanner");

    QGroupBox* remove = group(p, "Automatically remove activities older than");
    m_rbtn1Day = radio(remove, "rbtn1Day", "1 Day", "Remove Activities older than 1 day");
    m_rbtn30Day = radio(remove, "rbtn30Day", "30 Day", "Remove Activities older than 30 days");
    m_rbtn1Year = radio(remove, "rbtn1Year", "1 Year", "Remove Activities older than 1 Year");
    m_rbtnDontRemove = radio(remove, "rbtnDontRemove", "Do not Remove", "Do not remove older Activities");
    auto* removeLayout = new QVBoxLayout(remove);
    for (QRadioButton* button : {m_rbtn1Day, m_rbtn30Day, m_rbtn1Year, m_rbtnDontRemove})
        removeLayout->addWidget(button);
    removeLayout->addStretch(1);

    QGroupBox* view = group(p, "Default  Planner");
    m_rbtnDayPlanner = radio(view, "rbtnDayPlanner", "Day Planner", "Set Default as Day Planner");
    m_rbtnWeekPlanner = radio(view, "rbtnWeekPlanner", "Week Planner", "Set Default as Week Planner");
    m_rbtnMonthPlanner = radio(view, "rbtnMonthPlanner", "Month Planner", "Set Default as Month Planner");
    auto* viewLayout = new QVBoxLayout(view);
    for (QRadioButton* button : {m_rbtnDayPlanner, m_rbtnWeekPlanner, m_rbtnMonthPlanner})
        viewLayout->addWidget(button);
    viewLayout->addStretch(1);

    QGroupBox* colors = group(p, "Planner Color");
    auto* colorGrid = new QGridLayout(colors);
    struct Row {
        const char* button;
        const char* caption;
        const char* hint;
        const char* swatch;
        const char* text;
        ColorValue* color;
        ColorSwatch** target;
    };
    const Row rows[] = {
        {"btnWeekendColor", "Weekend Color", "Select a color for Weekends", "shpWeekendColor", "Weekend Color",
         &m_weekendColor, &m_shpWeekendColor},
        {"btnActivityColor", "Activity Color", "Select a color for Activities", "shpActivityColor",
         "Activity Color", &m_activityColor, &m_shpActivityColor},
        {"btnPriorityColor", "Priority Color", "Select a color for Priority Activities", "shpPriorityColor",
         "High Priority Activity Color", &m_priorityColor, &m_shpPriorityColor},
    };
    int r = 0;
    for (const Row& row : rows) {
        QPushButton* button = pushButton(colors, row.button, row.caption, row.hint);
        button->setMinimumWidth(130);
        auto* swatch = new ColorSwatch(colors);
        swatch->setObjectName(QString::fromLatin1(row.swatch));
        swatch->setFixedSize(40, 22);
        *row.target = swatch;
        ColorValue* color = row.color;
        connect(button, &QPushButton::clicked, this, [this, color] { pEditPlannerColor(*color); });
        colorGrid->addWidget(button, r, 0);
        colorGrid->addWidget(swatch, r, 1);
        colorGrid->addWidget(label(colors, QString::fromLatin1(row.text)), r, 2);
        ++r;
    }
    colorGrid->setColumnStretch(2, 1);
    colorGrid->setRowStretch(r, 1);

    auto* layout = new QGridLayout(p);
    layout->addWidget(remove, 0, 0);
    layout->addWidget(view, 0, 1);
    layout->addWidget(colors, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return p;
}

void TfrmCompanyInfo::connectChangeSignals()
{
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit == m_txtPmtTerm || edit->parent()->inherits("QAbstractSpinBox"))
            continue;
        connect(edit, &QLineEdit::textChanged, this, &TfrmCompanyInfo::enableSave);
    }
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &TfrmCompanyInfo::enableSave);
    for (QRadioButton* button : findChildren<QRadioButton*>())
        connect(button, &QRadioButton::toggled, this, &TfrmCompanyInfo::enableSave);
    for (QSpinBox* spin : {m_spinEditNumEstDays, m_spinEditDepPercent})
        connect(spin, &QSpinBox::valueChanged, this, &TfrmCompanyInfo::enableSave);
}

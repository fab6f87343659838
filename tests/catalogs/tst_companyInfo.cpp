#include "app/AppPaths.h"
#include "app/AppState.h"
#include "catalogs/CompanyInfoStore.h"
#include "catalogs/gui/ColorSwatch.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "CatalogTestHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

// The company information window: what it shows, its editors and what saving writes.
class TestCompanyInfo : public QObject {
    Q_OBJECT

    AppState m_state;
    QTemporaryDir m_pictures;

    static QPushButton* button(QWidget& window, const char* name) { return child<QPushButton>(window, QString::fromLatin1(name)); }
    static QString countLine(QWidget& window) { return child<QLabel>(window, QStringLiteral("Label5"))->text(); }
    static QStringList terms(QWidget& window)
    {
        QStringList list;
        QAbstractItemModel* model = child<QListView>(window, QStringLiteral("lstPmtTerms"))->model();
        for (int row = 0; row < model->rowCount(); ++row)
            list << model->index(row, 0).data().toString();
        return list;
    }
    static void addTerm(QWidget& window, const QString& term)
    {
        QTest::keyClicks(child(window, QStringLiteral("txtPmtTerm")), term);
        button(window, "btnAddPmtTerms")->click();
    }
    static QVariant stored(const QString& column, const QString& table = QStringLiteral("tblCompanyInvData"))
    {
        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral("SELECT %1 FROM %2;").arg(column, table));
        return row.columnIsNull(0) ? QVariant() : QVariant(row.columnText(0));
    }
    QString writePicture(const char* name, const char* format)
    {
        QImage picture(60, 30, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 40));
        const QString path = m_pictures.filePath(QString::fromLatin1(name));
        if (!picture.save(path, format))
            qFatal("cannot write %s", name);
        return path;
    }
    static QByteArray fileStart(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.read(3);
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void opensWithTheStoredValues()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Company Information"));
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::CompanyPage));
        QVERIFY(!action(window, "actSave")->isEnabled());
        QCOMPARE(child<QLineEdit>(window, "txtCompName")->text(), QStringLiteral("My Company Name"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName1")->text(), QStringLiteral("Local Tax"));
        QCOMPARE(child<QLineEdit>(window, "txtTax1")->text(), QStringLiteral("0.0123"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName2")->text(), QStringLiteral("State Tax"));
        QCOMPARE(child<QLineEdit>(window, "txtTax2")->text(), QStringLiteral("0.0500"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName3")->text(), QString());
        QCOMPARE(child<QLineEdit>(window, "txtTax3")->text(), QStringLiteral("0.0000"));
        QVERIFY(child<QRadioButton>(window, "RadioGroupTaxOnItem0")->isChecked());
        QCOMPARE(child<QRadioButton>(window, "RadioGroupTaxOnItem0")->text(), QStringLiteral("Labor and Material"));
        QCOMPARE(terms(window).size(), 4);
        QCOMPARE(countLine(window), QStringLiteral("You may add 6 more Payment Terms"));
        QCOMPARE(child<QSpinBox>(window, "spinEditDepPercent")->value(), 25);
        QCOMPARE(child<QSpinBox>(window, "spinEditNumEstDays")->value(), 30);
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!button(window, "btnRemoveLogo")->isEnabled());
        QVERIFY(child<QRadioButton>(window, "rbtnLargeLogo")->isChecked());
        QVERIFY(!child<QCheckBox>(window, "ckbxShowTotalonWOVelmar")->isChecked());
        QVERIFY(child<QCheckBox>(window, "ckbxShowWorkSheetSQFT")->isChecked());
        QVERIFY(child<QRadioButton>(window, "rbtn30Day")->isChecked());
        QVERIFY(child<QRadioButton>(window, "rbtnDayPlanner")->isChecked());
        QCOMPARE(child<QLineEdit>(window, "txtCompZipCode")->maxLength(), 15);
        QCOMPARE(child<QLineEdit>(window, "txtCompLicenseNumber2")->maxLength(), 24);
        QCOMPARE(child(window, "txtCompExtraPhone1Name")->toolTip(),
                 QStringLiteral("Enter your Extra Phone Name - Cell, Fax ..."));
        QCOMPARE(child<ColorSwatch>(window, "shpWeekendColor")->color(), QColor(215, 228, 242));

        action(window, "actTaxPage")->trigger();
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void aTaxAmountWithoutNameIsRefused()
    {
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        TfrmCompanyInfo window(m_state);
        window.show();
        child<QLineEdit>(window, "txtCompName")->setText(QStringLiteral("Changed Name"));
        auto* amount = child<QLineEdit>(window, "txtTax3");
        amount->setFocus();
        amount->setCursorPosition(3);
        QTest::keyClicks(amount, QStringLiteral("2"));
        QCOMPARE(amount->text(), QStringLiteral("0.0200"));

        action(window, "actSave")->trigger();
        QCOMPARE(prompts->texts("info"), QStringList{"Please enter a Tax Name for Tax Option 3."});
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QCOMPARE(stored(QStringLiteral("dbTaxRate3")).toDouble(), 0.0);
        QCOMPARE(stored(QStringLiteral("strCompName"), QStringLiteral("tblCompanyInfo")).toString(),
                 QStringLiteral("My Company Name"));
        QCOMPARE(m_state.companySettings.CompanyData.CompName, QStringLiteral("My Company Name"));

        // Closing and answering Yes keeps the window open on the Tax page.
        window.showPage(TfrmCompanyInfo::CompanyPage);
        action(window, "actClose")->trigger();
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Do you want to save changes to Company Information?"});

        QTest::keyClicks(child(window, "txtTaxName3"), QStringLiteral("City Tax"));
        action(window, "actSave")->trigger();
        QCOMPARE(stored(QStringLiteral("dbTaxRate3")).toDouble(), 0.02);
        QCOMPARE(m_state.companySettings.InvData.TaxNames[2], QStringLiteral("City Tax"));
        QCOMPARE(m_state.companySettings.InvData.TaxRates[2], 0.02);
    }

    void aTaxAmountStaysComplete_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("erased decimal") << "0.0500" << 4 << int(Qt::Key_Backspace) << "0.0000";
        QTest::newRow("deleted first digit") << "5.0000" << 0 << int(Qt::Key_Delete) << "0.0000";
        QTest::newRow("deleted last digit") << "0.1234" << 5 << int(Qt::Key_Delete) << "0.1230";
    }

    void aTaxAmountStaysComplete()
    {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(int, key);
        QFETCH(QString, expected);
        TfrmCompanyInfo window(m_state);
        window.show();
        auto* amount = child<QLineEdit>(window, "txtTax1");
        amount->setText(start);
        amount->setFocus();
        amount->setCursorPosition(cursor);
        QTest::keyClick(amount, Qt::Key(key));
        QCOMPARE(amount->displayText(), expected);
        QVERIFY(action(window, "actSave")->isEnabled());
    }

    void completeTaxAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank first") << " .0500" << "0.0500";
        QTest::newRow("blank point") << "0 0500" << "0.0500";
        QTest::newRow("blank decimals") << "5.  1 " << "5.0010";
        QTest::newRow("short text") << "1" << "1.0000";
        QTest::newRow("empty") << "" << "0.0000";
    }

    void completeTaxAmount()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(CompleteTaxAmount(text), expected);
    }

    void footNotesHoldFiveLines()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        auto* note = child<QPlainTextEdit>(window, "txtFtNote2");
        note->setPlainText(QStringLiteral("one\ntwo\nthree\nfour\nfive"));
        note->setFocus();
        note->moveCursor(QTextCursor::End);
        QTest::keyClick(note, Qt::Key_Return);
        QCOMPARE(note->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive"));
        QVERIFY(!note->document()->isUndoAvailable());
        QTest::keyClicks(note, QStringLiteral("!"));
        QCOMPARE(note->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive!"));

        auto* acceptance = child<QPlainTextEdit>(window, "txtAcceptanceInfo");
        acceptance->setPlainText(QString(250, QLatin1Char('a')));
        acceptance->setFocus();
        acceptance->moveCursor(QTextCursor::End);
        QTest::keyClicks(acceptance, QStringLiteral("b"));
        QCOMPARE(acceptance->toPlainText().size(), 250);
        QVERIFY(action(window, "actSave")->isEnabled());
    }

    void tenTermsMakeTheListFull()
    {
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        TfrmCompanyInfo window(m_state);
        window.show();
        window.showPage(TfrmCompanyInfo::InvoicePage);
        auto* field = child<QLineEdit>(window, "txtPmtTerm");
        auto* list = child<QListView>(window, "lstPmtTerms");
        QTest::keyClicks(field, QStringLiteral("Net 5"));
        QVERIFY(button(window, "btnAddPmtTerms")->isEnabled());
        QVERIFY(!list->isEnabled());
        button(window, "btnAddPmtTerms")->click();
        QVERIFY(action(window, "actSave")->isEnabled());
        QCOMPARE(countLine(window), QStringLiteral("You may add 5 more Payment Terms"));
        for (int i = 6; i <= 10; ++i)
            addTerm(window, QStringLiteral("Net %1").arg(i));
        QCOMPARE(terms(window).size(), 10);
        QCOMPARE(countLine(window), QStringLiteral("Payment Terms are full"));
        QTest::keyClicks(field, QStringLiteral("Net 11"));
        QVERIFY(!button(window, "btnAddPmtTerms")->isEnabled());
        button(window, "btnCancelPmtTerms")->click();
        QCOMPARE(field->text(), QString());

        // A term can still be chosen, changed and removed.
        ClickListRow(list, 4);
        QCOMPARE(field->text(), QStringLiteral("Net 5"));
        QVERIFY(!list->isEnabled());
        QVERIFY(button(window, "btnRemovePmtTerms")->isEnabled());
        QCOMPARE(button(window, "btnAddPmtTerms")->text(), QStringLiteral("Change"));
        QCOMPARE(button(window, "btnAddPmtTerms")->toolTip(), QStringLiteral("Change this Payment Term on the list"));
        QTest::keyClicks(field, QStringLiteral("0"));
        button(window, "btnAddPmtTerms")->click();
        QCOMPARE(terms(window).at(4), QStringLiteral("Net 50"));
        QCOMPARE(button(window, "btnAddPmtTerms")->text(), QStringLiteral("Add"));
        QVERIFY(list->isEnabled());

        ClickListRow(list, 0);
        button(window, "btnRemovePmtTerms")->click();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Remove \"Due on day of completion\" from list?"});
        QCOMPARE(terms(window).size(), 9);
        QCOMPARE(countLine(window), QStringLiteral("You may add 1 more Payment Terms"));

        action(window, "actSave")->trigger();
        QCOMPARE(stored(QStringLiteral("strInvTerms1")).toString(), QStringLiteral("Due on the 10th"));
        QCOMPARE(stored(QStringLiteral("strInvTerms4")).toString(), QStringLiteral("Net 50"));
        QCOMPARE(stored(QStringLiteral("strInvTerms9")).toString(), QStringLiteral("Net 10"));
        QCOMPARE(stored(QStringLiteral("strInvTerms10")).toString(), QString());
        QCOMPARE(m_state.companySettings.InvData.PaymentTerms[9], QString());
        QCOMPARE(m_state.companySettings.InvData.PaymentTerms[3], QStringLiteral("Net 50"));
    }

    void aBitmapLogoIsWrittenAsJpeg()
    {
        ScopedPrompts prompts;
        prompts->files.push_back(writePicture("logo.bmp", "BMP"));
        {
            TfrmCompanyInfo window(m_state);
            window.show();
            button(window, "btnBrowseForLogo")->click();
            QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("Current Logo"));
            QVERIFY(button(window, "btnRemoveLogo")->isEnabled());
            QVERIFY(!child<QLabel>(window, "imgLogo")->pixmap().isNull());
            QVERIFY(!QFile::exists(LogoPath()));
            action(window, "actSave")->trigger();
        }
        QVERIFY(LogoPath().endsWith(QLatin1String("CmpLogo.jpg")));
        QCOMPARE(fileStart(LogoPath()), QByteArray("\xFF\xD8\xFF"));
        QCOMPARE(QImage(LogoPath()).size(), QSize(60, 30));
    }

    void removingTheLogo_data()
    {
        QTest::addColumn<bool>("saveOnClose");
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("saved: the file goes") << true << false;
        QTest::newRow("closed with No: the file stays") << false << true;
    }

    void removingTheLogo()
    {
        QFETCH(bool, saveOnClose);
        QFETCH(bool, fileKept);
        QVERIFY(QFile::copy(writePicture("start.jpg", "JPEG"), LogoPath()));
        ScopedPrompts prompts;
        prompts->answers = {PromptAnswer::Yes, saveOnClose ? PromptAnswer::Yes : PromptAnswer::No};
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("Current Logo"));
        button(window, "btnRemoveLogo")->click();
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!child<QRadioButton>(window, "rbtnSmallLogo")->isEnabled());
        QVERIFY(window.logoPicture().isNull());
        QVERIFY(QFile::exists(LogoPath()));
        action(window, "actClose")->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(prompts->texts("yesnocancel"),
                 (QStringList{"Do you want to remove the current logo?",
                              "Do you want to save changes to Company Information?"}));
        QCOMPARE(QFile::exists(LogoPath()), fileKept);
    }

    void savingWithoutLogoChangesLeavesTheFile()
    {
        QFile::remove(LogoPath());
        const QByteArray marker("not really a picture");
        {
            QFile file(LogoPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(marker);
        }
        TfrmCompanyInfo window(m_state);
        window.show();
        QTest::keyClicks(child(window, "txtCompCity"), QStringLiteral("X"));
        action(window, "actSave")->trigger();
        QFile file(LogoPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), marker);
    }

    void anUnreadablePictureIsReported()
    {
        const QString path = m_pictures.filePath(QStringLiteral("broken.bmp"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM broken");
        }
        ScopedPrompts prompts;
        prompts->files.push_back(path);
        TfrmCompanyInfo window(m_state);
        window.show();
        button(window, "btnBrowseForLogo")->click();
        QCOMPARE(prompts->texts("error").size(), 1);
        QVERIFY(prompts->texts("error").at(0).contains(QLatin1String("broken.bmp")));
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void allThisColorColoursEveryKind()
    {
        ScopedPrompts prompts;
        prompts->colors.push_back(QColor(10, 20, 30));
        prompts->colors.push_back(std::nullopt);
        TfrmCompanyInfo window(m_state);
        window.show();
        button(window, "btnAllInvTypColor")->click();
        QCOMPARE(child<QLabel>(window, "lblPstDueSample")->palette().color(QPalette::WindowText), QColor(10, 20, 30));
        QCOMPARE(child<ColorSwatch>(window, "shpEstBar")->color(), QColor(10, 20, 30));
        // A cancelled chooser changes nothing.
        button(window, "btnInvColor")->click();
        QCOMPARE(child<ColorSwatch>(window, "shpInvBar")->color(), QColor(10, 20, 30));
        action(window, "actSave")->trigger();

        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral("SELECT * FROM tblCompColorData WHERE intColorID = 1;"));
        for (int kind = 0; kind < 6; ++kind) {
            QCOMPARE(row.columnInt(1 + kind * 3), 10);
            QCOMPARE(row.columnInt(2 + kind * 3), 20);
            QCOMPARE(row.columnInt(3 + kind * 3), 30);
            QCOMPARE(m_state.companySettings.DocumentColors[std::size_t(kind)], CombineColor(10, 20, 30));
        }
    }

    void savingWritesEveryPageAndRefreshesTheSettings()
    {
        ScopedPrompts prompts;
        prompts->colors = {QColor(1, 2, 3), QColor(4, 5, 6)};
        TfrmCompanyInfo window(m_state);
        window.show();
        child<QLineEdit>(window, "txtCompName")->setText(QStringLiteral("Brush \"Best\" & Sons"));
        child<QLineEdit>(window, "txtCompLicenseName3")->setText(QStringLiteral("County"));
        child<QLineEdit>(window, "txtCompWebAddress")->setText(QStringLiteral("www.brush.example"));
        child<QRadioButton>(window, "RadioGroupTaxOnItem2")->click();
        child<QRadioButton>(window, "rbtnSmallLogo")->setEnabled(true);
        child<QRadioButton>(window, "rbtnSmallLogo")->click();
        child<QPlainTextEdit>(window, "txtFtNote3")->setPlainText(QStringLiteral("Paid is paid"));
        auto* days = child<QSpinBox>(window, "spinEditNumEstDays");
        days->setFocus();
        QTest::keyClick(days, Qt::Key_Down);
        child<QCheckBox>(window, "ckbxShowWorkSheetSQFT")->click();
        child<QCheckBox>(window, "ckbxShowTotalonWOVelmar")->click();
        child<QCheckBox>(window, "ckbxShowWallpaper")->click();
        child<QRadioButton>(window, "rbtn1Year")->click();
        child<QRadioButton>(window, "rbtnMonthPlanner")->click();
        button(window, "btnAcceptanceColor")->click();
        button(window, "btnPriorityColor")->click();
        QVERIFY(action(window, "actSave")->isEnabled());
        action(window, "actSave")->trigger();
        QVERIFY(!action(window, "actSave")->isEnabled());

        CompanySettings reloaded;
        LoadCompanySettings(reloaded);
        for (const CompanySettings* s : {&reloaded, &m_state.companySettings}) {
            QCOMPARE(s->CompanyData.CompName, QStringLiteral("Brush \"Best\" & Sons"));
            QCOMPARE(s->CompanyData.CompLicName3, QStringLiteral("County"));
            QCOMPARE(s->CompanyData.CompWebSite, QStringLiteral("www.brush.example"));
            QCOMPARE(s->CompanyData.CompZip, QStringLiteral("Zip 123456"));
            QCOMPARE(s->InvData.TaxOn, 2);
            QVERIFY(!s->InvData.LargeLogo);
            QCOMPARE(s->InvData.FootNotes[3], QStringLiteral("Paid is paid"));
            QCOMPARE(s->InvData.EstimateValidDays, 29);
            QCOMPARE(s->InvData.DepositPercent, 25);
            QVERIFY(!s->InvData.ShowQuantity);
            QVERIFY(s->InvData.ShowTotalOnWorkOrder);
            QVERIFY(!s->InvData.ShowWallpaper);
            QVERIFY(s->InvData.ShowPriceEach);
            QCOMPARE(s->InvData.TaxRates[1], 0.05);
            QCOMPARE(s->InvData.AcceptanceColor, CombineColor(1, 2, 3));
            QCOMPARE(s->PlannerPriorityColor, CombineColor(4, 5, 6));
            QCOMPARE(s->PlannerWeekendColor, CombineColor(215, 228, 242));
            QCOMPARE(s->PlannerRemoveActivity, 3);
            QCOMPARE(s->PlannerDefaultView, 2);
            QCOMPARE(s->InvData.PaymentTerms[0], QStringLiteral("Due on day of completion"));
        }
        QCOMPARE(m_state.companySettings.PlannerHeaderColor, kSystemButtonFace);
        QCOMPARE(stored(QStringLiteral("strShowQuantity")).toString(), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("strShowTotalonWO")).toString(), QStringLiteral("-1"));
        QCOMPARE(stored(QStringLiteral("intInvNumber")).toString(), QStringLiteral("500"));
    }

    void closingWithUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("storedCity");
        QTest::newRow("Cancel keeps the window") << int(PromptAnswer::Cancel) << false << "My City";
        QTest::newRow("No closes unsaved") << int(PromptAnswer::No) << true << "My City";
        QTest::newRow("Yes saves and closes") << int(PromptAnswer::Yes) << true << "My CityX";
    }

    void closingWithUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QString, storedCity);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmCompanyInfo window(m_state);
        window.show();
        QTest::keyClicks(child(window, "txtCompCity"), QStringLiteral("X"));
        action(window, "actClose")->trigger();
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(stored(QStringLiteral("strCompCity"), QStringLiteral("tblCompanyInfo")).toString(), storedCity);
        QCOMPARE(m_state.companySettings.CompanyData.CompCity, storedCity);
    }
};

VELMAR_TEST_MAIN(TestCompanyInfo)
#include "tst_companyInfo.moc"

#include "app/AppState.h"
#include "app/gui/Dispatcher.h"
#include "catalogs/CatalogTestHelpers.h"
#include "data/Database.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "texts/ContractWarrantyStore.h"
#include "texts/gui/TfrmTextEditor.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

Q_DECLARE_METATYPE(PromptAnswer)

// The contract and warranty editor: what it loads, when it asks, what it stores and prints.
class TestTextEditor : public QObject {
    Q_OBJECT

    AppState m_state;
    QTemporaryDir m_output;
    int m_jobs = 0;
    std::unique_ptr<TmodPrintData> m_printData;

    QString jobPath(int job) const { return m_output.filePath(QStringLiteral("job%1.pdf").arg(job)); }

    static QString pdfText(const QString& path)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QLineEdit* title(TfrmTextEditor& window) { return child<QLineEdit>(window, "txtContractWarrantyName"); }
    static QPlainTextEdit* body(TfrmTextEditor& window) { return child<QPlainTextEdit>(window, "txtTextEditor"); }
    static StoredTextDocument stored(TextKind kind) { return LoadTextDocument(kind); }
    static void storeRaw(const QString& column, const QString& value)
    {
        Connection db = OpenDatabase();
        db.exec(QStringLiteral("UPDATE tblContractWarranty SET %1 = ? WHERE intContractWarrantyID = 1;").arg(column),
                {value});
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
        m_jobs = 0;
        m_printData = std::make_unique<TmodPrintData>(m_state);
        m_printData->printerProvider = [this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(jobPath(++m_jobs));
            return printer;
        };
        m_state.printData = m_printData.get();
    }

    void cleanup()
    {
        m_state.printData = nullptr;
        m_printData.reset();
    }

    void opensTheChosenText_data()
    {
        QTest::addColumn<bool>("contractMode");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("storedTitle");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("contract") << true << "Contract" << "SAMPLE CONTRACT"
                                  << QString::fromUtf8("SAMPLE CONTRACT ONLY – Replace with your CONTRACT!");
        QTest::newRow("warranty") << false << "Warranty" << "SAMPLE WARRANTY"
                                  << QString::fromUtf8("SAMPLE WARRANTY ONLY – Replace with your WARRANTY!");
    }
    void opensTheChosenText()
    {
        QFETCH(bool, contractMode);
        QFETCH(QString, kind);
        QFETCH(QString, storedTitle);
        QFETCH(QString, firstLine);
        ScopedPrompts prompts;
        m_state.contractMode = contractMode;
        TfrmTextEditor window(m_state);
        window.show();
        QCOMPARE(window.windowTitle(), kind + QStringLiteral(" Writer"));
        QCOMPARE(title(window)->text(), storedTitle);
        QCOMPARE(title(window)->maxLength(), 45);
        QCOMPARE(LabelOf(window, title(window)), QStringLiteral("Title: "));
        const QString text = body(window)->toPlainText();
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), firstLine);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QCOMPARE(text, stored(contractMode ? TextKind::Contract : TextKind::Warranty).body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(body(window)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(body(window)->font().pixelSize(), 13);
        QCOMPARE(window.focusWidget(), body(window));

        COMPARE_HINT(title(window), QStringLiteral("Enter a title for ") + kind);
        COMPARE_HINT(body(window), QStringLiteral("Edit ") + kind);
        QCOMPARE(action(window, "actSave")->statusTip(), QStringLiteral("Save changes to ") + kind);
        QCOMPARE(action(window, "actPrintPreview")->statusTip(), QStringLiteral("Print Preview ") + kind);
        QCOMPARE(action(window, "actPrint")->statusTip(), QStringLiteral("Print ") + kind);
        QCOMPARE(action(window, "actClose")->statusTip(), QStringLiteral("Close"));
        QCOMPARE(action(window, "actHelp")->statusTip(), QStringLiteral("Open Help"));
        QCOMPARE(ToolBarCommands(window, "ToolBarTextEditor"),
                 (QStringList{"actClose", "|", "actSave", "|", "actPrintPreview", "actPrint", "|", "actHelp"}));

        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(action(window, "actPrint")->isEnabled());
        QVERIFY(action(window, "actPrintPreview")->isEnabled());
        // Nothing changed: closing does not ask.
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(prompts->shown.empty());
    }

    void eitherFieldEnablesSaveAndTheQuestion_data()
    {
        QTest::addColumn<bool>("editTitle");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<bool>("savedAfter");
        QTest::newRow("body, yes") << false << PromptAnswer::Yes << false << true;
        QTest::newRow("body, no") << false << PromptAnswer::No << false << false;
        QTest::newRow("body, cancel") << false << PromptAnswer::Cancel << true << false;
        QTest::newRow("title only, yes") << true << PromptAnswer::Yes << false << true;
        QTest::newRow("title only, no") << true << PromptAnswer::No << false << false;
        QTest::newRow("title only, cancel") << true << PromptAnswer::Cancel << true << false;
    }
    void eitherFieldEnablesSaveAndTheQuestion()
    {
        QFETCH(bool, editTitle);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, stays);
        QFETCH(bool, savedAfter);
        const StoredTextDocument before = stored(TextKind::Warranty);
        ScopedPrompts prompts;
        m_state.contractMode = false;
        TfrmTextEditor window(m_state);
        window.show();
        QWidget* field = editTitle ? static_cast<QWidget*>(title(window)) : body(window);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End, editTitle ? Qt::NoModifier : Qt::ControlModifier);
        QTest::keyClicks(field, QStringLiteral(" 2024"));
        QVERIFY(action(window, "actSave")->isEnabled());

        prompts->answers.push_back(answer);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList{QStringLiteral("Save changes to Warranty?")});
        QCOMPARE(window.isVisible(), stays);

        const StoredTextDocument after = stored(TextKind::Warranty);
        QCOMPARE(after.title, savedAfter && editTitle ? before.title + QStringLiteral(" 2024") : before.title);
        QCOMPARE(after.body, savedAfter && !editTitle ? before.body + QStringLiteral(" 2024") : before.body);
        // The other text is never touched.
        QCOMPARE(stored(TextKind::Contract).title, QStringLiteral("SAMPLE CONTRACT"));
    }

    void savingStoresTheTextAsTyped_data()
    {
        QTest::addColumn<QString>("typedTitle");
        QTest::addColumn<QString>("typedBody");
        QTest::addColumn<QString>("storedBody");
        QTest::newRow("lines") << "Terms" << "First line\nSecond line\n\nLast" << "First line\r\nSecond line\r\n\r\nLast";
        QTest::newRow("quotes") << "The \"Best\" Contract" << "It's \"final\"; DROP TABLE tblReport;--"
                                << "It's \"final\"; DROP TABLE tblReport;--";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("accents and dashes") << QString::fromUtf8("Contrat – été")
                                            << QString::fromUtf8("Naïve café\n€ 100") << QString::fromUtf8("Naïve café\r\n€ 100");
    }
    void savingStoresTheTextAsTyped()
    {
        QFETCH(QString, typedTitle);
        QFETCH(QString, typedBody);
        QFETCH(QString, storedBody);
        ScopedPrompts prompts;
        m_state.contractMode = true;
        TfrmTextEditor window(m_state);
        window.show();
        title(window)->setText(typedTitle);
        body(window)->setPlainText(typedBody);
        QVERIFY(action(window, "actSave")->isEnabled());
        action(window, "actSave")->trigger();
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(m_state.dataChanged);
        QCOMPARE(stored(TextKind::Contract).title, typedTitle);
        QCOMPARE(stored(TextKind::Contract).body, storedBody);
        QCOMPARE(stored(TextKind::Warranty).title, QStringLiteral("SAMPLE WARRANTY"));
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(prompts->shown.empty());
    }

    void anUntouchedBodyStaysByteForByte()
    {
        // Stored by some earlier version with bare line feeds and a trailing blank line.
        const QString original = QStringLiteral("One\nTwo\r\nThree\n\n");
        storeRaw(QStringLiteral("strContract"), original);
        ScopedPrompts prompts;
        m_state.contractMode = true;
        TfrmTextEditor window(m_state);
        window.show();
        QVERIFY(!action(window, "actSave")->isEnabled());
        title(window)->setText(QStringLiteral("New Title"));
        action(window, "actSave")->trigger();
        QCOMPARE(stored(TextKind::Contract).body, original);
        QCOMPARE(stored(TextKind::Contract).title, QStringLiteral("New Title"));
    }

    void aLongerStoredTitleIsKeptWhole()
    {
        const QString longTitle = QString(60, QLatin1Char('T'));
        storeRaw(QStringLiteral("strWarrantyName"), longTitle);
        ScopedPrompts prompts;
        TfrmTextEditor window(m_state);
        window.show();
        QCOMPARE(title(window)->text(), longTitle);
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void typingBackTheStoredTextIsNoChange()
    {
        ScopedPrompts prompts;
        m_state.contractMode = true;
        TfrmTextEditor window(m_state);
        window.show();
        title(window)->setFocus();
        QTest::keyClick(title(window), Qt::Key_End);
        QTest::keyClick(title(window), Qt::Key_X);
        QVERIFY(action(window, "actSave")->isEnabled());
        QTest::keyClick(title(window), Qt::Key_Backspace);
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void anEmptyBodyCannotBePrintedButPreviewed()
    {
        ScopedPrompts prompts;
        m_state.contractMode = true;
        TfrmTextEditor window(m_state);
        window.show();
        body(window)->selectAll();
        QTest::keyClick(body(window), Qt::Key_Delete);
        QVERIFY(body(window)->toPlainText().isEmpty());
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(action(window, "actPrintPreview")->isEnabled());
        action(window, "actPrint")->trigger();
        QCOMPARE(m_jobs, 0);
        QTest::keyClicks(body(window), QStringLiteral("x"));
        QVERIFY(action(window, "actPrint")->isEnabled());
    }

    void aFailedSaveKeepsTheTextUnsaved()
    {
        ScopedPrompts prompts;
        m_state.contractMode = true;
        TfrmTextEditor window(m_state);
        window.show();
        body(window)->setPlainText(QStringLiteral("Changed"));
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("ALTER TABLE tblContractWarranty RENAME TO tblAway;"));
        }
        action(window, "actSave")->trigger();
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 1 - no such table: tblContractWarranty.")});
        QVERIFY(action(window, "actSave")->isEnabled());
        QVERIFY(window.isChanged());

        // Closing still asks; a Yes that fails again keeps the window open.
        prompts->answers.push_back(PromptAnswer::Yes);
        window.close();
        QVERIFY(window.isVisible());
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList{QStringLiteral("Save changes to Contract?")});

        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("ALTER TABLE tblAway RENAME TO tblContractWarranty;"));
        }
        action(window, "actSave")->trigger();
        QVERIFY(!action(window, "actSave")->isEnabled());
        QCOMPARE(stored(TextKind::Contract).body, QStringLiteral("Changed"));
    }

    void aMissingRowIsMadeOnSave()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("DELETE FROM tblContractWarranty;"));
        }
        ScopedPrompts prompts;
        m_state.contractMode = false;
        TfrmTextEditor window(m_state);
        window.show();
        QCOMPARE(title(window)->text(), QString());
        QCOMPARE(body(window)->toPlainText(), QString());
        QVERIFY(!action(window, "actPrint")->isEnabled());
        title(window)->setText(QStringLiteral("Our Warranty"));
        body(window)->setPlainText(QStringLiteral("One year.\nLabor only."));
        action(window, "actSave")->trigger();
        QVERIFY(prompts->shown.empty());
        QCOMPARE(stored(TextKind::Warranty).title, QStringLiteral("Our Warranty"));
        QCOMPARE(stored(TextKind::Warranty).body, QStringLiteral("One year.\r\nLabor only."));
        QCOMPARE(stored(TextKind::Contract).title, QString());
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblContractWarranty;")).columnInt(0), 1);
    }

    void printsTheSavedText()
    {
        ScopedPrompts prompts;
        m_state.contractMode = true;
        m_state.windowMode = 0;
        TfrmTextEditor window(m_state);
        window.show();
        body(window)->setPlainText(QStringLiteral("UNSAVED WORDING"));
        action(window, "actPrint")->trigger();
        QCOMPARE(m_state.windowMode, 5);
        QCOMPARE(m_jobs, 1);
        const QString printed = pdfText(jobPath(1));
        QVERIFY2(printed.contains(QStringLiteral("SAMPLE CONTRACT")), qPrintable(printed));
        QVERIFY(printed.contains(QString::fromUtf8("SAMPLE CONTRACT ONLY – Replace with your CONTRACT!")));
        QVERIFY(printed.contains(QStringLiteral("CANCELLATION")));
        QVERIFY(!printed.contains(QStringLiteral("UNSAVED WORDING")));

        // Once saved, the new title and body print.
        title(window)->setText(QStringLiteral("Painting Agreement"));
        action(window, "actSave")->trigger();
        action(window, "actPrint")->trigger();
        const QString saved = pdfText(jobPath(2));
        QVERIFY(saved.contains(QStringLiteral("Painting Agreement")));
        QVERIFY(saved.contains(QStringLiteral("UNSAVED WORDING")));
        QVERIFY(!saved.contains(QStringLiteral("CANCELLATION")));
    }

    void warrantyPreviewUsesItsMode()
    {
        ScopedPrompts prompts;
        m_state.contractMode = false;
        TfrmTextEditor window(m_state);
        window.show();
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!qobject_cast<TfrmPrntPreview*>(preview))
                return;
            caption = preview->windowTitle();
            preview->close();
        });
        action(window, "actPrintPreview")->trigger();
        QCOMPARE(m_state.windowMode, 6);
        QCOMPARE(caption, QStringLiteral("Preview Warranty"));
        QVERIFY(window.isVisible());
    }

    void commandsOpenTheirText_data()
    {
        QTest::addColumn<bool>("contract");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Contract Writer") << true << "Contract Writer";
        QTest::newRow("Warranty Writer") << false << "Warranty Writer";
    }
    void commandsOpenTheirText()
    {
        QFETCH(bool, contract);
        QFETCH(QString, caption);
        ScopedPrompts prompts;
        m_state.contractMode = !contract;
        m_state.dataChanged = true;
        QString seen;
        bool cleared = false;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            if (!qobject_cast<TfrmTextEditor*>(window))
                return;
            seen = window->windowTitle();
            cleared = !m_state.dataChanged;
            window->close();
        });
        if (contract)
            Dispatcher::ShowContractWriter(m_state, nullptr);
        else
            Dispatcher::ShowWarrantyWriter(m_state, nullptr);
        QCOMPARE(seen, caption);
        QVERIFY(cleared);
        QCOMPARE(m_state.contractMode, contract);
    }
};

VELMAR_TEST_MAIN(TestTextEditor)
#include "tst_textEditor.moc"

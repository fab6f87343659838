#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/gui/TfrmAbout.h"
#include "documents/DocumentStorage.h"
#include "documents/EditorSession.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "printing/PrintTestSupport.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QAction>
#include <QPlainTextEdit>

using Action = CommandLineRequest::Action;
Q_DECLARE_METATYPE(CommandLineRequest::Action)

namespace {

const QString kProgram = QStringLiteral(VELMAR_BINARY_DIR "/velmar");

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built program with the test's data folder and a display-less environment.
Outcome Velmar(const QStringList& arguments, const QString& dataHome = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The commands must manage without a display and without being told the platform.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!dataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(env);
    process.start(kProgram, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

int PageCount(const QString& path)
{
    return PrintTest::PdfInfo(path).value(QStringLiteral("Pages")).toInt();
}

WorkSheet Room(int index)
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = QStringLiteral("Room %1 \"north\" side's").arg(index);
    sheet.AreaLength = 10 + index;
    sheet.AreaWidth = 9;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    sheet.NumOfDoors = index % 3;
    sheet.AraNotes = QStringLiteral("Patch the plaster by the window.\r\nKeep the furniture covered.");
    return sheet;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    AppState state;
    QTemporaryDir output;
    int invoiceNumber = 0;

    QString dataHome() const { return qEnvironmentVariable("XDG_DATA_HOME"); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kProgram).isExecutable(), "build the velmar target first");
        TestEnvironment::freshDatabase(state);
        // A saved invoice over several pages, with a foot note, a deposit and texts that
        // quote and break lines.
        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.InvDate = QStringLiteral("3/14/2011");
        document.Header.CustFullName = QStringLiteral("Dana O'Neil");
        document.Header.CustAddress = QStringLiteral("12 \"Old\" Mill Road");
        document.Header.InvFootNotes = 2;
        document.Header.DepositAmount = 150;
        document.Notes = QStringLiteral("Front door: two coats.\r\nBack door: one coat.");
        for (int i = 1; i <= 14; ++i)
            document.WorkSheets.push_back(Room(i));
        SaveDocument(document);
        invoiceNumber = document.Header.InvNumber;
    }

    void parsesArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");

        QTest::newRow("no options") << QStringList{} << Action::OpenWindows << 0 << QString() << QString();
        QTest::newRow("pdf") << QStringList{"--pdf", "1042", "out.pdf"} << Action::WritePdf << 1042
                             << "out.pdf" << QString();
        QTest::newRow("pdf with =") << QStringList{"--pdf=7", "/tmp/a b.pdf"} << Action::WritePdf << 7
                                    << "/tmp/a b.pdf" << QString();
        QTest::newRow("file first") << QStringList{"out.pdf", "--pdf", "9"} << Action::WritePdf << 9 << "out.pdf"
                                    << QString();
        QTest::newRow("not a number") << QStringList{"--pdf", "abc", "out.pdf"} << Action::Error << 0 << QString()
                                      << "'abc' is not a document number.";
        QTest::newRow("zero") << QStringList{"--pdf", "0", "out.pdf"} << Action::Error << 0 << QString()
                              << "'0' is not a document number.";
        QTest::newRow("negative") << QStringList{"--pdf", "-3", "out.pdf"} << Action::Error << 0 << QString()
                                  << "'-3' is not a document number.";
        QTest::newRow("too large") << QStringList{"--pdf", "99999999999", "out.pdf"} << Action::Error << 0
                                   << QString() << "'99999999999' is not a document number.";
        QTest::newRow("no file") << QStringList{"--pdf", "12"} << Action::Error << 0 << QString()
                                 << "--pdf needs a document NUMBER and a FILE to write.";
        QTest::newRow("empty file") << QStringList{"--pdf", "12", ""} << Action::Error << 0 << QString()
                                    << "--pdf needs a document NUMBER and a FILE to write.";
        QTest::newRow("no number") << QStringList{"--pdf"} << Action::Error << 0 << QString()
                                   << "Missing value after '--pdf'.";
        QTest::newRow("two files") << QStringList{"--pdf", "12", "a.pdf", "b.pdf"} << Action::Error << 0
                                   << QString() << "Unexpected argument 'b.pdf'.";
        QTest::newRow("twice") << QStringList{"--pdf", "1", "--pdf", "2", "a.pdf"} << Action::Error << 0
                               << QString() << "--pdf is given more than once.";
        QTest::newRow("stray argument") << QStringList{"invoice.pdf"} << Action::Error << 0 << QString()
                                        << "Unexpected argument 'invoice.pdf'.";
        QTest::newRow("unknown option") << QStringList{"--print"} << Action::Error << 0 << QString()
                                        << "Unknown option 'print'.";
    }

    void parsesArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(int, number);
        QFETCH(QString, path);
        QFETCH(QString, message);
        const CommandLineRequest request = ParseCommandLine(QStringList{kProgram} + arguments);
        QCOMPARE(request.action, action);
        QCOMPARE(request.documentNumber, number);
        QCOMPARE(request.pdfPath, path);
        if (action == Action::Error)
            QCOMPARE(request.text.section(QLatin1Char('\n'), 0, 0), message);
    }

    void tellsWhichArgumentsNeedNoWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("headless");
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("toolkit style") << QStringList{"-style", "fusion"} << false;
        QTest::newRow("help") << QStringList{"--help"} << true;
        QTest::newRow("short help") << QStringList{"-h"} << true;
        QTest::newRow("version") << QStringList{"-v"} << true;
        QTest::newRow("pdf") << QStringList{"-style", "fusion", "--pdf", "3", "a.pdf"} << true;
        QTest::newRow("pdf=") << QStringList{"--pdf=3", "a.pdf"} << true;
        QTest::newRow("after --") << QStringList{"--", "--pdf"} << false;
    }

    void tellsWhichArgumentsNeedNoWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, headless);
        std::vector<QByteArray> bytes{kProgram.toUtf8()};
        for (const QString& a : arguments)
            bytes.push_back(a.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes)
            argv.push_back(b.constData());
        QCOMPARE(RunsWithoutWindows(int(argv.size()), argv.data()), headless);
    }

    void versionIsTheAboutWindows()
    {
        TfrmAbout about(state);
        about.show();
        const auto* info = about.findChild<QPlainTextEdit*>(QStringLiteral("txtAboutInfo"));
        QVERIFY(info);
        const QStringList lines = info->toPlainText().split(QLatin1Char('\n'));
        const auto versionLine = std::find_if(lines.begin(), lines.end(),
                                              [](const QString& l) { return l.startsWith(QLatin1String("Version ")); });
        QVERIFY(versionLine != lines.end());

        const Outcome outcome = Velmar({QStringLiteral("--version")});
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QStringLiteral("Velmar Kessa %1\n").arg(versionLine->mid(8)));
        QCOMPARE(outcome.err, QString());
    }

    void helpNamesTheCommands()
    {
        const Outcome outcome = Velmar({QStringLiteral("--help")});
        QCOMPARE(outcome.status, 0);
        for (const char* expected : {"--pdf <NUMBER>", "--version", "--help", "[--pdf NUMBER FILE]"})
            QVERIFY2(outcome.out.contains(QLatin1String(expected)), expected);
    }

    void usageErrorsGoToStandardError()
    {
        const Outcome outcome = Velmar({QStringLiteral("--pdf"), QStringLiteral("x1"), QStringLiteral("a.pdf")},
                                       dataHome());
        QCOMPARE(outcome.status, kUsageStatus);
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.startsWith(QLatin1String("velmar: 'x1' is not a document number.")),
                 qPrintable(outcome.err));
    }

    // The command writes what the document window's PDF command writes for the saved
    // document, and changes nothing in the data folder.
    void pdfIsTheEditorsPdf()
    {
        const QByteArray databaseBefore = Digest(DatabasePath());
        const QStringList filesBefore = FilesUnder(CompanyFolder());

        const QString commandPdf = output.filePath(QStringLiteral("command.pdf"));
        const Outcome outcome = Velmar({QStringLiteral("--pdf"), QString::number(invoiceNumber), commandPdf}, dataHome());
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QString());

        // The document window's PDF command on the same saved document.
        AppState editorState;
        LoadCompanySettings(editorState.companySettings);
        TmodPrintData service(editorState);
        editorState.printData = &service;
        editorState.currentDocument.Header.InvNumber = invoiceNumber;
        OpenEditorSession(editorState, false);
        const QString servicePdf = output.filePath(QStringLiteral("editor.pdf"));
        {
            ScopedPrompts prompts;
            prompts->files.push_back(servicePdf);
            TfrmInvoiceVelmar editor(editorState);
            editor.show();
            QAction* pdf = editor.findChild<QAction*>(QStringLiteral("actPDF"));
            QVERIFY(pdf);
            QVERIFY(pdf->isEnabled());
            pdf->trigger();
        }
        CloseEditorSession(editorState);

        QVERIFY(PageCount(servicePdf) >= 2);
        QCOMPARE(PageCount(commandPdf), PageCount(servicePdf));
        const QString text = PrintTest::PdfText(commandPdf);
        QCOMPARE(text, PrintTest::PdfText(servicePdf));
        QVERIFY(text.contains(QStringLiteral("Dana O'Neil")));
        QVERIFY(text.contains(QStringLiteral("12 \"Old\" Mill Road")));
        // Foot note 2, which the invoice chose.
        QVERIFY(text.contains(QStringLiteral("Thank you for your")));
        QCOMPARE(PrintTest::PdfInfo(commandPdf).value(QStringLiteral("Title")),
                 QStringLiteral("Invoice %1").arg(invoiceNumber));

        QCOMPARE(Digest(DatabasePath()), databaseBefore);
        QCOMPARE(FilesUnder(CompanyFolder()), filesBefore);
    }

    void pdfReplacesAnEarlierFile()
    {
        const QString path = output.filePath(QStringLiteral("again.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older file");
        }
        const Outcome outcome = Velmar({QStringLiteral("--pdf"), QString::number(invoiceNumber), path}, dataHome());
        QCOMPARE(outcome.status, 0);
        QVERIFY(PageCount(path) >= 2);
    }

    void pdfFailures_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing database") << "no database" << "velmar: There is no database at {database}.";
        QTest::newRow("corrupt database") << "corrupt" << "velmar: SQLite Error 26 - file is not a database";
        QTest::newRow("empty database file") << "empty" << "velmar: SQLite Error 1 - no such table";
        QTest::newRow("missing document") << "number" << "velmar: Document 999999 does not exist.";
        QTest::newRow("folder missing") << "folder" << "velmar: Cannot write file {path}";
        QTest::newRow("path is a folder") << "directory" << "velmar: Cannot write file {path}";
    }

    // Each failure says why on standard error, exits non-zero, leaves an existing file at
    // the path as it was and creates nothing in the data folder.
    void pdfFailures()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);

        QTemporaryDir home;
        const QString company = home.filePath(QLatin1String(kCompanyName));
        const QString database = company + QLatin1Char('/') + ProductFolderName() + QLatin1Char('/') + DatabaseFileName();
        if (situation != QLatin1String("no database")) {
            QVERIFY(QDir().mkpath(QFileInfo(database).path()));
            if (situation == QLatin1String("corrupt") || situation == QLatin1String("empty")) {
                QFile file(database);
                QVERIFY(file.open(QIODevice::WriteOnly));
                if (situation == QLatin1String("corrupt"))
                    file.write(QByteArray(8192, 'x'));
            } else {
                QVERIFY(QFile::copy(DatabasePath(), database));
            }
        }
        QString path = output.filePath(QStringLiteral("kept.pdf"));
        if (situation == QLatin1String("folder"))
            path = output.filePath(QStringLiteral("no such folder/out.pdf"));
        else if (situation == QLatin1String("directory"))
            path = output.path();
        QFile::remove(output.filePath(QStringLiteral("kept.pdf")));
        QVERIFY(QFile(output.filePath(QStringLiteral("kept.pdf"))).open(QIODevice::WriteOnly));
        const QByteArray keptBefore = Digest(output.filePath(QStringLiteral("kept.pdf")));
        const QStringList filesBefore = FilesUnder(home.path());
        const QByteArray databaseBefore = Digest(database);

        const int number = situation == QLatin1String("number") ? 999999 : invoiceNumber;
        const Outcome outcome = Velmar({QStringLiteral("--pdf"), QString::number(number), path}, home.path());
        QCOMPARE(outcome.status, kCommandFailedStatus);
        QCOMPARE(outcome.out, QString());
        const QString expected = QString(message).replace(QLatin1String("{database}"), database)
                                     .replace(QLatin1String("{path}"), path);
        QVERIFY2(outcome.err.startsWith(expected), qPrintable(outcome.err));
        QCOMPARE(Digest(output.filePath(QStringLiteral("kept.pdf"))), keptBefore);
        QCOMPARE(FilesUnder(home.path()), filesBefore);
        QCOMPARE(Digest(database), databaseBefore);
        QVERIFY(!QFileInfo::exists(output.filePath(QStringLiteral("no such folder"))));
    }
};

VELMAR_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

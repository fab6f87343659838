#include "app/CommandLine.h"

#include "app/AppPaths.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString kPdfOption = QStringLiteral("pdf");

QString UsageError(const QString& message)
{
    return message + QStringLiteral("\nTry 'velmar --help' for the options.");
}

} // namespace

CommandLineRequest ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        ProductName() + QStringLiteral(": estimates, work orders and invoices for painting contractors.\n"
                                       "Without options the program opens its main window.\n"
                                       "Exit status: 0 done, 1 the command failed, 2 wrong arguments."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        kPdfOption,
        QStringLiteral("Write the saved document NUMBER as the PDF file FILE, as the document "
                       "window's PDF command does, and exit without opening a window."),
        QStringLiteral("NUMBER")));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("With --pdf: the PDF file to write."),
                                 QStringLiteral("[--pdf NUMBER FILE]"));

    CommandLineRequest request;
    if (!parser.parse(arguments)) {
        request.action = CommandLineRequest::Action::Error;
        request.text = UsageError(parser.errorText());
        return request;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        request.action = CommandLineRequest::Action::ShowText;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CommandLineRequest::Action::ShowText;
        request.text = ProductName() + QLatin1Char(' ') + VersionText() + QLatin1Char('\n');
        return request;
    }

    const QStringList positional = parser.positionalArguments();
    if (!parser.isSet(kPdfOption)) {
        if (!positional.isEmpty()) {
            request.action = CommandLineRequest::Action::Error;
            request.text = UsageError(QStringLiteral("Unexpected argument '%1'.").arg(positional.front()));
        }
        return request;
    }

    request.action = CommandLineRequest::Action::Error;
    const QStringList numbers = parser.values(kPdfOption);
    if (numbers.size() > 1) {
        request.text = UsageError(QStringLiteral("--pdf is given more than once."));
        return request;
    }
    bool isNumber = false;
    const int number = numbers.front().toInt(&isNumber);
    if (!isNumber || number <= 0) {
        request.text = UsageError(QStringLiteral("'%1' is not a document number.").arg(numbers.front()));
        return request;
    }
    if (positional.isEmpty() || positional.front().isEmpty()) {
        request.text = UsageError(QStringLiteral("--pdf needs a document NUMBER and a FILE to write."));
        return request;
    }
    if (positional.size() > 1) {
        request.text = UsageError(QStringLiteral("Unexpected argument '%1'.").arg(positional.at(1)));
        return request;
    }
    request.action = CommandLineRequest::Action::WritePdf;
    request.documentNumber = number;
    request.pdfPath = positional.front();
    return request;
}

bool RunsWithoutWindows(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v"
            || arg == "--version" || arg == "--pdf" || arg.startsWith("--pdf="))
            return true;
    }
    return false;
}

// What Qt itself costs for a PDF of the size of a 70-sheet invoice: start, open a
// QPdfWriter, draw 34 letter pages of text, finish. Timed from outside beside
// `velmar --pdf` by bench/time_pdf_command.sh.
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(130); // 8 pt at 1200 dpi
    painter.setFont(font);
    const QString line = QStringLiteral("Living room: walls 420 sq ft, 2 coats, trim 1 coat, wash and sand, 2 doors");
    for (int page = 0; page < 34; ++page) {
        if (page > 0)
            writer.newPage();
        for (int row = 0; row < 60; ++row)
            painter.drawText(600, 1200 + row * 190, QStringLiteral("%1 %2").arg(page * 60 + row).arg(line));
    }
    return painter.end() ? 0 : 1;
}

// qpdf: use std::shared_ptr throughout, without its older pointer holder.
#define POINTERHOLDER_TRANSITION 4

#include "printing/PdfOutput.h"

#include "data/DatabaseError.h"
#include "printing/PagePainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

// Fine enough that rounding to device pixels never shows.
constexpr int kPdfResolution = 1200;

QPageSize PageSizeOf(const DisplayPage& page)
{
    return QPageSize(QSizeF(page.size.width() / double(kUnitsPerInch), page.size.height() / double(kUnitsPerInch)),
                     QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

QByteArray RenderPdf(const DisplayDocument& document, const PdfDocumentInfo& info, const PageProgress& progress)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(info.title);
        writer.setCreator(info.creator);
        if (!document.pages.empty())
            writer.setPageSize(PageSizeOf(document.pages.front()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        for (size_t p = 0; p < document.pages.size(); ++p) {
            if (p > 0) {
                writer.setPageSize(PageSizeOf(document.pages[p]));
                writer.newPage();
            }
            PaintDisplayPage(painter, document.pages[p], kPdfResolution);
            if (progress)
                progress(static_cast<int>(p) + 1);
        }
        painter.end();
    }
    buffer.close();
    return bytes;
}

// Qt writes only some of the document information; the Info dictionary is rewritten
// with all of it.
QByteArray WithDocumentInfo(const QByteArray& pdf, const PdfDocumentInfo& info)
{
    QPDF qpdf;
    qpdf.processMemoryFile("report", pdf.constData(), static_cast<size_t>(pdf.size()));
    QPDFObjectHandle trailer = qpdf.getTrailer();
    QPDFObjectHandle infoDict = trailer.getKey("/Info");
    if (!infoDict.isDictionary()) {
        infoDict = qpdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", infoDict);
    }
    const std::pair<const char*, const QString*> fields[] = {
        {"/Title", &info.title},       {"/Author", &info.author},   {"/Subject", &info.subject},
        {"/Keywords", &info.keywords}, {"/Creator", &info.creator}, {"/Producer", &info.producer},
    };
    for (const auto& [key, value] : fields)
        infoDict.replaceKey(key, QPDFObjectHandle::newUnicodeString(value->toStdString()));

    QPDFWriter writer(qpdf);
    writer.setOutputMemory();
    writer.setStaticID(false);
    writer.write();
    const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), static_cast<qsizetype>(out->getSize()));
}

} // namespace

void WritePdfFile(const QString& path, const DisplayDocument& document, const PdfDocumentInfo& info,
                  const PageProgress& progress)
{
    const QString failure = QStringLiteral("Cannot write file %1").arg(path);
    QByteArray bytes;
    try {
        bytes = WithDocumentInfo(RenderPdf(document, info, progress), info);
    } catch (const std::exception& error) {
        throw VelmarError(failure + QStringLiteral(" - ") + QString::fromLocal8Bit(error.what()));
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw VelmarError(failure + QStringLiteral(" - ") + file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw VelmarError(failure + QStringLiteral(" - ") + file.errorString());
}

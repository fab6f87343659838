#include "data/LongText.h"

namespace LongText {

QString ToStored(const QString& widgetText)
{
    QString out;
    out.reserve(widgetText.size() + widgetText.size() / 16);
    for (qsizetype i = 0; i < widgetText.size(); ++i) {
        const QChar c = widgetText.at(i);
        if (c == u'\r') {
            // A CR LF or a lone CR both become one CR LF.
            if (i + 1 < widgetText.size() && widgetText.at(i + 1) == u'\n')
                ++i;
            out += QStringLiteral("\r\n");
        } else if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString ToWidget(const QString& storedText)
{
    QString out = storedText;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QString ForSave(const QString& storedText, const QString& widgetText)
{
    if (ToWidget(storedText) == widgetText)
        return storedText;
    return ToStored(widgetText);
}

int StoredLength(const QString& widgetText)
{
    return int(ToStored(widgetText).size());
}

} // namespace LongText

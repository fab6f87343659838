#include "app/gui/TextLimit.h"

#include "app/gui/WidgetLook.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Accepts everything, with unpaired surrogates taken out.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        for (qsizetype i = 0; i < input.size();) {
            const QChar unit = input.at(i);
            const bool paired = unit.isHighSurrogate() ? i + 1 < input.size() && input.at(i + 1).isLowSurrogate()
                                                       : !unit.isLowSurrogate();
            if (unit.isHighSurrogate() && paired) {
                i += 2;
            } else if (paired) {
                ++i;
            } else {
                input.remove(i, 1);
                if (position > i)
                    --position;
            }
        }
        // Acceptable, so Enter and editingFinished work as without a validator.
        return Acceptable;
    }
};

} // namespace

void SetTextLimit(QLineEdit* edit, int maxLength)
{
    edit->setMaxLength(maxLength);
    FitToLength(edit, maxLength);
    if (!edit->validator())
        edit->setValidator(new WholeCharacters(edit));
}

#include "app/gui/FirstShow.h"

#include "app/PromptService.h"
#include "data/DatabaseError.h"

#include <QDialog>
#include <QVariant>

namespace {
const char* const kDispatched = "velmarDispatched";
const char* const kFailure = "velmarOpenFailure";

void fail(QDialog* window, const QString& text)
{
    if (window->property(kDispatched).toBool())
        window->setProperty(kFailure, text);
    else
        ShowError(text);
    // Closed once the show event is over; the modal loop then ends.
    QMetaObject::invokeMethod(window, [window] { window->done(QDialog::Rejected); },
                              Qt::QueuedConnection);
}
} // namespace

bool RunFirstShow(QDialog* window, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const VelmarError& error) {
        fail(window, error.text());
    } catch (const std::exception& error) {
        fail(window, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

QString ExecDispatched(QDialog& window)
{
    window.setProperty(kDispatched, true);
    window.exec();
    // The window below gets the keyboard back even where no window manager hands it over.
    if (QWidget* below = window.parentWidget(); below && below->isVisible())
        below->window()->activateWindow();
    return window.property(kFailure).toString();
}

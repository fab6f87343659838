#include "app/Guard.h"

#include "app/PromptService.h"
#include "data/DatabaseError.h"

bool Guarded(const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const VelmarError& error) {
        ShowError(error.text());
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

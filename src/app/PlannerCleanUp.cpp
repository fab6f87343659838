#include "app/PlannerCleanUp.h"

#include "app/Clock.h"
#include "app/Regional.h"
#include "data/Compaction.h"
#include "data/Database.h"

int RemovalAgeInDays(qint64 code)
{
    switch (code) {
    case 1: return 1;
    case 2: return 30;
    case 3: return 360;
    default: return 0;
    }
}

void CleanUpPlanner(const CleanUpProgress& progress)
{
    Connection db = OpenDatabase();
    Statement& settings = db.prepare(QStringLiteral(
        "SELECT intRemoveActivity FROM tblPlannerSettings WHERE intPlannerSettingsID = 1;"));
    const int age = settings.next() ? RemovalAgeInDays(settings.columnInt(0)) : 0;
    if (age <= 0)
        return;

    if (progress.show)
        progress.show(QStringLiteral("Cleaning Database..."));
    // The busy window goes away however the clean-up ends.
    struct HideOnExit {
        const CleanUpProgress& progress;
        ~HideOnExit()
        {
            if (progress.hide)
                progress.hide();
        }
    } hideOnExit{progress};

    const QDateTime cutOff = Regional::WallClock(Today().addDays(-age));
    {
        // All or nothing: an unreadable row stops the clean-up before anything is gone.
        Transaction transaction(db);
        Statement& rows = db.prepare(QStringLiteral("SELECT intActID,strActEndDateTime FROM tblPlanner;"));
        Statement& remove = db.prepare(QStringLiteral("DELETE FROM tblPlanner WHERE intActID = ?;"));
        while (rows.next()) {
            const QString endText = rows.columnText(1);
            const QDateTime end = Regional::ParseDateTime(endText);
            if (!end.isValid())
                throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(endText));
            if (cutOff >= end) {
                remove.reset();
                remove.bind(1, rows.columnInt(0));
                remove.step();
            }
        }
        transaction.commit();
    }
    CompactAfterCommit(db);
}

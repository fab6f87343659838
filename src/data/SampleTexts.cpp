#include "data/SampleTexts.h"

#include <QStringList>

namespace {
QString joinLines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}
} // namespace

QString SampleContractText()
{
    return joinLines({
        QStringLiteral(u"SAMPLE CONTRACT ONLY \u2013 Replace with your CONTRACT!"),
        QString(),
        QStringLiteral("ADDITIONAL WORK OR CHARGES"),
        QStringLiteral("Any work not described in the estimate, or any change the customer asks for once work "
                       "has begun, is done only after a written change order signed by the customer and My "
                       "Company Name, and is charged in addition to the estimated price."),
        QStringLiteral("CANCELLATION"),
        QStringLiteral("The customer may cancel this agreement in writing within three business days of signing. "
                       "After that, materials bought for the job and work already done are charged in full."),
        QStringLiteral("TREES AND SHRUBS"),
        QStringLiteral("My Company Name takes reasonable care around plants, but trees, shrubs and flower beds "
                       "next to the work area must be trimmed back by the customer before work starts. We are "
                       "not responsible for plants damaged by ladders, drop cloths or normal foot traffic."),
        QStringLiteral("FOUNDATIONS Foundations, masonry and concrete are not painted or sealed unless the "
                       "estimate lists them by name."),
        QStringLiteral("CUSTOMER SUPPLIED MATERIALS"),
        QStringLiteral("When the customer supplies paint or other materials, My Company Name does not answer "
                       "for their quality, colour, coverage or durability, and extra coats they need are charged."),
        QStringLiteral("WEATHER"),
        QStringLiteral("Exterior work is done only when temperature and humidity allow. Days lost to rain, cold "
                       "or wind move the schedule and do not void this agreement."),
        QStringLiteral("WARRANTY"),
        QStringLiteral("The written warranty of My Company Name, given with this agreement, is the only warranty "
                       "offered. It takes effect once the job has been paid in full."),
        QStringLiteral("ELECTRICAL FIXTURES"),
        QStringLiteral("Cover plates are removed and put back by our crew. Light fixtures, fans and wiring are "
                       "not removed or reinstalled by My Company Name; the customer should hire a licensed "
                       "electrician for that work."),
        QStringLiteral("MOLD"),
        QStringLiteral("Paint does not cure mold or mildew. Surfaces with mold are washed only where the estimate "
                       "says so, and My Company Name is not responsible for mold that returns."),
        QStringLiteral("GUTTERS AND DOWNSPOUTS"),
        QStringLiteral("Gutters and downspouts are painted on their outer face only. Cleaning, repair and "
                       "re-hanging are not included unless listed in the estimate."),
        QStringLiteral("FURNISHINGS"),
        QStringLiteral("The customer moves small items, pictures and valuables before work begins. Heavy "
                       "furniture is moved to the centre of a room and covered by our crew at the customer's risk."),
        QStringLiteral("UNUSED PAINT"),
        QStringLiteral("Paint left over at the end of the job belongs to the customer and is left on the "
                       "premises, labelled with its colour and the room it was used in."),
        QStringLiteral("TRASH"),
        QStringLiteral("My Company Name removes its own trash, empty cans and used materials from the premises "
                       "and leaves the work areas broom clean."),
        QStringLiteral("COMPANY PAYMENT ARRANGEMENTS"),
        QStringLiteral("A deposit is due when this agreement is signed and the balance is due on the day the work "
                       "is completed, unless other terms are written on the estimate. Unpaid balances may carry "
                       "the highest finance charge allowed in My State."),
        QStringLiteral("WALLPAPER REMOVAL"),
        QStringLiteral("Walls under removed wallpaper may need repair or priming that cannot be seen before "
                       "removal. Such work is charged at the rates of the price sheet."),
        QStringLiteral("CONTRACT AGREEMENT"),
        QStringLiteral("This agreement and the estimate it refers to are the whole agreement between the customer "
                       "and My Company Name. Any change must be in writing and signed by both."),
        QString(),
        QStringLiteral("My Company Name is licensed by My State; our contractor licence number is printed on the "
                       "estimate. Please sign and return the estimate before work is scheduled."),
    });
}

QString SampleWarrantyText()
{
    return joinLines({
        QStringLiteral(u"SAMPLE WARRANTY ONLY \u2013 Replace with your WARRANTY!"),
        QString(),
        QStringLiteral("  My Company Name will repair, at no charge for labour, newly applied paint that peels, "
                       "blisters or flakes because of a defect in our workmanship within 90 days of completion "
                       "for exterior work and within 1 year of completion for interior work."),
        QStringLiteral("  This warranty does not cover the cost of paint or other materials; work done with "
                       "materials that My Company Name did not supply; work done by others; surfaces that were "
                       "not sound before painting; or horizontal surfaces such as decks, railings, stairs, "
                       "porches, roofs and wood gutters."),
        QStringLiteral("  To make a claim, tell us in writing within the warranty period. We will inspect the "
                       "work and agree a date for the repair with you."),
        QStringLiteral("  Repair of the affected area is the only remedy under this warranty. My Company Name is "
                       "not liable for any other loss or damage."),
        QStringLiteral("  Defects of the paint itself are covered only by its maker's warranty, which we will "
                       "help you claim."),
        QStringLiteral("  No oral statement by any person extends or changes this warranty."),
        QStringLiteral("  Damage caused by weather, settling, moisture, accidents, abuse or any cause other than "
                       "our workmanship is not covered."),
        QStringLiteral("  This warranty is given to the customer named on the invoice and cannot be transferred."),
        QString(),
        QStringLiteral("This warranty is void if payment must be obtained by legal means."),
    });
}

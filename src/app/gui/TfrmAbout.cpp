#include "app/gui/TfrmAbout.h"

#include "app/AppPaths.h"
#include "app/ShellServices.h"
#include "app/gui/WidgetLook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* titleLabel(QWidget* parent, const QString& text, int pixelSize, const QColor& color)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(AppState& /*state*/, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(305, 337);

    // The grey copy two pixels down and right of the navy one makes the shadow.
    QLabel* shadow = titleLabel(this, QStringLiteral("Morvane"), 27, Qt::gray);
    shadow->setObjectName(QStringLiteral("lblTitleShadow"));
    shadow->move(26, 22);
    QLabel* title = titleLabel(this, QStringLiteral("Morvane"), 27, QColor(0, 0, 128));
    title->setObjectName(QStringLiteral("lblTitle"));
    title->move(24, 20);
    QLabel* software = titleLabel(this, QStringLiteral("Software"), 19, QColor(0, 0, 128));
    software->setObjectName(QStringLiteral("lblSoftware"));
    software->move(24, 20 + title->height());

    lblAuthorWebsite = new QLabel(this);
    lblAuthorWebsite->setObjectName(QStringLiteral("lblAuthorWebsite"));
    QFont linkFont = lblAuthorWebsite->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    lblAuthorWebsite->setFont(linkFont);
    QPalette linkPalette = lblAuthorWebsite->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    lblAuthorWebsite->setPalette(linkPalette);
    lblAuthorWebsite->setCursor(Qt::PointingHandCursor);
    lblAuthorWebsite->installEventFilter(this);
    lblAuthorWebsite->setGeometry(24, software->geometry().bottom() + 14, 257, 20);

    const int boxTop = lblAuthorWebsite->geometry().bottom() + 10;
    txtAboutInfo = new QPlainTextEdit(this);
    txtAboutInfo->setObjectName(QStringLiteral("txtAboutInfo"));
    ShowReadOnly(txtAboutInfo);
    txtAboutInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAboutInfo->setGeometry(24, boxTop, 257, 337 - boxTop - 54);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setGeometry(305 - 24 - 85, 337 - 42, 85, 28);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    pShowFormInformation();
    QDialog::showEvent(event);
    btnOK->setFocus();
}

void TfrmAbout::pShowFormInformation()
{
    const QString company = QLatin1String(kCompanyName);
    setWindowTitle(QStringLiteral("About ") + ProductName());
    btnOK->setToolTip(QStringLiteral("Close"));
    btnOK->setStatusTip(QStringLiteral("Close"));
    lblAuthorWebsite->setText(QStringLiteral("Visit ") + company);
    const QString linkHint = QStringLiteral("Click to visit ") + company + QStringLiteral(" Website.");
    lblAuthorWebsite->setToolTip(linkHint);
    lblAuthorWebsite->setStatusTip(linkHint);
    txtAboutInfo->setPlainText(QStringList{company, QString(), QStringLiteral("Product Information:"),
                                           ProductName(), QStringLiteral("Version ") + VersionText()}
                                   .join(QLatin1Char('\n')));
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblAuthorWebsite && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblAuthorWebsiteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::lblAuthorWebsiteClick()
{
    OpenWebSite();
}

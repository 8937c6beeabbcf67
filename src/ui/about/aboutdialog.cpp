#include "aboutdialog.h"

#include "platform/appinfo.h"
#include "ui/common/appicon.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 4065;
constexpr int kClientHeight = 2880;

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("About ") + kAppTitle);
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));

    const QRect pictureArea = Twips::rect(165, 180, 585, 585);
    QLabel* picture = Controls::label(this, "Picture1", QString(), pictureArea);
    picture->setPixmap(applicationIcon().pixmap(pictureArea.size()));

    QFont bold = Fonts::sansSerif(Fonts::kWindowPoints);
    bold.setBold(true);
    Controls::label(this, "lblTitle", kAppTitle, Twips::rect(1140, 195, 2550, 285))->setFont(bold);
    Controls::label(this, "lblVersion", QStringLiteral("Version ") + kAppVersion,
                    Twips::rect(1155, 495, 1230, 225))
        ->setFont(bold);

    Controls::label(this, "Label1", QStringLiteral("Questions?"), Twips::rect(540, 975, 1425, 270));
    QLabel* description =
        Controls::label(this, "lblDescription",
                        QStringLiteral("Write to the %1 team at\n%2").arg(kAppTitle, kAppContact),
                        Twips::rect(1080, 1215, 2400, 600));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Controls::label(this, "Label2", QStringLiteral("Happy planning!"),
                    Twips::rect(600, 2040, 2205, 210));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Twips::rect(2685, 2370, 1110, 345));
    ok->setDefault(true); // Enter; Escape closes the dialog as well
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

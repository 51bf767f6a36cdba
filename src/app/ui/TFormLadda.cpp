#include "app/ui/TFormLadda.h"

#include "app/ProgramInfo.h"

#include <QLabel>
#include <QVBoxLayout>

TFormLadda::TFormLadda(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("TFormLadda"));
    setWindowTitle(QStringLiteral("Loading"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    LabelProdukt = new QLabel(ProgramInfo::productName(), this);
    QFont big = LabelProdukt->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    LabelProdukt->setFont(big);
    LabelVersion = new QLabel(ProgramInfo::versionLine(), this);
    LabelTabeller = new QLabel(ProgramInfo::foodTableEditions().join(u'\n'), this);
    layout->addWidget(LabelProdukt);
    layout->addWidget(LabelVersion);
    layout->addSpacing(12);
    layout->addWidget(LabelTabeller);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Laddar …"), this));
}

#include "app/About1.h"

#include "app/Emblem.h"
#include "base/DataFolder.h"
#include "base/HINFO1.h"
#include "base/WebLinks.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

About1::About1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About1"));
    setWindowTitle(QStringLiteral("About Tessaly"));
    setModal(true);

    auto* menuBar = new QMenuBar(this);
    QAction* closeAction = menuBar->addAction(QStringLiteral("&OK"));
    closeAction->setObjectName(QStringLiteral("mOK"));
    connect(closeAction, &QAction::triggered, this, &QDialog::accept);

    QLabel* picture = makeEmblemLabel(96, this);
    QLabel* name = makeProductNameLabel(20, this);
    QLabel* version = makeVersionLabel(this);
    auto* description = new QLabel(
        QStringLiteral("A workbook for the HIPAA Security Rule\n(45 CFR 164.308 - 164.316) and its documentation."),
        this);
    description->setObjectName(QStringLiteral("descriptionLabel"));
    auto* webSite = new QLabel(QStringLiteral("Web Site: <a href=\"%1\">%1</a>").arg(WebLinks::kMakerWebSite), this);
    webSite->setObjectName(QStringLiteral("webSiteLabel"));
    webSite->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(webSite, &QLabel::linkActivated, this, [] { WebLinks::openWebPage(WebLinks::kMakerWebSite); });
    // Installed for several users, each has a workbook folder of their own: say which one this is.
    auto* workbookFolder =
        new QLabel(QStringLiteral("Workbook folder: %1").arg(QDir::toNativeSeparators(DataFolder::root())), this);
    workbookFolder->setObjectName(QStringLiteral("workbookFolderLabel"));
    workbookFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(picture, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(description, 2, 1);
    layout->addWidget(webSite, 3, 1);
    layout->addWidget(workbookFolder, 4, 1);
    layout->addWidget(okButton, 5, 1, Qt::AlignRight);
}

void About1::showAbout(QWidget* parent)
{
    About1 about(parent);
    about.adjustSize();
    const HINFO1::State& s = HINFO1::state();
    const int width = s.startScreenWidth / HINFO1::kTwipsPerPixel;
    const int height = s.startScreenHeight / HINFO1::kTwipsPerPixel;
    if (parent && width > 0 && height > 0) {
        const QPoint origin = parent->window()->geometry().topLeft();
        about.move(origin.x() + (width - about.width()) / 2, origin.y() + (height - about.height()) / 2);
    }
    about.exec();
}

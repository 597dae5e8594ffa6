#include "app/Splash1.h"

#include "app/Emblem.h"
#include "app/HINFO1.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

Splash1::Splash1(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash1"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(245, 247, 252));
    setPalette(pal);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("splashPicture"));
    picture->setPixmap(drawEmblem(128));
    picture->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("Tessaly"), this);
    name->setObjectName(QStringLiteral("productNameLabel"));
    QFont big = name->font();
    big.setPointSize(28);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(QStringLiteral("HIPAA Security Rule workbook"), this);
    subtitle->setObjectName(QStringLiteral("subtitleLabel"));
    subtitle->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version 6.0a"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    setFixedSize(420, 320);
}

void Splash1::showForAWhile()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    show();
    QCoreApplication::processEvents();
    HINFO1::pauseTwoSeconds();
    HINFO1::pauseTwoSeconds();
    QCoreApplication::processEvents();
    close();
}

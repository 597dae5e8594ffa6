#include "app/Splash1.h"

#include "app/Emblem.h"
#include "base/HINFO1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

Splash1::Splash1(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash1"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(245, 247, 252));
    setPalette(pal);

    QLabel* picture = makeEmblemLabel(128, this);
    picture->setAlignment(Qt::AlignCenter);
    QLabel* name = makeProductNameLabel(28, this);
    name->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(QStringLiteral("HIPAA Security Rule workbook"), this);
    subtitle->setObjectName(QStringLiteral("subtitleLabel"));
    subtitle->setAlignment(Qt::AlignCenter);
    QLabel* version = makeVersionLabel(this);
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
    // The pause must not sit on an unpainted window: wait until the window system shows
    // the splash, then paint it at once.
    QElapsedTimer shown;
    shown.start();
    while (windowHandle() && !windowHandle()->isExposed() && shown.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    HINFO1::pauseTwoSeconds();
    HINFO1::pauseTwoSeconds();
    QCoreApplication::processEvents();
    close();
}

#include "app/Startfrm.h"

#include "app/About1.h"
#include "app/DialogSeams.h"
#include "app/Emblem.h"
#include "app/Splash1.h"
#include "base/DataFolder.h"
#include "base/DisplaySettings.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/OptionsPopup.h"
#include "base/ProgramEnd.h"
#include "base/WorkScreenMenus.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kPanelLift = 400 / HINFO1::kTwipsPerPixel; // the panel sits 400 twips above the centre
constexpr int kMinScreenWidthTwips = 9945;
constexpr int kMinScreenHeightTwips = 7590;
constexpr int kSmallerWidthTwips = 12000;
constexpr int kSmallerHeightTwips = 9000;

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(36);
    return button;
}

} // namespace

Startfrm::Startfrm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Startfrm"));
    setWindowTitle(QStringLiteral("Tessaly - Start Screen"));
    buildControls();
    buildMenus();
    loadScreen();
}

Startfrm::~Startfrm() = default;

void Startfrm::buildControls()
{
    auto* background = new QWidget(this);
    background->setObjectName(QStringLiteral("startBackground"));
    background->setAutoFillBackground(true);
    setCentralWidget(background);

    m_titleLabel = new QLabel(QStringLiteral("Tessaly"), background);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = m_titleLabel->font();
    titleFont.setPointSize(36);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->adjustSize();
    m_titleLabel->move(24, 16);

    m_picture = new QLabel(background);
    m_picture->setObjectName(QStringLiteral("startPicture"));
    m_picture->setPixmap(drawEmblem(96));
    m_picture->adjustSize();

    m_centralPanel = new QFrame(background);
    m_centralPanel->setObjectName(QStringLiteral("centralPanel"));
    m_centralPanel->setFrameShape(QFrame::StyledPanel);
    m_centralPanel->setAutoFillBackground(true);
    auto* panelLayout = new QVBoxLayout(m_centralPanel);
    panelLayout->setContentsMargins(24, 24, 24, 24);
    panelLayout->setSpacing(12);
    m_fullScreenButton =
        makeButton(QStringLiteral("&Full Screen Display"), QStringLiteral("fullScreenButton"), m_centralPanel);
    m_smallerScreenButton =
        makeButton(QStringLiteral("&Smaller Screen Display"), QStringLiteral("smallerScreenButton"), m_centralPanel);
    m_beginButton =
        makeButton(QStringLiteral("&Click Here to Begin Program"), QStringLiteral("beginButton"), m_centralPanel);
    panelLayout->addWidget(m_fullScreenButton);
    panelLayout->addWidget(m_smallerScreenButton);
    panelLayout->addWidget(m_beginButton);
    m_centralPanel->setFixedSize(320, 180);
    connect(m_fullScreenButton, &QPushButton::clicked, this, &Startfrm::switchToFullScreen);
    connect(m_smallerScreenButton, &QPushButton::clicked, this, &Startfrm::switchToSmallerScreen);
    connect(m_beginButton, &QPushButton::clicked, this, &Startfrm::beginProgram);

    // Its background is the system's window colour: the "Def" background reads it here.
    m_systemColourLabel = new QLabel(background);
    m_systemColourLabel->setObjectName(QStringLiteral("systemColourLabel"));
    m_systemColourLabel->setAutoFillBackground(true);
    m_systemColourLabel->hide();
}

void Startfrm::buildMenus()
{
    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mOptions"));
    auto* popup = new OptionsPopup(m_optionsMenu, this);
    popup->watch({centralWidget(), m_titleLabel, m_picture, m_systemColourLabel, m_centralPanel, m_fullScreenButton,
                  m_smallerScreenButton, m_beginButton});
    QAction* background = m_optionsMenu->addAction(QStringLiteral("&Background Color"));
    background->setObjectName(QStringLiteral("mOBackColor"));
    connect(background, &QAction::triggered, this, &Startfrm::chooseBackgroundColour);
    QMenu* display = m_optionsMenu->addMenu(QStringLiteral("&Program Display"));
    display->setObjectName(QStringLiteral("mOProgDisp"));
    m_fullScreenAction = display->addAction(QStringLiteral("&Full Screen Display"));
    m_fullScreenAction->setObjectName(QStringLiteral("mOPDFull"));
    m_fullScreenAction->setCheckable(true);
    m_smallerScreenAction = display->addAction(QStringLiteral("&Smaller Screen Display"));
    m_smallerScreenAction->setObjectName(QStringLiteral("mOPDSmall"));
    m_smallerScreenAction->setCheckable(true);
    // The switches decide the check marks themselves.
    connect(m_fullScreenAction, &QAction::triggered, this, [this] {
        m_fullScreenAction->setChecked(!m_fullScreenAction->isChecked());
        switchToFullScreen();
    });
    connect(m_smallerScreenAction, &QAction::triggered, this, [this] {
        m_smallerScreenAction->setChecked(!m_smallerScreenAction->isChecked());
        switchToSmallerScreen();
    });
    m_optionsMenu->addSeparator();
    QAction* begin = m_optionsMenu->addAction(QStringLiteral("&Begin Program"));
    begin->setObjectName(QStringLiteral("mOBegin"));
    connect(begin, &QAction::triggered, this, &Startfrm::beginProgram);
    m_optionsMenu->addSeparator();
    QAction* exitAction = m_optionsMenu->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("mOExit"));
    connect(exitAction, &QAction::triggered, this, &Startfrm::close);

    WorkScreenMenus::addUtilitiesMenu(menuBar(), QStringLiteral("Utilities"), this);
    WorkScreenMenus::addHelpMenu(menuBar(), this, QString(), 0);
}

QColor Startfrm::backgroundColour() const
{
    return centralWidget()->palette().color(QPalette::Window);
}

void Startfrm::loadScreen()
{
    m_loading = true;
    DataFolder::makeCurrent();
    HINFO1::busyOn();
    m_centralPanel->hide();

    HINFO1::State& s = HINFO1::state();
    if (DisplaySettings::readDisplayMode() == HINFO1::SmallerScreenDisplay) {
        s.displayMode = HINFO1::SmallerScreenDisplay;
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    } else {
        s.displayMode = HINFO1::FullScreenDisplay;
        // Without a window manager "maximized" alone would leave the window at its
        // smallest size: give it the whole screen area as well.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    QCoreApplication::processEvents();

    applyWindowSize();
    storeScreenSize();

    if (s.splashShown != 99) {
        Splash1 splash;
        splash.showForAWhile();
        QCoreApplication::processEvents();
        s.splashShown = 99;
    }

    applyBackgroundColour();
    setDisplayChecks();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    HINFO1::busyOff();
    m_loading = false;
}

bool Startfrm::screenIsTooSmall(const QSize& area)
{
    return area.width() * HINFO1::kTwipsPerPixel < kMinScreenWidthTwips ||
           area.height() * HINFO1::kTwipsPerPixel < kMinScreenHeightTwips;
}

void Startfrm::applyWindowSize()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    if (screenIsTooSmall(area.size())) {
        Messages::show(this,
                       QStringLiteral("Monitor Resolution Settings (Screen Area) and Program Size requirements are at "
                                      "least 800 by 600 or Higher.\rIf you do not set your screen resolution to this "
                                      "setting or higher this program will not function properly!"),
                       QStringLiteral("Program Display Option"), Messages::Buttons::Ok, Messages::Icon::Information);
        switchToFullScreen();
        return;
    }
    if (HINFO1::state().displayMode == HINFO1::SmallerScreenDisplay) {
        setWindowState(Qt::WindowNoState);
        const QSize size(kSmallerWidthTwips / HINFO1::kTwipsPerPixel, kSmallerHeightTwips / HINFO1::kTwipsPerPixel);
        resize(size);
        move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    }
}

void Startfrm::storeScreenSize()
{
    HINFO1::State& s = HINFO1::state();
    const QSize outer = frameGeometry().size();
    s.startScreenWidth = outer.width() * HINFO1::kTwipsPerPixel;
    s.startScreenHeight = outer.height() * HINFO1::kTwipsPerPixel;
}

void Startfrm::applyBackgroundColour()
{
    const DisplaySettings::Background stored = DisplaySettings::readBackground();
    HINFO1::State& s = HINFO1::state();
    s.backgroundIsSystemDefault = stored.systemDefault;
    s.backgroundColour = stored.systemDefault ? QApplication::palette().color(QPalette::Window) : stored.colour;
    m_systemColourLabel->setPalette(QApplication::palette());
    QPalette pal = centralWidget()->palette();
    pal.setColor(QPalette::Window, s.backgroundColour);
    centralWidget()->setPalette(pal);
    // The title stays readable on any background: white on dark colours, black on light ones.
    QPalette title = m_titleLabel->palette();
    const QColor& c = s.backgroundColour;
    const double luminance = 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
    title.setColor(QPalette::WindowText, luminance < 0.5 ? Qt::white : Qt::black);
    m_titleLabel->setPalette(title);
}

void Startfrm::setDisplayChecks()
{
    // The display in use is checked, and greyed with its button: choosing it again would do nothing.
    const bool smaller = HINFO1::state().displayMode == HINFO1::SmallerScreenDisplay;
    m_smallerScreenAction->setChecked(smaller);
    m_fullScreenAction->setChecked(!smaller);
    m_smallerScreenAction->setEnabled(!smaller);
    m_fullScreenAction->setEnabled(smaller);
    m_smallerScreenButton->setEnabled(!smaller);
    m_fullScreenButton->setEnabled(smaller);
}

void Startfrm::activate()
{
    HINFO1::busyOn();
    keepDisplayModeInStepWithWindow();
    storeScreenSize();
    DataFolder::makeCurrent();
    QCoreApplication::processEvents();
    HINFO1::busyOff();
    placeCentralPanel();
    QCoreApplication::processEvents();
    m_centralPanel->show();
    HINFO1::busyOff();
    DataFolder::makeCurrent();
    HINFO1::showReferenceDocuments();
    applyBackgroundColour();
    m_beginButton->setFocus();
}

void Startfrm::keepDisplayModeInStepWithWindow()
{
    const short mode = HINFO1::state().displayMode;
    const bool maximized = windowState() & Qt::WindowMaximized;
    if (!maximized && mode == HINFO1::FullScreenDisplay)
        switchToSmallerScreen();
    else if (maximized && mode == HINFO1::SmallerScreenDisplay)
        switchToFullScreen();
}

void Startfrm::placeCentralPanel()
{
    const QSize area = centralWidget()->size();
    m_centralPanel->move(area.width() / 2 - m_centralPanel->width() / 2,
                         area.height() / 2 - m_centralPanel->height() / 2 - kPanelLift);
    m_picture->move(area.width() - m_picture->width() - 24, 16);
}

void Startfrm::switchToFullScreen()
{
    switchDisplayMode(HINFO1::FullScreenDisplay);
}

void Startfrm::switchToSmallerScreen()
{
    switchDisplayMode(HINFO1::SmallerScreenDisplay);
}

void Startfrm::switchDisplayMode(short mode)
{
    if (HINFO1::state().displayMode == mode)
        return;
    const bool smaller = mode == HINFO1::SmallerScreenDisplay;
    DisplaySettings::writeDisplayMode(smaller ? HINFO1::SmallerScreenDisplay : HINFO1::FullScreenDisplay);
    QCoreApplication::processEvents();
    loadScreen();
    QCoreApplication::processEvents();
    placeCentralPanel();
    // The screen is already the active window: bring its buttons back at once.
    if (isVisible())
        m_centralPanel->show();
}

void Startfrm::chooseBackgroundColour()
{
    const Messages::Answer answer = Messages::show(
        this,
        QStringLiteral(
            "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\rNo = "
            "Current System Default Color will be selected."),
        QStringLiteral("Background Color"), Messages::Buttons::YesNoCancel, Messages::Icon::Information);
    if (answer == Messages::Answer::Cancel)
        return;
    if (answer == Messages::Answer::No) {
        DisplaySettings::writeBackgroundSystemDefault();
    } else {
        const std::optional<QColor> chosen = DialogSeams::colourChooser()(backgroundColour(), this);
        if (!chosen)
            return;
        DisplaySettings::writeBackgroundColour(*chosen);
    }
    applyBackgroundColour();
}

void Startfrm::beginProgram()
{
    emit beginRequested();
}

void Startfrm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_loading)
        activate();
    // Maximizing or restoring the window switches the display mode, also when the restored
    // window happens to keep its size and so sees no resize.
    if (event->type() == QEvent::WindowStateChange && !m_loading && isVisible())
        keepDisplayModeInStepWithWindow();
}

void Startfrm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_loading || !isVisible())
        return;
    keepDisplayModeInStepWithWindow();
    storeScreenSize();
}

void Startfrm::closeEvent(QCloseEvent* event)
{
    event->accept();
    ProgramEnd::endProgram();
}

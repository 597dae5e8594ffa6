#include "backup/Backup1.h"

#include "backup/BackupDrives.h"
#include "backup/BackupRun.h"
#include "backup/BackupSet.h"
#include "backup/FolderMedium.h"
#include "backup/RestoreRun.h"
#include "base/Clock.h"
#include "base/HINFO1.h"
#include "base/Messages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString kUserFiles = QStringLiteral("User Created Files");

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

Backup1::Backup1(QWidget* parent) : QDialog(parent), m_mode(Mode(HINFO1::state().backupRestoreMode))
{
    setObjectName(QStringLiteral("Backup1"));
    setModal(true);
    setWindowTitle(QStringLiteral("Backup Recipes to Disk Utility"));
    buildControls();
    setTexts();
    fillDrives();
    placeOverStartScreen();
}

void Backup1::open(Mode mode, QWidget* parent)
{
    HINFO1::state().backupRestoreMode = mode;
    Backup1 screen(parent);
    screen.exec();
    HINFO1::busyOff();
}

void Backup1::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    buildMenu(layout);
    m_instructionLabel = new QLabel(this);
    m_instructionLabel->setObjectName(QStringLiteral("instructionLabel"));
    m_instructionLabel->setWordWrap(true);
    layout->addWidget(m_instructionLabel);

    auto* grid = new QGridLayout;
    auto* drivesCaption = new QLabel(QStringLiteral("Drives:"), this);
    m_drivesList = new QComboBox(this);
    m_drivesList->setObjectName(QStringLiteral("drivesList"));
    drivesCaption->setBuddy(m_drivesList);
    auto* foldersCaption = new QLabel(QStringLiteral("Folders:"), this);
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_foldersList = new QTreeView(this);
    m_foldersList->setObjectName(QStringLiteral("foldersList"));
    m_foldersList->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_foldersList->hideColumn(column);
    m_foldersList->header()->hide();
    foldersCaption->setBuddy(m_foldersList);
    auto* pathCaption = new QLabel(QStringLiteral("Path:"), this);
    m_pathLabel = new QLabel(this);
    m_pathLabel->setObjectName(QStringLiteral("pathLabel"));
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(drivesCaption, 0, 0);
    grid->addWidget(m_drivesList, 0, 1);
    grid->addWidget(foldersCaption, 1, 0, Qt::AlignTop);
    grid->addWidget(m_foldersList, 1, 1);
    grid->addWidget(pathCaption, 2, 0);
    grid->addWidget(m_pathLabel, 2, 1);
    layout->addLayout(grid, 1);

    m_noteLabel = new QLabel(QStringLiteral("PLEASE NOTE: If you have a entered a large amount of data and you are "
                                            "backing up to Floppy Disks, a couple disks may be needed and the backup "
                                            "could take several minutes to complete!"),
                             this);
    m_noteLabel->setObjectName(QStringLiteral("noteLabel"));
    m_noteLabel->setWordWrap(true);
    layout->addWidget(m_noteLabel);
    m_statusPanel = new QLabel(QStringLiteral("Making Backup Disk(s)"), this);
    m_statusPanel->setObjectName(QStringLiteral("statusPanel"));
    m_statusPanel->setFrameShape(QFrame::Panel);
    m_statusPanel->setFrameShadow(QFrame::Sunken);
    m_statusPanel->setAlignment(Qt::AlignCenter);
    m_statusPanel->hide();
    layout->addWidget(m_statusPanel);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, BackupSet::kProgressMaximum);
    m_progressBar->hide();
    layout->addWidget(m_progressBar);

    auto* buttons = new QHBoxLayout;
    m_startButton = new QPushButton(QStringLiteral("&Make Backup"), this);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setAutoDefault(false);
    m_exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    m_exitButton->setObjectName(QStringLiteral("exitButton"));
    m_exitButton->setAutoDefault(false);
    buttons->addWidget(m_startButton);
    buttons->addStretch();
    buttons->addWidget(m_exitButton);
    layout->addLayout(buttons);

    connect(m_drivesList, QOverload<int>::of(&QComboBox::activated), this, &Backup1::chooseDrive);
    // The path follows the current folder however it became current: a click, the arrow keys, typing.
    connect(m_foldersList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid())
                    chooseFolder(m_folders->filePath(index));
            });
    connect(m_startButton, &QPushButton::clicked, this, &Backup1::start);
    connect(m_exitButton, &QPushButton::clicked, this, &Backup1::reject);
}

void Backup1::buildMenu(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mOptions"));
    m_makeBackupAction = options->addAction(QStringLiteral("&Make Backup Disk"));
    m_makeBackupAction->setObjectName(QStringLiteral("mOMake"));
    m_restoreAction = options->addAction(QStringLiteral("&Restore Files from Disk"));
    m_restoreAction->setObjectName(QStringLiteral("mORest"));
    options->addSeparator();
    QAction* exitAction = options->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("mOExit"));
    connect(m_makeBackupAction, &QAction::triggered, this, [this] {
        if (m_mode == BackupMode)
            start();
    });
    connect(m_restoreAction, &QAction::triggered, this, [this] {
        if (m_mode == RestoreMode)
            start();
    });
    connect(exitAction, &QAction::triggered, this, &Backup1::reject);
    layout->setMenuBar(bar);
}

void Backup1::setTexts()
{
    if (m_mode == BackupMode) {
        setWindowTitle(QStringLiteral("Backup ") + kUserFiles);
        m_instructionLabel->setText(
            QStringLiteral("This utility allows you to make a backup disk(s) of the ") + kUserFiles +
            QStringLiteral(" contained within this program.  To make the backup disk(s), first insert a blank "
                           "formatted disk in Drive a: or select location for backup, then select Drive or location "
                           "from the Drives and or Folders lists below, then Click the &Make Backup Button and "
                           "follow directions as they appear."));
        return;
    }
    setWindowTitle(QStringLiteral("Restore ") + kUserFiles + QStringLiteral(" from Backup Media"));
    m_instructionLabel->setText(
        QStringLiteral("Restore ") + kUserFiles + QStringLiteral(" from backup media to Tessaly.\n") +
        QStringLiteral("CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING ") + kUserFiles.toUpper() +
        QStringLiteral(" IN THE PROGRAM AND THEN RESTORE FILES.\n") +
        QStringLiteral("To restore, first place backup disk in Drive a: or select backup files location, then select "
                       "Drive and or folder from the Drive/Folders lists below, then Click &Restore ") +
        kUserFiles + QStringLiteral(" Button and follow directions as they appear."));
    m_startButton->setText(QStringLiteral("&Restore ") + kUserFiles);
    m_statusPanel->setText(QStringLiteral("Restoring User Created Files"));
}

void Backup1::placeOverStartScreen()
{
    const HINFO1::State& s = HINFO1::state();
    const int width = s.startScreenWidth / HINFO1::kTwipsPerPixel;
    const int height = s.startScreenHeight / HINFO1::kTwipsPerPixel;
    if (s.displayMode == HINFO1::FullScreenDisplay && width > 0 && height > 0)
        resize(qRound(width * 0.6), qRound(height * 0.712));
    else
        resize(640, 520);
    if (parentWidget() && width > 0 && height > 0) {
        const QPoint origin = parentWidget()->window()->geometry().topLeft();
        move(origin.x() + width / 2 - this->width() / 2, origin.y() + height / 2 - this->height() / 2);
    }
}

void Backup1::fillDrives()
{
    const QList<BackupDrives::Drive> drives = BackupDrives::list();
    for (const BackupDrives::Drive& drive : drives)
        m_drivesList->addItem(drive.label, drive.rootPath);
    chooseDrive(0);
}

void Backup1::chooseDrive(int index)
{
    QString root = m_drivesList->itemData(index).toString();
    if (!BackupDrives::isReady(root)) {
        Messages::show(this, QStringLiteral("Device/Drive is Unavailable!"), QStringLiteral("Device/Drive Error"),
                       Messages::Buttons::Ok, Messages::Icon::Stop);
        chooseDefaultDrive();
        return;
    }
    m_drivesList->setCurrentIndex(index);
    m_folders->setRootPath(root);
    m_foldersList->setRootIndex(m_folders->index(root));
    chooseFolder(root);
}

void Backup1::chooseFolder(const QString& folder)
{
    m_path = withSlash(folder);
    m_pathLabel->setText(m_path);
    const QModelIndex index = m_folders->index(folder);
    if (index.isValid())
        m_foldersList->setCurrentIndex(index);
    updateStart();
}

void Backup1::updateStart()
{
    // The program folder is never a backup's target nor a restore's source.
    const bool usable = !m_running && !m_spent && !BackupDrives::isProgramFolder(m_path);
    m_startButton->setEnabled(usable);
    m_makeBackupAction->setEnabled(usable && m_mode == BackupMode);
    m_restoreAction->setEnabled(usable && m_mode == RestoreMode);
}

void Backup1::start()
{
    if (!m_startButton->isEnabled())
        return;
    m_running = true;
    updateStart();
    FolderMedium medium(m_path, [this](const Prompt& prompt) { return ask(prompt); });
    if (m_mode == BackupMode) {
        BackupRun(medium, *this).makeBackup(m_pathLabel->text());
    } else {
        RestoreRun(medium, *this).run(Clock::now());
    }
    m_running = false;
    updateStart();
}

Messages::Answer Backup1::ask(const Prompt& prompt)
{
    if (prompt.defaultAnswer)
        return Messages::show(this, prompt.text, prompt.title, prompt.buttons, prompt.icon, *prompt.defaultAnswer);
    return Messages::show(this, prompt.text, prompt.title, prompt.buttons, prompt.icon);
}

void Backup1::setStatus(const QString& text)
{
    m_statusPanel->setText(text);
}

void Backup1::setStatusVisible(bool visible)
{
    m_statusPanel->setVisible(visible);
}

void Backup1::setNoteVisible(bool visible)
{
    m_noteLabel->setVisible(visible);
}

void Backup1::setProgress(int value)
{
    m_progressBar->setValue(qMin(value, BackupSet::kProgressMaximum));
    // Events are processed only at the run's named steps; the bar still shows every item.
    if (m_progressBar->isVisible())
        m_progressBar->repaint();
}

void Backup1::setProgressVisible(bool visible)
{
    m_progressBar->setVisible(visible);
}

void Backup1::processEvents()
{
    // Repaints only: the run must not be started again nor the screen closed under it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Backup1::pauseTwoSeconds()
{
    HINFO1::pauseTwoSeconds();
}

void Backup1::setBusy(bool busy)
{
    if (busy)
        HINFO1::busyOn();
    else
        HINFO1::busyOff();
}

void Backup1::chooseDefaultDrive()
{
    const int home = m_drivesList->count() - 1;
    m_drivesList->setCurrentIndex(home);
    const QString root = m_drivesList->itemData(home).toString();
    m_folders->setRootPath(root);
    m_foldersList->setRootIndex(m_folders->index(root));
    chooseFolder(root);
}

void Backup1::disableStart()
{
    m_spent = true;
    updateStart();
}

void Backup1::reject()
{
    if (!m_running)
        QDialog::reject();
}

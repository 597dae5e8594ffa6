// The backup and restore screen: modal, in backup mode or restore mode, with the drives and
// folders to choose from, the status panel and the progress bar of a run.
#pragma once

#include "backup/RunView.h"

#include <QDialog>

class QAction;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeView;

class Backup1 : public QDialog, public RunView
{
    Q_OBJECT
public:
    enum Mode : short
    {
        BackupMode = 0,
        RestoreMode = 1
    };

    // Opens the screen in the program-wide backup/restore mode.
    explicit Backup1(QWidget* parent = nullptr);

    // Sets the mode, shows the screen modally, then turns the busy cursor off.
    static void open(Mode mode, QWidget* parent);

    Mode mode() const { return m_mode; }
    // The chosen folder, ending with "/".
    QString path() const { return m_path; }
    void chooseDrive(int index);
    void chooseFolder(const QString& folder);
    // The start button: Make Backup or the restore, as the mode says.
    void start();

    // RunView
    Messages::Answer ask(const Prompt& prompt) override;
    void setStatus(const QString& text) override;
    void setStatusVisible(bool visible) override;
    void setNoteVisible(bool visible) override;
    void setProgress(int value) override;
    void setProgressVisible(bool visible) override;
    void processEvents() override;
    void pauseTwoSeconds() override;
    void setBusy(bool busy) override;
    void chooseDefaultDrive() override;
    void disableStart() override;

    // Closing waits until a run has finished.
    void reject() override;

private:
    void buildControls();
    void buildMenu(class QVBoxLayout* layout);
    void setTexts();
    void placeOverStartScreen();
    void fillDrives();
    void updateStart();

    Mode m_mode;
    QString m_path;
    bool m_running = false;
    bool m_spent = false; // a run has used the screen up
    QComboBox* m_drivesList = nullptr;
    QTreeView* m_foldersList = nullptr;
    QFileSystemModel* m_folders = nullptr;
    QLabel* m_pathLabel = nullptr;
    QLabel* m_instructionLabel = nullptr;
    QLabel* m_noteLabel = nullptr;
    QLabel* m_statusPanel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QAction* m_makeBackupAction = nullptr;
    QAction* m_restoreAction = nullptr;
};

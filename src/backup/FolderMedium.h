// A backup medium that is a folder of the file system: a mounted removable disk or any folder.
#pragma once

#include "backup/Medium.h"

#include <QHash>
#include <functional>
#include <optional>

class FolderMedium : public Medium
{
public:
    using Asker = std::function<Messages::Answer(const Prompt&)>;

    // ask shows a disk prompt to the user while the disk is changed by hand.
    FolderMedium(const QString& folder, Asker ask);

    QString location() const override;
    bool write(const QString& name, const QByteArray& bytes) override;
    bool read(const QString& name, QByteArray* bytes) const override;
    bool remove(const QString& name) override;
    bool flush() override;
    QStringList files(const QString& suffix) const override;
    qint64 freeSpace() const override;
    qint64 blockSize() const override;
    Messages::Answer askForDisk(const Prompt& prompt) override;

private:
    QString existingPath(const QString& name) const;
    // The names in the folder by their lower-case spelling, listed once per disk.
    QHash<QString, QString>& namesOnDisk() const;

    QString m_folder;
    Asker m_ask;
    mutable std::optional<QHash<QString, QString>> m_names;
};

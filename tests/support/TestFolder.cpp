#include "TestFolder.h"

#include "base/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder(bool withShippedFiles)
{
    if (withShippedFiles) {
        const QDir program(QStringLiteral(TESSALY_PROGRAM_DIR));
        const QFileInfoList entries = program.entryInfoList(QDir::Files);
        for (const QFileInfo& info : entries) {
            if (!info.isExecutable())
                QFile::copy(info.absoluteFilePath(), m_dir.filePath(info.fileName()));
        }
    }
    DataFolder::setRoot(m_dir.path());
}

TestFolder::~TestFolder()
{
    QDir::setCurrent(QDir::tempPath());
}

QString TestFolder::filePath(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A private program folder for one test: a temporary copy of the built program folder.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TestFolder
{
public:
    // Copies the shipped documents of the built program folder (not the executable)
    // into a new temporary folder and makes it the program's DataFolder.
    explicit TestFolder(bool withShippedFiles = true);
    ~TestFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

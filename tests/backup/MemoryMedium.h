// A backup medium in memory standing for a row of disks: a disk can fill after so many bytes of
// backup files, read back other bytes than were written, and be changed at a disk prompt.
#pragma once

#include "backup/Medium.h"
#include "backup/RunView.h"

#include <QList>
#include <QMap>

struct Disk
{
    QMap<QString, QByteArray> files; // keyed by lower-case name, as a FAT disk matches names
    qint64 backupBytesAllowed = -1;  // -1: no limit
    qint64 capacity = 1 << 30;
    qint64 block = 1; // the unit space is allotted in
};

class MemoryMedium : public Medium
{
public:
    // What the user does at the next disk prompt: answers, having put disk `disk` in (or left it).
    struct Step
    {
        Messages::Answer answer;
        int disk;
    };

    QList<Disk> disks{Disk()};
    Disk blankDisk; // what a disk put in at a prompt starts as
    int current = 0;
    bool corruptReadBack = false;
    // After this many backup files are written the disk is pulled out: what it held is gone,
    // and later writes land in the empty folder left behind. -1: never.
    int pullOutAfter = -1;
    QList<Step> steps;
    QStringList prompts;

    Disk& disk() { return disks[current]; }

    QString location() const override { return QStringLiteral("/media/test/"); }
    bool write(const QString& name, const QByteArray& bytes) override
    {
        Disk& d = disk();
        const bool backupFile = name.endsWith(QLatin1String(".hb1"), Qt::CaseInsensitive);
        if (backupFile && d.backupBytesAllowed >= 0 && used(true) + bytes.size() > d.backupBytesAllowed)
            return false;
        if (used(false) - d.files.value(name.toLower()).size() + bytes.size() > d.capacity)
            return false;
        if (backupFile && pullOutAfter >= 0 && pullOutAfter-- == 0)
            d.files.clear();
        d.files.insert(name.toLower(), bytes);
        return true;
    }
    bool read(const QString& name, QByteArray* bytes) const override
    {
        const Disk& d = disks.at(current);
        if (!d.files.contains(name.toLower()))
            return false;
        *bytes = d.files.value(name.toLower());
        if (corruptReadBack && !bytes->isEmpty())
            (*bytes)[0] = char(~bytes->at(0));
        return true;
    }
    bool remove(const QString& name) override { return disk().files.remove(name.toLower()) >= 0; }
    bool flush() override { return true; }
    QStringList files(const QString& suffix) const override
    {
        QStringList names;
        for (const QString& name : disks.at(current).files.keys())
            if (name.endsWith(suffix.toLower()))
                names << name;
        return names;
    }
    qint64 freeSpace() const override { return disks.at(current).capacity - used(false); }
    qint64 blockSize() const override { return disks.at(current).block; }
    Messages::Answer askForDisk(const Prompt& prompt) override
    {
        prompts << prompt.text;
        const Step step = steps.isEmpty() ? Step{Messages::Answer::Cancel, current} : steps.takeFirst();
        while (disks.size() <= step.disk)
            disks.append(blankDisk);
        current = step.disk;
        return step.answer;
    }

private:
    qint64 used(bool backupFilesOnly) const
    {
        qint64 total = 0;
        const Disk& d = disks.at(current);
        for (auto it = d.files.cbegin(); it != d.files.cend(); ++it)
            if (!backupFilesOnly || it.key().endsWith(QLatin1String(".hb1")))
                total += it.value().size();
        return total;
    }
};

// Records what a run shows and answers its questions from a queue (Yes to the first question).
class RecordingView : public RunView
{
public:
    QList<Messages::Answer> answers{Messages::Answer::Yes};
    QList<Prompt> asked;
    QString status;

    Messages::Answer ask(const Prompt& prompt) override
    {
        asked << prompt;
        return answers.isEmpty() ? Messages::Answer::Ok : answers.takeFirst();
    }
    void setStatus(const QString& text) override { status = text; }
};

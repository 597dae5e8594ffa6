// A place a backup set is written to and read from: a folder on a removable disk, a network
// share or, in tests, a stand-in. Every copy of the backup and the restore goes through here.
#pragma once

#include "base/MessageKinds.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A question the user answers with one of the buttons.
struct Prompt
{
    Prompt() = default;
    Prompt(QString text, QString title, Messages::Buttons buttons = Messages::Buttons::Ok,
           Messages::Icon icon = Messages::Icon::Information, std::optional<Messages::Answer> defaultAnswer = {})
        : text(std::move(text)), title(std::move(title)), buttons(buttons), icon(icon), defaultAnswer(defaultAnswer)
    {
    }

    QString text; // CR line breaks
    QString title;
    Messages::Buttons buttons = Messages::Buttons::Ok;
    Messages::Icon icon = Messages::Icon::Information;
    // The answer Enter gives; without one, the message layer's default for the buttons.
    std::optional<Messages::Answer> defaultAnswer;
};

class Medium
{
public:
    virtual ~Medium() = default;

    // The folder as the user sees it, ending with "/".
    virtual QString location() const = 0;

    // Writes a whole file in place of any file of that name; either all of it is written or
    // the medium is left as it was. The file may reach the medium itself only at flush().
    virtual bool write(const QString& name, const QByteArray& bytes) = 0;
    // Reads a whole file, found whatever the letter case of its name. False when it is
    // missing or cannot be read.
    virtual bool read(const QString& name, QByteArray* bytes) const = 0;
    virtual bool remove(const QString& name) = 0;
    // Waits until everything written is on the medium itself.
    virtual bool flush() = 0;
    // The names of the files whose names end with suffix, whatever their letter case.
    virtual QStringList files(const QString& suffix) const = 0;

    // Bytes a new file may still take, and the unit the medium allots space in.
    virtual qint64 freeSpace() const = 0;
    virtual qint64 blockSize() const = 0;

    // Asks the user to put another disk in; the disk in the drive may be different afterwards.
    virtual Messages::Answer askForDisk(const Prompt& prompt) = 0;
};

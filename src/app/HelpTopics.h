// The topics of the help file: each heading of the document, with the context number that
// the line under it names. The context lines are for the program, not the reader: they are
// taken out of the document as the topics are listed.
#pragma once

#include <QList>
#include <QString>

class QTextDocument;

struct HelpTopic
{
    QString title;
    int position = 0; // where the heading starts in the document
    int context = 0;  // 0 for a topic that no screen opens directly
};

QList<HelpTopic> takeHelpTopics(QTextDocument* document);

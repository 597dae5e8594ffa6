#include "app/HelpTopics.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Topic headings are the document's second level: larger than body text, smaller than its title.
constexpr double kTopicPointSize = 18.0;

bool isTopicHeading(const QTextBlock& block)
{
    QTextCursor at(block);
    at.movePosition(QTextCursor::NextCharacter);
    return !block.text().trimmed().isEmpty() && qFuzzyCompare(at.charFormat().fontPointSize(), kTopicPointSize);
}

} // namespace

QList<HelpTopic> takeHelpTopics(QTextDocument* document)
{
    static const QRegularExpression contextLine(QStringLiteral("^\\s*Help context (\\d+)\\s*$"));
    QList<HelpTopic> topics;
    QTextBlock block = document->begin();
    while (block.isValid()) {
        const QRegularExpressionMatch match = contextLine.match(block.text());
        if (match.hasMatch()) {
            if (!topics.isEmpty())
                topics.last().context = match.captured(1).toInt();
            QTextCursor line(block);
            const QTextBlock next = block.next();
            line.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
            if (!next.isValid())
                line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            line.removeSelectedText();
            block = line.block();
            continue;
        }
        if (isTopicHeading(block))
            topics.append({block.text().trimmed(), block.position(), 0});
        block = block.next();
    }
    return topics;
}

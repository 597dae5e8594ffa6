// The help viewer: Tessaly.hlp shown in a reader window, opened at a topic's context number.
#pragma once

#include "app/HelpTopics.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens (or raises) the one help window at context n; 0 opens the contents.
    // A help file that cannot be read is reported to the user.
    static void open(int context);

    bool showContext(int context);

private:
    explicit HelpWindow(QWidget* parent = nullptr);
    bool loadHelpFile();
    void showTopicAt(int position);
    void filterTopics(const QString& text);

    QLineEdit* m_filter;
    QListWidget* m_topicList;
    QTextBrowser* m_browser;
    QList<HelpTopic> m_topics;
};

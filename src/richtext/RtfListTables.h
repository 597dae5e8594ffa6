// The list tables at the head of an RTF document (\listtable, \listoverridetable), filled as
// the reader meets their words, and the list style a paragraph's \lsN and \ilvlN stand for.
#pragma once

#include <QString>
#include <QTextListFormat>

#include <optional>
#include <vector>

class RtfListTables
{
public:
    // In \listtable: "\list" opens a definition, "\listlevel" one of its levels.
    void startList();
    void startLevel();
    // "\levelnfcN" of the open level: how it is numbered.
    void setNumberFormat(int nfc);
    // A character of the open level's \leveltext.
    void appendLevelText(QChar ch);
    // "\listidN": the open definition's id in \listtable, the open override's in \listoverridetable.
    void setListId(int id);
    // In \listoverridetable: "\listoverride" opens an override, "\lsN" gives it its number.
    void startOverride();
    void setOverrideNumber(int number);
    void setInOverrideTable(bool inOverrides) { m_inOverrides = inOverrides; }

    // The style of level `level` of list \ls`number`; none when the file does not define it.
    std::optional<QTextListFormat::Style> style(int number, int level) const;

private:
    struct Level
    {
        int nfc = 0;
        QString text;
    };
    struct List
    {
        int id = 0;
        std::vector<Level> levels;
    };
    struct Override
    {
        int number = 0;
        int listId = 0;
    };

    std::vector<List> m_lists;
    std::vector<Override> m_overrides;
    bool m_inOverrides = false;
};

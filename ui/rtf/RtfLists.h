#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace vireka::rtf {

// The numbers and bullets of list paragraphs, made from the document's list table when the file
// does not write them out (\listtext) itself. Word processors that write only \ls and the table
// leave the numbering to the reader.
class ListNumbering
{
public:
    static constexpr int MaxLevels = 9;
    static constexpr std::size_t MaxLists = 1024;
    static constexpr qsizetype MaxLevelText = 64;
    static constexpr qsizetype MaxNumberText = 128;

    // Reading the list table: each \list, each of its \listlevel groups and their words.
    void beginList();
    void setListId(int id);
    void endList();
    void beginLevel();
    void setLevelFormat(int nfc);
    void setLevelStart(int startAt);
    void setLevelFollow(int follow);
    void appendLevelText(QChar c); // \leveltext as read, its length first
    // `fontChar` shows a character of the level's symbol font, which Unicode text gives as
    // U+F000 plus the byte.
    void endLevel(char16_t (*fontChar)(unsigned char));

    // Reading the override table: each \listoverride ties an \ls number to a list.
    void beginOverride();
    void setOverrideList(int listId);
    void setOverrideNumber(int ls);
    void endOverride();

    // The number of the next paragraph of override `ls` at `level`, with what follows it; empty
    // when the document defines no such list. Counts the paragraph in its list.
    QString next(int ls, int level);

private:
    struct Level {
        int format = 0;  // \levelnfc
        int startAt = 1;
        int follow = 0;  // 0 a tab, 1 a space, 2 nothing
        QString text;    // \leveltext: its length, then literal characters and level placeholders
    };
    struct List {
        int id = 0;
        std::vector<Level> levels;
        std::array<int, MaxLevels> counters{};
        std::array<bool, MaxLevels> started{};
    };

    Level *readingLevel();
    QString levelNumber(const Level &level, int number) const;

    std::vector<List> m_lists;
    QHash<int, std::size_t> m_listById;  // list id to index in m_lists
    QHash<int, int> m_listIdByOverride;  // \ls to list id
    int m_readingId = 0;
    bool m_readingList = false;
    bool m_readingLevel = false;
    int m_overrideList = 0;
    int m_overrideNumber = 0;
};

} // namespace vireka::rtf

#include "RtfLists.h"

#include "RtfNotes.h"

#include <algorithm>
#include <limits>

namespace vireka::rtf {

namespace {

// \levelnfc values; anything else is numbered in Arabic figures.
enum LevelFormat {
    Arabic = 0,
    UpperRoman = 1,
    LowerRoman = 2,
    UpperLetter = 3,
    LowerLetter = 4,
    LeadingZero = 22,
    BulletOnly = 23,
    NoNumber = 255,
};

constexpr int MaxStart = 32767;

} // namespace

void ListNumbering::beginList()
{
    m_readingList = m_lists.size() < MaxLists;
    m_readingLevel = false;
    m_readingId = 0;
    if (m_readingList)
        m_lists.emplace_back();
}

void ListNumbering::setListId(int id)
{
    if (m_readingList)
        m_readingId = id;
}

void ListNumbering::endList()
{
    if (!m_readingList)
        return;
    m_readingList = m_readingLevel = false;
    m_lists.back().id = m_readingId;
    m_listById.insert(m_readingId, m_lists.size() - 1);
}

void ListNumbering::beginLevel()
{
    m_readingLevel = m_readingList && m_lists.back().levels.size() < std::size_t(MaxLevels);
    if (m_readingLevel)
        m_lists.back().levels.emplace_back();
}

ListNumbering::Level *ListNumbering::readingLevel()
{
    return m_readingLevel ? &m_lists.back().levels.back() : nullptr;
}

void ListNumbering::setLevelFormat(int nfc)
{
    if (Level *level = readingLevel())
        level->format = nfc;
}

void ListNumbering::setLevelStart(int startAt)
{
    if (Level *level = readingLevel())
        level->startAt = std::clamp(startAt, 0, MaxStart);
}

void ListNumbering::setLevelFollow(int follow)
{
    if (Level *level = readingLevel())
        level->follow = follow;
}

void ListNumbering::appendLevelText(QChar c)
{
    if (Level *level = readingLevel(); level && level->text.size() < MaxLevelText)
        level->text += c;
}

void ListNumbering::endLevel(char16_t (*fontChar)(unsigned char))
{
    Level *level = readingLevel();
    m_readingLevel = false;
    if (!level)
        return;
    for (qsizetype i = 1; i < level->text.size(); ++i) {
        const char16_t c = level->text.at(i).unicode();
        if (c < 0xF000 || c > 0xF0FF)
            continue;
        if (const char16_t shown = fontChar(static_cast<unsigned char>(c & 0xFF)))
            level->text[i] = QChar(shown);
    }
}

void ListNumbering::beginOverride()
{
    m_overrideList = m_overrideNumber = 0;
}

void ListNumbering::setOverrideList(int listId)
{
    m_overrideList = listId;
}

void ListNumbering::setOverrideNumber(int ls)
{
    m_overrideNumber = ls;
}

void ListNumbering::endOverride()
{
    if (m_overrideNumber > 0 && std::size_t(m_listIdByOverride.size()) < MaxLists)
        m_listIdByOverride.insert(m_overrideNumber, m_overrideList);
}

QString ListNumbering::levelNumber(const Level &level, int number) const
{
    switch (level.format) {
    case UpperRoman: return noteNumberText(number, NoteNumbering::UpperRoman);
    case LowerRoman: return noteNumberText(number, NoteNumbering::LowerRoman);
    case UpperLetter: return noteNumberText(number, NoteNumbering::UpperAlpha);
    case LowerLetter: return noteNumberText(number, NoteNumbering::LowerAlpha);
    case LeadingZero: return number >= 0 && number < 10 ? u'0' + QString::number(number) : QString::number(number);
    case BulletOnly: case NoNumber: return {};
    default: return QString::number(number);
    }
}

QString ListNumbering::next(int ls, int level)
{
    const auto listId = m_listIdByOverride.constFind(ls);
    if (listId == m_listIdByOverride.cend())
        return {};
    const auto index = m_listById.constFind(*listId);
    if (index == m_listById.cend() || m_lists[*index].levels.empty())
        return {};
    List &list = m_lists[*index];
    const int at = std::clamp(level, 0, int(list.levels.size()) - 1);
    const Level &own = list.levels[std::size_t(at)];
    int &counter = list.counters[std::size_t(at)];
    if (!list.started[std::size_t(at)])
        counter = own.startAt;
    else if (counter < std::numeric_limits<int>::max())
        ++counter;
    list.started[std::size_t(at)] = true;
    std::fill(list.started.begin() + at + 1, list.started.end(), false); // deeper levels start again

    QString text;
    const qsizetype length = own.text.isEmpty() ? 0 : std::min<qsizetype>(own.text.at(0).unicode(), own.text.size() - 1);
    for (qsizetype i = 1; i <= length && text.size() < MaxNumberText; ++i) {
        const char16_t c = own.text.at(i).unicode();
        if (c >= u' ') {
            text += QChar(c);
            continue;
        }
        if (c < list.levels.size()) { // a level's place; other control characters show nothing
            const Level &shown = list.levels[c];
            text += levelNumber(shown, list.started[c] ? list.counters[c] : shown.startAt);
        }
    }
    text.truncate(MaxNumberText);
    if (own.follow == 0)
        text += u'\t';
    else if (own.follow == 1)
        text += u' ';
    return text;
}

} // namespace vireka::rtf

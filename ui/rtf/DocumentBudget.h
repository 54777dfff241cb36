#pragma once

#include <QString>
#include <QtGlobal>

class QTextCursor;
class QTextDocument;

namespace vireka {

// Qt's text layout (6.4) never finishes a document taller than 2^23 pixels: past that height its
// page logic keeps starting a new page at the same place. A document an area shows therefore stays
// well under it, whatever the file holds: its text within MaxDocumentHeight, and the notice of a cut
// below that.
constexpr qreal LayoutHeightLimit = 8388607; // INT_MAX / 256, the layout's largest position
constexpr qreal MaxDocumentHeight = 4000000;
// Room for the notice, and for a layout that comes out taller than the fitting measured it.
static_assert(2 * MaxDocumentHeight < LayoutHeightLimit);
// The reader builds no paragraph past this many, sparing the time and memory of the rest (each costs
// Qt's document about 3 microseconds and 150 bytes), and ends the document with the notice.
constexpr int MaxDocumentBlocks = 100000;
// No file is read past this many bytes: a larger one is read that far and shown, cut, with the notice.
// A long book is one or two megabytes of RTF and the program's own documents a few kilobytes, so this
// is four times the largest real document, yet small enough that any file is read, fitted and shown
// within a second and the program's memory stays within a few hundred megabytes. Text behind
// pictures of many megabytes may be lost.
constexpr qsizetype MaxDocumentBytes = qsizetype(8) * 1024 * 1024;
// A paragraph is laid out as a whole, so its length bounds the work of one layout step: the document
// is cut with the notice where a paragraph passes this many characters (a page holds about 3,000).
constexpr int MaxParagraphLength = 65536;
// A word with no break in it costs the layout time in the square of its length, as every line tries
// the whole rest of it first: after this many characters without a break a zero-width break is
// added, far more than any line holds.
constexpr int MaxUnbrokenLength = 1024;
// Each change of look within a paragraph costs its layout time in proportion to the changes before
// it; past this many the paragraph keeps the look it has.
constexpr int MaxParagraphRuns = 256;
// Every distinct colour and font a document uses costs the layout and the font system: past these
// many, a new colour is shown as the nearest one in use and a new font as the nearest in use.
constexpr int MaxDocumentColors = 256;
constexpr int MaxDocumentFonts = 256;

// The last paragraph of a document that was cut short.
QString cutNotice();
// Writes the notice as a paragraph of its own at `cursor`, which must stand at the start of an
// empty paragraph.
void writeCutNotice(QTextCursor &cursor);

// Makes `doc` fit MaxDocumentHeight (and the notice) when laid out at `width` pixels (its text
// width, document margins included). Paragraph spacing is scaled down first; if the text alone is
// still too tall, the document ends at the last line that fits, followed by the notice. Heights are
// bounded from the text's advances, never laid out, but for the one paragraph where a cut falls: a
// document cut may end a little before the budget's edge, and one that fits is left alone. True
// when the document was changed.
bool fitDocumentHeight(QTextDocument &doc, qreal width);

} // namespace vireka

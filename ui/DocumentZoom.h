#pragma once

class QTextDocument;

namespace vireka {

class DocumentArea;

// The sizes a reader can enlarge or reduce a document area's text to, in percent of its design.
constexpr int DesignZoom = 100;
constexpr int SmallestZoom = 50;
constexpr int LargestZoom = 300;

// The next step up or down from `percent`, held within the smallest and largest.
int zoomStepIn(int percent);
int zoomStepOut(int percent);

// Sets every font size of `document` to `percent` of the size it was made with. The design sizes are
// kept beside the formats, so that the design zoom gives back exactly the document as made. A
// document never zoomed is left untouched at the design zoom.
void zoomDocument(QTextDocument &document, int percent);

// Shows the area's document at `percent`, through the same steps as a newly loaded document (so that
// it keeps within the document bounds), with the same text at the top of the area as before.
void setZoom(DocumentArea &area, int percent);

} // namespace vireka

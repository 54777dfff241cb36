#pragma once

class QFrame;

namespace vireka {

// Gives a framed control the usual two-pixel sunken edge: a grey shadow and a dark inner line
// above and to the left, white and light grey below and to the right. The edge's colours are its
// own, so the edge shows on any background, black screens included.
void setSunkenEdge(QFrame *frame);

} // namespace vireka

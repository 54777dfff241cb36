#include "SunkenEdge.h"

#include "Palette.h"

#include <QFrame>

namespace vireka {

void setSunkenEdge(QFrame *frame)
{
    // A sunken WinPanel is drawn from these four roles: outer shadow (Dark), outer highlight (Light),
    // inner shadow (Shadow) and inner highlight (Midlight).
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette palette = frame->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Dark, toQColor(colours::EdgeShadow));
        palette.setColor(group, QPalette::Light, toQColor(colours::EdgeHighlight));
        palette.setColor(group, QPalette::Shadow, toQColor(colours::EdgeDarkShadow));
        palette.setColor(group, QPalette::Midlight, toQColor(colours::EdgeMidlight));
    }
    frame->setPalette(palette);
    // Every control with this edge is a scroll area: the edge, its filled viewport and its scroll
    // bar cover it, so its parent need not paint beneath it first.
    frame->setAttribute(Qt::WA_OpaquePaintEvent);
}

} // namespace vireka

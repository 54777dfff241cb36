#include "SunkenEdge.h"

#include <QFrame>

namespace vireka {

void setSunkenEdge(QFrame *frame)
{
    // A sunken WinPanel is drawn from these four roles: outer shadow (Dark), outer highlight (Light),
    // inner shadow (Shadow) and inner highlight (Midlight).
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette palette = frame->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Dark, QColor(128, 128, 128));
        palette.setColor(group, QPalette::Light, QColor(255, 255, 255));
        palette.setColor(group, QPalette::Shadow, QColor(64, 64, 64));
        palette.setColor(group, QPalette::Midlight, QColor(212, 208, 200));
    }
    frame->setPalette(palette);
    // Every control with this edge is a scroll area: the edge, its filled viewport and its scroll
    // bar cover it, so its parent need not paint beneath it first.
    frame->setAttribute(Qt::WA_OpaquePaintEvent);
}

} // namespace vireka

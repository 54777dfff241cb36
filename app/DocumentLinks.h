#pragma once

#include "ScreenSpec.h"

#include <span>
#include <vector>

namespace vireka {

// A link and the document file it loads, named as it sits in the program folder ("\Eight.rtf").
struct DocumentLink {
    const char *control;
    const char *file;
};

// A screen's links that load documents into one of its areas, as its rows with `loads` give them: for
// the tests and the document check, which read the rows the screen binds.
struct LinkTable {
    const char *area = nullptr;
    LoadRule rule = LoadRule::OverShown;
    std::span<const DocumentLink> rows{};
};

inline std::vector<DocumentLink> documentLinks(LayoutTable controls)
{
    std::vector<DocumentLink> links;
    for (const ControlSpec &control : controls)
        if (control.loads)
            links.push_back({control.name, control.loads});
    return links;
}

} // namespace vireka

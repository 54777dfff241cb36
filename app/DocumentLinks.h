#pragma once

#include <span>

namespace vireka {

// What a failed load leaves: the document shown before, or (where the link clears first) nothing.
enum class LoadRule { OverShown, ClearFirst };

// A link label and the document file it loads, named as it sits in the program folder ("\Eight.rtf").
struct DocumentLink {
    const char *control;
    const char *file;
};

// A screen's links that load documents into one of its areas. The shared screen code binds each row's
// Click; the tests and the document check read the same rows.
struct LinkTable {
    const char *area = nullptr;
    LoadRule rule = LoadRule::OverShown;
    std::span<const DocumentLink> rows{};
};

} // namespace vireka

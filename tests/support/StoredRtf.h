#pragma once

// The opening every document the program ships has: its header and font table, up to the end of the
// font table's line.
inline constexpr char StoredRtfHeader[] = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                                          "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman Times New Roman;}}\r\n";

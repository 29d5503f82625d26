// The reading of a page for the page viewer: the text of an HTML page turned into the list of what the
// viewer lays out.
//
// What is read:
// - text, with every run of blanks, tabs and line ends made one blank (as a browser shows it);
// - <BR>: a line break; <H1> and <H2> (and their end tags): headings of level 1 and 2;
// - <IMG SRC=... ALT=...>: an image, its file and its replacement text;
// - <HEAD> ... </HEAD> and <TITLE> ... </TITLE>: not shown; <HTML> and <BODY>: nothing to show;
// - comments (<!-- ... -->) and every other tag: left out, the text around them kept.
// Tag and attribute names are read in either case; attribute values may be quoted with " or ' or
// stand bare. A '<' not followed by a letter, '/', '!' or '?' is text. A tag that never ends ends the
// page.
//
// Not done: character references (&amp; and the like stay as they are written), other block
// elements, styles and scripts.
//
// Plain C++ without Win32 types.
#pragma once

#include <string>
#include <vector>

// One thing of a page, in page order.
struct PageItem {
    enum Kind {
        Text,          // text: a run of text, blanks already made single
        LineBreak,     // <BR>
        HeadingStart,  // <H1> or <H2>: level
        HeadingEnd,    // </H1> or </H2>: level
        Image          // <IMG>: source and alt
    };
    Kind kind = Text;
    int level = 0;
    std::string text;
    std::string source;
    std::string alt;
};

// The items of the page text `page` (see the top of this file).
std::vector<PageItem> ParsePage(const std::string& page);

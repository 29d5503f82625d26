// Fuzzes the page reader of the page viewer (the preference-graph page). Every text it keeps is a run
// of the page's characters with each run of blanks made one blank, never empty and never beside
// another text; headings are of level 1 or 2; an image's source and replacement text stand in the page.
// A page read again after text that holds no markup reads to the same items after that text.
#include "FuzzCheck.h"
#include "pageview/PageParse.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool SameItems(const std::vector<PageItem>& a, const std::vector<PageItem>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].level != b[i].level || a[i].text != b[i].text ||
            a[i].source != b[i].source || a[i].alt != b[i].alt)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string page(reinterpret_cast<const char*>(data), size);
    const std::vector<PageItem> items = ParsePage(page);
    for (size_t i = 0; i < items.size(); ++i) {
        const PageItem& item = items[i];
        switch (item.kind) {
        case PageItem::Text:
            FuzzCheck(!item.text.empty(), "a text is not empty");
            FuzzCheck(i == 0 || items[i - 1].kind != PageItem::Text, "no text stands beside another");
            FuzzCheck(item.text.find_first_of("\t\r\n\f") == std::string::npos && item.text.find("  ") == std::string::npos,
                      "blanks are single spaces");
            break;
        case PageItem::HeadingStart:
        case PageItem::HeadingEnd:
            FuzzCheck(item.level == 1 || item.level == 2, "a heading is of level 1 or 2");
            break;
        case PageItem::Image:
            FuzzCheck(page.find(item.source) != std::string::npos && page.find(item.alt) != std::string::npos,
                      "an image's source and text stand in the page");
            break;
        default:
            FuzzCheck(item.level == 0, "only a heading has a level");
            break;
        }
        if (item.kind != PageItem::Text)
            FuzzCheck(item.text.empty(), "only a text has text");
        if (item.kind != PageItem::Image)
            FuzzCheck(item.source.empty() && item.alt.empty(), "only an image has a source");
    }

    // an image first: what follows reads as it did (a text is not joined to one before it)
    std::vector<PageItem> after = ParsePage("<IMG SRC=a>" + page);
    FuzzCheck(!after.empty() && after.front().kind == PageItem::Image, "the image comes first");
    after.erase(after.begin());
    FuzzCheck(SameItems(after, items), "a page reads the same after an image");
    return 0;
}

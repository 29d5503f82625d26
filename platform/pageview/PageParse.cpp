#include "pageview/PageParse.h"

#include <cctype>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A tag's name (upper case), whether it is an end tag, and its attributes (names upper case).
struct Tag {
    std::string name;
    bool end = false;
    std::vector<std::pair<std::string, std::string>> attributes;

    std::string Attribute(const char* attribute) const
    {
        for (const auto& a : attributes)
            if (a.first == attribute)
                return a.second;
        return std::string();
    }
};

// The tag whose text (between '<' and '>') is `inside`.
Tag ReadTag(const std::string& inside)
{
    Tag tag;
    size_t i = 0;
    if (i < inside.size() && inside[i] == '/') {
        tag.end = true;
        ++i;
    }
    while (i < inside.size() && !IsBlank(inside[i]) && inside[i] != '/')
        tag.name += inside[i++];
    tag.name = Upper(tag.name);
    for (;;) {
        while (i < inside.size() && (IsBlank(inside[i]) || inside[i] == '/'))
            ++i;
        if (i >= inside.size())
            return tag;
        std::string name;
        while (i < inside.size() && !IsBlank(inside[i]) && inside[i] != '=' && inside[i] != '/')
            name += inside[i++];
        while (i < inside.size() && IsBlank(inside[i]))
            ++i;
        std::string value;
        if (i < inside.size() && inside[i] == '=') {
            ++i;
            while (i < inside.size() && IsBlank(inside[i]))
                ++i;
            if (i < inside.size() && (inside[i] == '"' || inside[i] == '\'')) {
                const char quote = inside[i++];
                while (i < inside.size() && inside[i] != quote)
                    value += inside[i++];
                ++i;
            } else {
                while (i < inside.size() && !IsBlank(inside[i]))
                    value += inside[i++];
            }
        }
        tag.attributes.emplace_back(Upper(name), value);
    }
}

// Where the tag that starts at `open` ends (its '>', quoted values passed over), or npos.
size_t TagEnd(const std::string& page, size_t open)
{
    char quote = 0;
    for (size_t i = open + 1; i < page.size(); ++i) {
        if (quote != 0) {
            if (page[i] == quote)
                quote = 0;
        } else if (page[i] == '"' || page[i] == '\'') {
            quote = page[i];
        } else if (page[i] == '>') {
            return i;
        }
    }
    return std::string::npos;
}

} // namespace

std::vector<PageItem> ParsePage(const std::string& page)
{
    std::vector<PageItem> items;
    bool inHead = false;
    bool inTitle = false;
    auto addText = [&](char c) {
        if (inHead || inTitle)
            return;
        if (items.empty() || items.back().kind != PageItem::Text)
            items.emplace_back();
        std::string& text = items.back().text;
        if (IsBlank(c)) {
            if (text.empty() || text.back() != ' ')
                text += ' ';
        } else {
            text += c;
        }
    };
    auto add = [&](PageItem::Kind kind, int level = 0) {
        items.emplace_back();
        items.back().kind = kind;
        items.back().level = level;
    };

    for (size_t i = 0; i < page.size(); ++i) {
        const char c = page[i];
        const char next = i + 1 < page.size() ? page[i + 1] : '\0';
        if (c != '<' || !(IsLetter(next) || next == '/' || next == '!' || next == '?')) {
            addText(c);
            continue;
        }
        if (page.compare(i, 4, "<!--") == 0) {
            const size_t close = page.find("-->", i + 4);
            if (close == std::string::npos)
                break;
            i = close + 2;
            continue;
        }
        const size_t close = TagEnd(page, i);
        if (close == std::string::npos)
            break;
        const Tag tag = ReadTag(page.substr(i + 1, close - i - 1));
        i = close;
        if (tag.name == "HEAD") {
            inHead = !tag.end;
        } else if (tag.name == "TITLE") {
            inTitle = !tag.end;
        } else if (inHead || inTitle) {
            continue;
        } else if (tag.name == "BR") {
            add(PageItem::LineBreak);
        } else if (tag.name == "H1" || tag.name == "H2") {
            add(tag.end ? PageItem::HeadingEnd : PageItem::HeadingStart, tag.name[1] - '0');
        } else if (tag.name == "IMG" && !tag.end) {
            add(PageItem::Image);
            items.back().source = tag.Attribute("SRC");
            items.back().alt = tag.Attribute("ALT");
        }
    }
    return items;
}

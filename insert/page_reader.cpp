// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/page_reader.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::size_t MostWords = 40; // characters of an element's text that its outline row shows
constexpr int MostWordNodes = 64;     // nodes looked at for them, so that a deep page stays linear

// The parser's memory, taken in large blocks and given back all at once: a page's tree is
// thousands of small pieces, and freeing them one by one costs a tenth of the parse.
class Arena final {
public:
    static void *allocate(void *arena, std::size_t size)
    {
        return static_cast<Arena *>(arena)->take((size + 15) & ~std::size_t(15));
    }
    static void release(void * /*arena*/, void * /*piece*/) {} // the arena frees all at once

private:
    static constexpr std::size_t BlockSize = std::size_t(1) << 20;

    void *take(std::size_t size)
    {
        if (size > BlockSize / 4)
            return m_blocks.emplace_back(new std::byte[size]).get();
        if (!m_current || m_used + size > BlockSize) {
            m_current = m_blocks.emplace_back(new std::byte[BlockSize]).get();
            m_used = 0;
        }
        void *piece = m_current + m_used;
        m_used += size;
        return piece;
    }

    // Blocks left uninitialised, as a vector's would not be.
    std::vector<std::unique_ptr<std::byte[]>> m_blocks; // NOLINT(modernize-avoid-c-arrays)
    std::byte *m_current = nullptr;                     // the block small pieces are taken from
    std::size_t m_used = 0;
};

// The parse tree and the memory it lives in.
struct Parsed {
    Arena arena;
    GumboOutput *output = nullptr;
};

// The parser reads the bytes after a byte-order mark: it would take the mark for text, imply a
// body at byte 0 and put the page's head into it.
std::size_t bomLength(std::string_view page)
{
    return page.starts_with(Bom) ? Bom.size() : 0;
}

std::unique_ptr<Parsed> parse(std::string_view page, std::size_t bom)
{
    auto parsed = std::make_unique<Parsed>();
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &Arena::allocate;
    options.deallocator = &Arena::release;
    options.userdata = &parsed->arena;
    options.max_errors = 0; // nobody reads them
    parsed->output = gumbo_parse_with_options(&options, page.data() + bom, page.size() - bom);
    return parsed;
}

bool isElement(const GumboNode *node)
{
    return node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

std::string trimmed(std::string_view text)
{
    constexpr std::string_view Blanks = " \t\n\f\r";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(Blanks) - first + 1));
}

// The element's tag name, lower case, or as written for a tag the parser does not know; it lives
// as long as the parse.
std::string_view tagNameOf(const GumboNode *node)
{
    const GumboElement &element = node->v.element;
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return gumbo_normalized_tagname(element.tag);
    GumboStringPiece written = element.original_tag;
    if (written.length == 0)
        return "?";
    gumbo_tag_from_original_text(&written);
    return {written.data, written.length};
}

std::size_t shapeOf(std::string_view tag, int depth)
{
    return std::hash<std::string_view>{}(tag) ^ (std::size_t(depth) * 0x9E3779B97F4A7C15ULL);
}

std::string attribute(const GumboNode *node, const char *name)
{
    const GumboAttribute *found = gumbo_get_attribute(&node->v.element.attributes, name);
    return found ? std::string(found->value) : std::string();
}

bool isVoidTag(std::string_view tag)
{
    static constexpr std::array<std::string_view, 16> Void{"area",  "base",  "basefont", "bgsound", "br",    "col",
                                                           "embed", "frame", "hr",       "img",     "input", "keygen",
                                                           "link",  "meta",  "param",    "source"};
    return std::find(Void.begin(), Void.end(), tag) != Void.end() || tag == "track" || tag == "wbr";
}

// Whether the element's start tag stands in the page: the parser makes up some elements (html,
// head, body, tbody, the end of a paragraph) and copies others (formatting reopened, or moved for
// misnested tags), whose recorded tag belongs to another.
bool startWritten(const GumboNode *node)
{
    constexpr unsigned Copied = GUMBO_INSERTION_BY_PARSER | GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                                GUMBO_INSERTION_ADOPTION_AGENCY_CLONED;
    return node->v.element.original_tag.length > 0 && (node->parse_flags & Copied) == 0;
}

// Whether the element's own end tag stands in the page. The parser also records the tag that
// closed it on its behalf, such as the </ul> that closes an open <li>.
bool endWritten(const GumboNode *node, const std::string &tag)
{
    const GumboStringPiece &written = node->v.element.original_end_tag;
    if (written.length < 3 || (node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG) != 0)
        return false;
    const std::string_view name(written.data + 2, std::min(written.length - 2, tag.size()));
    return lowered(name) == lowered(tag);
}

// Adds the words that could name something in a script: identifiers, and the words of strings.
void addScriptNames(std::string_view script, std::set<std::string> &names)
{
    const auto starts = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
    };
    const auto continues = [&starts](char c) {
        return starts(c) || (c >= '0' && c <= '9');
    };
    for (std::size_t i = 0; i < script.size();) {
        if (!starts(script[i])) {
            // A number's letters ("0x1F", "1e5") name nothing; skip the whole word.
            while (i < script.size() && continues(script[i]))
                ++i;
            if (i < script.size() && !starts(script[i]))
                ++i;
            continue;
        }
        const std::size_t first = i;
        while (i < script.size() && continues(script[i]))
            ++i;
        names.emplace(script.substr(first, i - first));
    }
}

// The first words of the element's text, blanks run together, looking at a bounded number of nodes.
std::string firstWords(const GumboNode *node)
{
    std::string words;
    int looked = 0;
    std::vector<const GumboNode *> pending{node};
    while (!pending.empty() && words.size() < MostWords && looked++ < MostWordNodes) {
        const GumboNode *current = pending.back();
        pending.pop_back();
        if (current->type == GUMBO_NODE_TEXT || current->type == GUMBO_NODE_CDATA) {
            for (const char *c = current->v.text.text; *c && words.size() < MostWords; ++c) {
                const bool blank = *c == ' ' || *c == '\t' || *c == '\n' || *c == '\r' || *c == '\f';
                if (!blank)
                    words += *c;
                else if (!words.empty() && words.back() != ' ')
                    words += ' ';
            }
            if (!words.empty() && words.back() != ' ')
                words += ' ';
        } else if (isElement(current)) {
            const GumboElement &element = current->v.element;
            if (element.tag == GUMBO_TAG_SCRIPT || element.tag == GUMBO_TAG_STYLE)
                continue;
            for (unsigned i = element.children.length; i-- > 0;)
                pending.push_back(static_cast<const GumboNode *>(element.children.data[i]));
        }
    }
    // A cut in the middle of a UTF-8 sequence would show as a broken character.
    while (!words.empty() && (static_cast<unsigned char>(words.back()) & 0xC0) == 0x80)
        words.pop_back();
    if (!words.empty() && (static_cast<unsigned char>(words.back()) & 0xC0) == 0xC0)
        words.pop_back();
    return trimmed(words);
}

// The character set a content-type text names ("text/html; charset=iso-8859-1"), lower case.
std::string charsetIn(std::string_view content)
{
    const std::string text = lowered(content);
    const std::size_t at = text.find("charset");
    if (at == std::string::npos)
        return {};
    std::size_t i = text.find_first_not_of(" \t", at + 7);
    if (i == std::string::npos || text[i] != '=')
        return {};
    i = text.find_first_not_of(" \t\"'", i + 1);
    if (i == std::string::npos)
        return {};
    const std::size_t last = text.find_first_of(" \t\"';", i);
    return text.substr(i, last == std::string::npos ? std::string::npos : last - i);
}

// The encoding an XML declaration names, lower case.
std::string xmlEncoding(std::string_view page)
{
    const std::string_view declaration = page.substr(0, page.find("?>"));
    const std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    const std::size_t open = declaration.find_first_of("\"'", at);
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = declaration.find(declaration[open], open + 1);
    return close == std::string_view::npos ? std::string() : lowered(declaration.substr(open + 1, close - open - 1));
}

// Walks the parse tree in document order without recursion, as a page may nest deeply: visit is
// called with every node below the document and the index it gave the node's parent element (-1
// for the document), and gives the index of the node's own.
template <typename Visit> void walk(const GumboNode *document, Visit visit)
{
    struct Pending {
        const GumboNode *node;
        int parent;
    };
    std::vector<Pending> pending;
    const auto pushChildren = [&pending](const GumboVector &children, int parent) {
        for (unsigned i = children.length; i-- > 0;)
            pending.push_back({static_cast<const GumboNode *>(children.data[i]), parent});
    };
    pushChildren(document->v.document.children, -1);
    while (!pending.empty()) {
        const Pending current = pending.back();
        pending.pop_back();
        const int index = visit(current.node, current.parent);
        if (isElement(current.node))
            pushChildren(current.node->v.element.children, index);
    }
}

} // namespace

PageReading ReadPage(std::string_view page)
{
    PageReading reading;
    reading.bom = bomLength(page);
    const std::string_view content = page.substr(reading.bom);
    reading.xmlDeclaration = content.starts_with("<?xml");
    const std::unique_ptr<Parsed> parsed = parse(page, reading.bom);
    std::vector<PageElement> &elements = reading.elements;
    walk(parsed->output->document, [&](const GumboNode *node, int parent) {
        if (node->type == GUMBO_NODE_COMMENT) {
            const std::size_t at = node->v.text.start_pos.offset + reading.bom;
            reading.comments.emplace_back(at, at + node->v.text.original_text.length);
            return parent;
        }
        if (node->type == GUMBO_NODE_TEXT && parent >= 0 && elements[std::size_t(parent)].tag == "script")
            addScriptNames(node->v.text.text, reading.names);
        if (!isElement(node))
            return parent;
        const GumboElement &gumbo = node->v.element;
        PageElement element;
        element.tag = tagNameOf(node);
        element.id = attribute(node, "id");
        element.classes = attribute(node, "class");
        element.start = gumbo.start_pos.offset + reading.bom;
        element.impliedStart = !startWritten(node);
        element.startEnd = element.impliedStart ? element.start : element.start + gumbo.original_tag.length;
        element.isVoid = isVoidTag(element.tag);
        element.impliedEnd = element.isVoid || !endWritten(node, element.tag);
        element.end = element.isVoid ? element.startEnd : gumbo.end_pos.offset + reading.bom;
        element.endEnd = element.impliedEnd ? element.end : element.end + gumbo.original_end_tag.length;
        element.foreign = gumbo.tag_namespace != GUMBO_NAMESPACE_HTML;
        element.parent = parent;
        element.words = firstWords(node);
        const int index = static_cast<int>(elements.size());
        if (parent >= 0) {
            PageElement &above = elements[std::size_t(parent)];
            element.depth = above.depth + 1;
            above.children.push_back(index);
        }
        // The names a script may use, and what the page's head says of the page.
        for (unsigned i = 0; i < gumbo.attributes.length; ++i) {
            const auto *attribute = static_cast<const GumboAttribute *>(gumbo.attributes.data[i]);
            const std::string_view name = attribute->name;
            if (name == "id" || name == "name")
                reading.names.emplace(attribute->value);
            else if (name.starts_with("on"))
                addScriptNames(attribute->value, reading.names);
        }
        if (element.tag == "head" && reading.head < 0 && parent == 0)
            reading.head = index;
        else if (element.tag == "body" && reading.body < 0 && parent == 0)
            reading.body = index;
        else if (element.tag == "frameset")
            reading.frameset = true;
        else if (element.tag == "html" && attribute(node, "xmlns") == "http://www.w3.org/1999/xhtml")
            reading.xhtmlNamespace = true;
        else if (element.tag == "base" && reading.baseHref.empty())
            reading.baseHref = trimmed(attribute(node, "href"));
        else if (element.tag == "meta") {
            const std::string equiv = lowered(trimmed(attribute(node, "http-equiv")));
            std::string charset = lowered(trimmed(attribute(node, "charset")));
            if (equiv == "content-type")
                charset = charsetIn(attribute(node, "content"));
            if (reading.charset.empty())
                reading.charset = charset;
            // A policy in a meta tag counts only in the head.
            if (equiv == "content-security-policy" && reading.head >= 0 && parent == reading.head)
                reading.policies.push_back(attribute(node, "content"));
        }
        elements.push_back(std::move(element));
        return index;
    });
    if (reading.charset.empty() && reading.xmlDeclaration)
        reading.charset = xmlEncoding(content);
    return reading;
}

SplicedReading ReadSplicedPage(std::string_view page, const std::vector<std::size_t> &offsets,
                               const std::vector<ByteRange> &inserted)
{
    SplicedReading reading;
    reading.landings.resize(offsets.size(), Landing{false, {}, -1});
    const std::size_t bom = bomLength(page);
    const std::unique_ptr<Parsed> parsed = parse(page, bom);
    // Each element's parent and place under it; a path is made only for what landed.
    struct Seen {
        int parent;
        int index;
        int depth;
        int elements; // its element children so far
    };
    std::vector<Seen> seen;
    seen.reserve(page.size() / 32); // about one element in so many bytes of a page
    reading.shape.reserve(seen.capacity());
    const auto pathTo = [&seen](int element) {
        std::vector<int> path;
        for (; element >= 0 && seen[std::size_t(element)].parent >= 0; element = seen[std::size_t(element)].parent)
            path.push_back(seen[std::size_t(element)].index);
        std::reverse(path.begin(), path.end());
        return path;
    };
    const auto land = [&](std::size_t at, bool comment, int parent) {
        // A comment before the html element is the document's own.
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            if (offsets[i] != at || reading.landings[i].index >= 0)
                continue;
            if (parent >= 0)
                reading.landings[i] = {comment, pathTo(parent), seen[std::size_t(parent)].elements};
            else if (comment)
                reading.landings[i] = {comment, {-1}, 0};
        }
    };
    walk(parsed->output->document, [&](const GumboNode *node, int parent) {
        if (node->type == GUMBO_NODE_COMMENT) {
            land(node->v.text.start_pos.offset + bom, true, parent);
            return parent;
        }
        if (!isElement(node))
            return parent;
        const std::size_t at = node->v.element.start_pos.offset + bom;
        const bool written = startWritten(node);
        if (written)
            land(at, false, parent);
        Seen here{parent, 0, 0, 0};
        if (parent >= 0) {
            Seen &above = seen[std::size_t(parent)];
            here.index = above.elements++;
            here.depth = above.depth + 1;
        }
        const bool isInserted = written && std::any_of(inserted.begin(), inserted.end(), [at](const ByteRange &range) {
                                    return at >= range.first && at < range.second;
                                });
        if (!isInserted)
            reading.shape.push_back(shapeOf(tagNameOf(node), here.depth));
        seen.push_back(here);
        return static_cast<int>(seen.size() - 1);
    });
    return reading;
}

Shape ShapeOf(const PageReading &reading)
{
    Shape shape;
    shape.reserve(reading.elements.size());
    for (const PageElement &element : reading.elements)
        shape.push_back(shapeOf(element.tag, element.depth));
    return shape;
}

std::vector<int> PathOf(const PageReading &reading, int element)
{
    std::vector<int> path;
    for (int child = element; child >= 0 && reading.elements[std::size_t(child)].parent >= 0;) {
        const int parent = reading.elements[std::size_t(child)].parent;
        const std::vector<int> &siblings = reading.elements[std::size_t(parent)].children;
        path.push_back(static_cast<int>(std::find(siblings.begin(), siblings.end(), child) - siblings.begin()));
        child = parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

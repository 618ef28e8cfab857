// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/page_insert.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::string_view Blanks = " \t\r\n\f";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::string whyNotAPage(std::string_view page, const PageReading &reading)
{
    if (page.starts_with(std::string_view("\xFF\xFE\0\0", 4)) || page.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return "It is written in UTF-32, which Quillarc cannot write into.";
    if (page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF"))
        return "It is written in UTF-16, which Quillarc cannot write into.";
    if (page.find('\0') != std::string_view::npos)
        return "It holds NUL bytes, which no web page holds: it may be a file of another kind.";
    if (reading.frameset)
        return "It is a frameset page: it shows other pages, and has no body to take the code.";
    return {};
}

// The lines of a code with their blanks around them and the empty ones left out: an identical
// part written with other indentation or line breaks is still the same code.
std::vector<std::string_view> codeLines(std::string_view code)
{
    std::vector<std::string_view> lines;
    for (std::size_t i = 0; i <= code.size();) {
        const std::size_t end = std::min(code.find_first_of("\r\n", i), code.size());
        if (const std::string_view line = trimmed(code.substr(i, end - i)); !line.empty())
            lines.push_back(line);
        i = end + 1;
    }
    return lines;
}

// A part as it goes into the page, and where its pieces begin there.
struct Part {
    std::string text;
    std::size_t element = 0; // its first element, from the start of text
    std::size_t end = 0;     // its end marker
};

Part makePart(std::string_view page, std::size_t at, std::string_view code, const PageWriting &writing,
              MarkerFields fields, const Sha256Hex &hash)
{
    const InsertedText inserted = TextToInsert(page, at, code, writing.lineEnd);
    fields.hash = hash(inserted.between);
    const std::string begin = BeginMarker(fields);
    const std::string end = EndMarker(fields.id, fields.part);
    return {inserted.joined(begin, end), begin.size() + FirstElementIn(inserted.between),
            begin.size() + inserted.between.size()};
}

} // namespace

std::vector<std::string> NamesApart(const std::vector<std::string> &names, const std::set<std::string> &used)
{
    std::set<std::string> taken = used;
    std::map<std::string, std::string> renamed; // one name given twice keeps one new name
    std::vector<std::string> apart;
    for (const std::string &name : names) {
        if (name.empty() || !used.contains(name)) {
            apart.push_back(name);
            continue;
        }
        if (!renamed.contains(name)) {
            int number = 2;
            while (taken.contains(name + std::to_string(number)) ||
                   std::find(names.begin(), names.end(), name + std::to_string(number)) != names.end())
                ++number;
            renamed[name] = name + std::to_string(number);
            taken.insert(renamed[name]);
        }
        apart.push_back(renamed[name]);
    }
    return apart;
}

PageForInsert::PageForInsert(std::string page, bool xhtmlName)
    : m_page(std::move(page))
    , m_reading(ReadPage(m_page))
    , m_places(m_reading, m_page)
    , m_writing(WritingOf(m_reading, m_page, xhtmlName))
    , m_markers(ScanMarkers(m_page))
    , m_shape(ShapeOf(m_reading))
    , m_refusal(whyNotAPage(m_page, m_reading))
{}

Splice PageForInsert::splice(const WizardCode &code, CodeSources sources, std::optional<Place> place,
                             const Sha256Hex &hash) const
{
    SpliceTarget target{NewMarkerId(m_markers), std::nullopt, std::nullopt, {}, 0};
    if (!code.headOnly && m_refusal.empty()) {
        Splice refused;
        if (!place)
            refused.refusal = "The page has no place in its body that may take the code.";
        else
            refused.refusal = m_places.whyNot(*place);
        if (!refused.refusal.empty())
            return refused;
        const ExpectedLanding landing = m_places.landingOf(*place);
        target.body = m_places.offsetOf(*place);
        target.parentPath = PathOf(m_reading, landing.parent);
        target.index = landing.index;
    }
    return spliceAt(code, std::move(sources), target, hash);
}

Splice PageForInsert::spliceAt(const WizardCode &code, CodeSources sources, const SpliceTarget &target,
                               const Sha256Hex &hash) const
{
    Splice splice;
    const auto refused = [&splice](std::string why) {
        splice.refusal = std::move(why);
        return splice;
    };
    if (!m_refusal.empty())
        return refused(m_refusal);
    sources.names = code.modern ? code.names : NamesApart(code.names, m_reading.names);
    const MadeCode made = code.make(sources);
    const std::string head = AdaptedCode(trimmed(made.head), m_writing);
    const std::string body = target.body ? AdaptedCode(trimmed(made.body), m_writing) : std::string();
    if (head.empty() && body.empty())
        return refused("There is no code to insert yet.");
    splice.id = target.id;

    // A head part already there with the same code serves this item too.
    Properties bodyProperties = made.properties;
    for (const MarkedPart &part : MarkedParts(m_markers)) {
        const MarkerFields &fields = part.begin.fields;
        const std::string_view there(m_page.data() + part.between.first, part.between.second - part.between.first);
        if (fields.kind == code.kind && fields.part == "head" && codeLines(there) == codeLines(head)) {
            splice.reusedHead = fields.id;
            // An item made anew keeps its own head part, which others share.
            if (fields.id != target.id)
                bodyProperties.emplace_back("head", fields.id);
            break;
        }
    }
    if (!target.body && !splice.reusedHead.empty())
        return refused("The page already holds this code, inserted as " + splice.reusedHead + ".");
    const bool headGoesIn = !head.empty() && splice.reusedHead.empty();
    if (headGoesIn && !target.head && !m_places.whyNotHead().empty())
        return refused(m_places.whyNotHead());
    const std::size_t headAt = target.head.value_or(m_places.headPoint());
    const std::size_t bodyAt = target.body.value_or(headAt);
    // A head that the page's text ends early can leave the end of the head after a place.
    if (bodyAt < headAt)
        return refused("It stands before the end of the head.");

    const Part headPart = headGoesIn ? makePart(m_page, headAt, head, m_writing,
                                                {code.kind, splice.id, "head", {}, made.properties}, hash)
                                     : Part{};
    const Part bodyPart = target.body ? makePart(m_page, bodyAt, body, m_writing,
                                                 {code.kind, splice.id, "body", {}, bodyProperties}, hash)
                                      : Part{};
    const std::string_view page = m_page;
    splice.page.reserve(page.size() + headPart.text.size() + bodyPart.text.size());
    splice.page.append(page.substr(0, headAt))
        .append(headPart.text)
        .append(page.substr(headAt, bodyAt - headAt))
        .append(bodyPart.text)
        .append(page.substr(bodyAt));
    splice.head = {headAt, headAt + headPart.text.size()};
    splice.body = {bodyAt + headPart.text.size(), bodyAt + headPart.text.size() + bodyPart.text.size()};

    // Read again: where the parser puts what went in, and whether anything else moved.
    std::vector<std::size_t> offsets;
    std::vector<std::size_t> elements;
    for (const auto &[range, part] : {std::pair{splice.head, &headPart}, std::pair{splice.body, &bodyPart}}) {
        if (range.first == range.second)
            continue;
        offsets.push_back(range.first);
        offsets.push_back(range.first + part->end);
        elements.push_back(offsets.size());
        offsets.push_back(range.first + part->element);
    }
    const SplicedReading again = ReadSplicedPage(splice.page, offsets, {splice.head, splice.body});
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const bool element = std::find(elements.begin(), elements.end(), i) != elements.end();
        if (!element && !again.landings[i].comment)
            return refused("A marker of the code would not stay a comment there.");
    }
    if (again.shape != m_shape)
        return refused("The code would change how a browser reads the rest of the page.");
    if (headGoesIn && again.landings[elements.front()].parentPath != PathOf(m_reading, m_reading.head))
        return refused("A browser would not keep the head part in the page's head.");
    if (target.body) {
        const Landing &landed = again.landings[elements.back()];
        if (landed.parentPath != target.parentPath || landed.index != target.index)
            return refused("A browser would not put the code at the place chosen.");
    }
    return splice;
}

std::string_view StyleText(std::string_view part)
{
    const std::size_t open = part.find("<style");
    const std::size_t start = open == std::string_view::npos ? open : part.find('>', open);
    const std::size_t close = start == std::string_view::npos ? start : part.find("</style", start);
    if (close == std::string_view::npos)
        return {};
    return part.substr(start + 1, close - start - 1);
}

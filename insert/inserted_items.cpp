// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/inserted_items.h"

#include <algorithm>

namespace {

std::string elementText(const PageElement &element)
{
    std::string text = element.tag;
    if (!element.id.empty())
        text.append(1, '#').append(element.id);
    else if (!element.classes.empty())
        text.append(1, '.').append(element.classes.substr(0, element.classes.find(' ')));
    return text;
}

// The element of the page's own that the byte stands beside: the one before it in the innermost
// element that holds it, else the one after it, else that element itself. Inserted code is no
// landmark.
std::string placeOf(const PageReading &reading, std::size_t at, const std::vector<ByteRange> &inserted)
{
    int inside = 0;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (const int child : reading.elements[std::size_t(inside)].children) {
            const PageElement &element = reading.elements[std::size_t(child)];
            if (element.startEnd <= at && at <= element.end && !element.isVoid) {
                inside = child;
                deeper = true;
                break;
            }
        }
    }
    if (inside == reading.head)
        return "in the head";
    std::vector<int> children;
    for (const int child : reading.elements[std::size_t(inside)].children) {
        const std::size_t start = reading.elements[std::size_t(child)].start;
        if (std::none_of(inserted.begin(), inserted.end(),
                         [start](const ByteRange &span) { return start >= span.first && start < span.second; }))
            children.push_back(child);
    }
    const auto after = std::find_if(children.rbegin(), children.rend(),
                                    [&](int child) { return reading.elements[std::size_t(child)].endEnd <= at; });
    if (after != children.rend())
        return "after " + elementText(reading.elements[std::size_t(*after)]);
    if (!children.empty())
        return "before " + elementText(reading.elements[std::size_t(children.front())]);
    return "in " + elementText(reading.elements[std::size_t(inside)]);
}

std::string_view between(const std::string &page, const MarkedPart &part)
{
    return std::string_view(page).substr(part.between.first, part.between.second - part.between.first);
}

} // namespace

std::string PropertyOf(const Properties &properties, const std::string &name)
{
    const auto found =
        std::find_if(properties.begin(), properties.end(), [&](const auto &p) { return p.first == name; });
    return found == properties.end() ? std::string() : found->second;
}

std::vector<InsertedItem> InsertedItems(const PageForInsert &page, const Sha256Hex &hash)
{
    const std::vector<FoundMarker> &markers = page.markers();
    const std::size_t count = markers.size();
    std::vector<int> pairedWith(count, -1);
    std::vector<std::string> broken(count);
    const auto samePart = [&](std::size_t a, std::size_t b) {
        return markers[a].fields.id == markers[b].fields.id && markers[a].fields.part == markers[b].fields.part;
    };
    for (std::size_t i = 0; i < count; ++i) {
        if (!markers[i].begin)
            continue;
        for (std::size_t j = i + 1; j < count && pairedWith[i] < 0; ++j) {
            if (!markers[j].begin && pairedWith[j] < 0 && samePart(i, j)) {
                pairedWith[i] = int(j);
                pairedWith[j] = int(i);
            }
        }
        if (pairedWith[i] < 0)
            broken[i] = "a begin with no end";
    }
    for (std::size_t j = 0; j < count; ++j) {
        if (markers[j].begin || pairedWith[j] >= 0)
            continue;
        bool beginAfter = false;
        for (std::size_t i = j + 1; i < count; ++i)
            beginAfter = beginAfter || (markers[i].begin && samePart(i, j));
        broken[j] = beginAfter ? "parts out of order" : "an end with no begin";
    }
    // A pair with another marker inside it is out of order, and so is that marker's pair.
    for (std::size_t i = 0; i < count; ++i) {
        if (!markers[i].begin || pairedWith[i] < 0)
            continue;
        for (std::size_t k = i + 1; k < std::size_t(pairedWith[i]); ++k) {
            broken[i] = broken[std::size_t(pairedWith[i])] = "parts out of order";
            if (pairedWith[k] >= 0)
                broken[k] = broken[std::size_t(pairedWith[k])] = "parts out of order";
        }
    }

    std::vector<ByteRange> inserted;
    for (std::size_t i = 0; i < count; ++i) {
        if (markers[i].begin && pairedWith[i] >= 0)
            inserted.emplace_back(markers[i].bytes.first, markers[std::size_t(pairedWith[i])].bytes.second);
    }
    std::vector<InsertedItem> items;
    const auto kindOf = [&](const std::string &id) {
        for (const FoundMarker &marker : markers) {
            if (marker.begin && marker.fields.id == id)
                return marker.fields.kind;
        }
        return std::string();
    };
    for (std::size_t i = 0; i < count; ++i) {
        const FoundMarker &marker = markers[i];
        // A pair out of order has one row, at its begin.
        if (!broken[i].empty() && !marker.begin && pairedWith[i] >= 0)
            continue;
        if (!broken[i].empty()) {
            InsertedItem row;
            row.kind = kindOf(marker.fields.id);
            row.id = marker.fields.id;
            row.broken = broken[i];
            row.brokenMarker = marker.bytes;
            row.place = placeOf(page.reading(), marker.bytes.first, inserted);
            items.push_back(std::move(row));
            continue;
        }
        if (!marker.begin)
            continue;
        auto item = std::find_if(items.begin(), items.end(),
                                 [&](const InsertedItem &i) { return i.broken.empty() && i.id == marker.fields.id; });
        if (item == items.end()) {
            items.push_back({marker.fields.kind, marker.fields.id, {}, {}, {}, {}, false, {}, {0, 0}});
            item = items.end() - 1;
        }
        const MarkedPart part{marker, {marker.bytes.second, markers[std::size_t(pairedWith[i])].bytes.first}};
        item->parts.push_back(part);
        item->changedByHand = item->changedByHand || hash(between(page.bytes(), part)) != marker.fields.hash;
        if (marker.fields.part == "body" || item->properties.empty())
            item->properties = marker.fields.properties;
        if (marker.fields.part == "body") {
            item->sharedHead = PropertyOf(marker.fields.properties, "head");
            item->place = placeOf(page.reading(), marker.bytes.first, inserted);
        } else if (item->place.empty()) {
            item->place = "in the head";
        }
    }
    return items;
}

namespace {

bool sharedByAnother(const InsertedItem &item, const std::vector<InsertedItem> &items)
{
    return std::any_of(items.begin(), items.end(), [&](const InsertedItem &other) {
        return other.id != item.id && other.broken.empty() && other.sharedHead == item.id;
    });
}

// The spans the item takes of the page, but for a head part another item shares.
std::vector<ByteRange> spansOf(const PageForInsert &page, const InsertedItem &item,
                               const std::vector<InsertedItem> &items)
{
    const bool keepHead = sharedByAnother(item, items);
    std::vector<ByteRange> spans;
    for (const MarkedPart &part : item.parts) {
        if (!(keepHead && part.begin.fields.part == "head"))
            spans.push_back(PartSpan(page.bytes(), part));
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

// Where a byte of the page stands once the spans are taken out.
std::size_t without(std::size_t at, const std::vector<ByteRange> &spans)
{
    std::size_t moved = 0;
    for (const ByteRange &span : spans) {
        if (span.second <= at)
            moved += span.second - span.first;
    }
    return at - moved;
}

} // namespace

std::string WithoutItem(const PageForInsert &page, const InsertedItem &item, const std::vector<InsertedItem> &items)
{
    return WithoutSpans(page.bytes(), spansOf(page, item, items));
}

Splice ReplaceItem(const PageForInsert &page, const InsertedItem &item, const std::vector<InsertedItem> &items,
                   const WizardCode &code, const CodeSources &sources, const Sha256Hex &hash)
{
    const std::vector<ByteRange> spans = spansOf(page, item, items);
    const PageForInsert rest(WithoutSpans(page.bytes(), spans), page.writing().xhtml);
    SpliceTarget target{item.id, std::nullopt, std::nullopt, {}, 0};
    for (const MarkedPart &part : item.parts) {
        const std::size_t at = without(PartSpan(page.bytes(), part).first, spans);
        if (part.begin.fields.part == "head") {
            if (!sharedByAnother(item, items))
                target.head = at;
            continue;
        }
        target.body = at;
        // The new code lands where the old code's first element stood.
        const std::size_t first = part.between.first + FirstElementIn(between(page.bytes(), part));
        const std::vector<PageElement> &elements = page.reading().elements;
        const auto element =
            std::find_if(elements.begin(), elements.end(), [first](const PageElement &e) { return e.start == first; });
        if (element == elements.end()) {
            Splice refused;
            refused.refusal = "The code of " + item.id + " holds no element to replace.";
            return refused;
        }
        target.parentPath = PathOf(page.reading(), int(element - elements.begin()));
        target.index = target.parentPath.back();
        target.parentPath.pop_back();
    }
    Splice splice = rest.spliceAt(code, sources, target, hash);
    // The head part others share stays as it is, and this item takes a head of its own under the same id.
    if (splice.refusal.empty() && sharedByAnother(item, items) && splice.head.first != splice.head.second)
        splice.refusal = "Its style in the head serves other code of the page too, which needs it as it is.";
    return splice;
}

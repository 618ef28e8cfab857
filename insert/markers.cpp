// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/markers.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view Opening = "<!-- quillarc ";
constexpr std::string_view Closing = "-->";

bool staysAsIs(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '~';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    for (std::size_t i = text.find_first_not_of(' '); i != std::string_view::npos;) {
        const std::size_t end = text.find(' ', i);
        found.push_back(text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
        i = end == std::string_view::npos ? end : text.find_first_not_of(' ', end);
    }
    return found;
}

} // namespace

std::string PercentEncoded(std::string_view text)
{
    constexpr std::string_view Hex = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        if (staysAsIs(c)) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += Hex[byte >> 4];
            encoded += Hex[byte & 0xF];
        }
    }
    return encoded;
}

std::string PercentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string BeginMarker(const MarkerFields &fields)
{
    std::string marker = std::string(Opening) + "begin " + fields.kind + " " + fields.id + " " + fields.part +
                         " version=" + std::to_string(MarkerVersion) + " sha256=" + fields.hash;
    for (const auto &[name, value] : fields.properties)
        marker += " " + name + "=" + PercentEncoded(value);
    return marker + " " + std::string(Closing);
}

std::string EndMarker(std::string_view id, std::string_view part)
{
    return std::string(Opening) + "end " + std::string(id) + " " + std::string(part) + " " + std::string(Closing);
}

std::vector<FoundMarker> ScanMarkers(std::string_view page)
{
    std::vector<FoundMarker> found;
    for (std::size_t at = page.find(Opening); at != std::string_view::npos; at = page.find(Opening, at + 1)) {
        const std::size_t close = page.find(Closing, at + Opening.size());
        if (close == std::string_view::npos)
            break;
        const std::vector<std::string_view> said = words(page.substr(at + Opening.size(), close - at - Opening.size()));
        FoundMarker marker;
        marker.bytes = {at, close + Closing.size()};
        if (said.size() >= 4 && said[0] == "begin") {
            marker.begin = true;
            marker.fields.kind = said[1];
            marker.fields.id = said[2];
            marker.fields.part = said[3];
            for (std::size_t i = 4; i < said.size(); ++i) {
                const std::size_t equals = said[i].find('=');
                if (equals == std::string_view::npos)
                    continue;
                const std::string_view name = said[i].substr(0, equals);
                const std::string_view value = said[i].substr(equals + 1);
                if (name == "version")
                    std::from_chars(value.data(), value.data() + value.size(), marker.version);
                else if (name == "sha256")
                    marker.fields.hash = value;
                else
                    marker.fields.properties.emplace_back(name, PercentDecoded(value));
            }
        } else if (said.size() >= 3 && said[0] == "end") {
            marker.fields.id = said[1];
            marker.fields.part = said[2];
        } else {
            continue;
        }
        found.push_back(std::move(marker));
    }
    return found;
}

std::string NewMarkerId(const std::vector<FoundMarker> &found)
{
    int highest = 0;
    for (const FoundMarker &marker : found) {
        const std::string &id = marker.fields.id;
        int number = 0;
        if (id.size() > 1 && id[0] == 'q' &&
            std::from_chars(id.data() + 1, id.data() + id.size(), number).ptr == id.data() + id.size())
            highest = std::max(highest, number);
    }
    // Appended, not added to the literal: g++ 12 warns of the sum at -O3.
    return std::string("q").append(std::to_string(highest + 1));
}

std::vector<MarkedPart> MarkedParts(const std::vector<FoundMarker> &found)
{
    std::vector<MarkedPart> parts;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i].begin)
            continue;
        const auto end = std::find_if(found.begin() + std::ptrdiff_t(i) + 1, found.end(), [&](const FoundMarker &m) {
            return !m.begin && m.fields.id == found[i].fields.id && m.fields.part == found[i].fields.part;
        });
        if (end != found.end())
            parts.push_back({found[i], {found[i].bytes.second, end->bytes.first}});
    }
    return parts;
}

ByteRange PartSpan(std::string_view page, const MarkedPart &part)
{
    const std::size_t first = part.begin.bytes.first;
    std::size_t last = page.find(Closing, part.between.second) + Closing.size();
    const std::size_t lineStart = first == 0 ? std::string_view::npos : page.find_last_of("\r\n", first - 1);
    const std::size_t blanksFrom = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    const std::string_view blanks = page.substr(blanksFrom, first - blanksFrom);
    if (blanks.find_first_not_of(" \t") == std::string_view::npos) {
        for (const std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
            if (page.substr(last).starts_with(std::string(lineEnd) + std::string(blanks))) {
                last += lineEnd.size() + blanks.size();
                break;
            }
        }
    }
    return {first, last};
}

std::string WithoutSpans(std::string_view page, const std::vector<ByteRange> &spans)
{
    std::string kept;
    kept.reserve(page.size());
    std::size_t from = 0;
    for (const ByteRange &span : spans) {
        if (span.first < from)
            continue; // inside a span already taken out
        kept.append(page.substr(from, span.first - from));
        from = span.second;
    }
    return kept.append(page.substr(from));
}

std::string WithoutMarkedParts(std::string_view page)
{
    std::vector<ByteRange> spans;
    for (const MarkedPart &part : MarkedParts(ScanMarkers(page)))
        spans.push_back(PartSpan(page, part));
    return WithoutSpans(page, spans);
}

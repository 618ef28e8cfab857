// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/code_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower(text[at + i]) != word[i])
            return false;
    }
    return true;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The character whose UTF-8 sequence starts at the byte, and the sequence's length; a byte that
// starts none stands for itself, as in Latin-1.
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char first = byte(at);
    const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (length == 1 || at + length > text.size())
        return {first, 1};
    char32_t character = first & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {first, 1};
        character = (character << 6) | (byte(at + i) & 0x3F);
    }
    return {character, length};
}

std::string hex(unsigned value, int digits)
{
    std::array<char, 16> written{};
    std::snprintf(written.data(), written.size(), "%0*X", digits, value);
    return written.data();
}

// Where a character of the code stands: what a browser reads a reference or an escape as.
enum class Context { Markup, Script, Style };

std::string escaped(char32_t character, Context context)
{
    switch (context) {
    case Context::Markup:
        return "&#" + std::to_string(static_cast<unsigned>(character)) + ";";
    case Context::Style:
        // Six digits end the escape by themselves, whatever follows.
        return std::string("\\").append(hex(static_cast<unsigned>(character), 6)); // g++ 12 warns of a sum
    case Context::Script:
        if (character < 0x10000)
            return "\\u" + hex(static_cast<unsigned>(character), 4);
        const unsigned above = static_cast<unsigned>(character) - 0x10000;
        return "\\u" + hex(0xD800 + (above >> 10), 4) + "\\u" + hex(0xDC00 + (above & 0x3FF), 4);
    }
    return {};
}

bool isVoidTag(std::string_view tag)
{
    static constexpr std::array<std::string_view, 14> Void{"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                                           "input", "link", "meta", "param", "source", "track", "wbr"};
    return std::find(Void.begin(), Void.end(), tag) != Void.end();
}

// The end of the tag that starts at the byte: its '>', past quoted attribute values.
std::size_t tagEnd(std::string_view code, std::size_t at)
{
    char quote = 0;
    for (std::size_t i = at; i < code.size(); ++i) {
        if (quote) {
            if (code[i] == quote)
                quote = 0;
        } else if (code[i] == '"' || code[i] == '\'') {
            quote = code[i];
        } else if (code[i] == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string withLineEnds(std::string_view code, const std::string &lineEnd)
{
    std::string written;
    written.reserve(code.size() + code.size() / 16);
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '\r' || code[i] == '\n') {
            written += lineEnd;
            if (code[i] == '\r' && i + 1 < code.size() && code[i + 1] == '\n')
                ++i;
        } else {
            written += code[i];
        }
    }
    return written;
}

} // namespace

std::size_t FirstElementIn(std::string_view text)
{
    for (std::size_t i = text.find('<'); i != std::string_view::npos; i = text.find('<', i + 1)) {
        if (i + 1 < text.size() && isLetter(text[i + 1]))
            return i;
    }
    return std::string_view::npos;
}

std::string LineEndOf(std::string_view page)
{
    const std::size_t at = page.find_first_of("\r\n");
    if (at == std::string_view::npos || page[at] == '\n')
        return "\n";
    return at + 1 < page.size() && page[at + 1] == '\n' ? "\r\n" : "\r";
}

PageWriting WritingOf(const PageReading &reading, std::string_view page, bool xhtmlName)
{
    PageWriting writing;
    writing.lineEnd = LineEndOf(page);
    writing.xhtml = xhtmlName || (reading.xmlDeclaration && reading.xhtmlNamespace);
    const bool utf8 = reading.charset == "utf-8" || reading.charset == "utf8";
    // An XML page that names no encoding is UTF-8.
    const bool xmlUtf8 = writing.xhtml && reading.charset.empty();
    writing.asciiOnly = !(reading.bom > 0 || utf8 || xmlUtf8);
    return writing;
}

std::string AdaptedCode(std::string_view code, const PageWriting &writing)
{
    std::string written;
    written.reserve(code.size());
    Context context = Context::Markup;
    std::size_t closeAt = std::string_view::npos; // the '>' of a void element to close
    for (std::size_t i = 0; i < code.size();) {
        const char c = code[i];
        if (i == closeAt) {
            written += written.ends_with(' ') ? "/" : " /";
        } else if (c == '<' && context != Context::Markup) {
            // Only the end tag of its own element ends a script or a style sheet.
            if (startsWithNoCase(code, i, context == Context::Script ? "</script" : "</style"))
                context = Context::Markup;
        } else if (c == '<' && i + 1 < code.size() && isLetter(code[i + 1])) {
            std::size_t nameEnd = i + 1;
            while (nameEnd < code.size() && (isLetter(code[nameEnd]) || (code[nameEnd] >= '0' && code[nameEnd] <= '9')))
                ++nameEnd;
            std::string tag(code.substr(i + 1, nameEnd - i - 1));
            std::transform(tag.begin(), tag.end(), tag.begin(), lower);
            if (tag == "script" || tag == "style")
                context = tag == "script" ? Context::Script : Context::Style;
            const std::size_t end = tagEnd(code, nameEnd);
            if (writing.xhtml && isVoidTag(tag) && end != std::string_view::npos && code[end - 1] != '/')
                closeAt = end;
        }
        if (static_cast<unsigned char>(c) >= 0x80 && writing.asciiOnly) {
            const auto [character, length] = decode(code, i);
            written += escaped(character, context);
            i += length;
            continue;
        }
        written += c;
        ++i;
    }
    return withLineEnds(written, writing.lineEnd);
}

std::string InsertedText::joined(std::string_view begin, std::string_view end) const
{
    std::string text;
    text.reserve(begin.size() + between.size() + end.size() + after.size());
    return text.append(begin).append(between).append(end).append(after);
}

InsertedText TextToInsert(std::string_view page, std::size_t at, std::string_view code, const std::string &lineEnd)
{
    const std::size_t lineStart = page.find_last_of("\r\n", at == 0 ? std::string_view::npos : at - 1);
    const std::size_t first = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    const std::string_view blanks = page.substr(first, at - first);
    if (blanks.find_first_not_of(" \t") != std::string_view::npos)
        return {std::string(code), {}};
    const std::string breakLine = lineEnd + std::string(blanks);
    std::string between = breakLine;
    for (std::size_t i = 0; i < code.size();) {
        const std::size_t end = code.find(lineEnd, i);
        between.append(code.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
        between += breakLine;
        if (end == std::string_view::npos)
            break;
        i = end + lineEnd.size();
    }
    return {std::move(between), breakLine};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/html_text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

std::string HtmlAttributeText(const std::string &text)
{
    std::string written;
    written.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            written += "&amp;";
            break;
        case '"':
            written += "&quot;";
            break;
        case '<':
            written += "&lt;";
            break;
        case '>':
            written += "&gt;";
            break;
        default:
            written += c;
        }
    }
    return written;
}

namespace {

// Which attribute a URL goes into: what a # and a comma mean there.
enum class UrlPlace { Link, Picture, Srcset };

constexpr std::string_view Blanks = " \t\n\f\r";

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether a browser reads the URL as a web or file address, where a backslash is a slash: one of
// those schemes, or none (a relative URL, whose page has such an address). Elsewhere, as in
// javascript: or mailto:, a backslash is a character of its own.
bool slashesBackslashes(std::string_view url)
{
    const std::size_t colon = url.find(':');
    const auto schemeCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
               c == '.';
    };
    if (colon == std::string_view::npos || colon == 0 ||
        !std::all_of(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(colon), schemeCharacter))
        return true;
    std::string scheme(url.substr(0, colon));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), asciiLower);
    constexpr std::array<std::string_view, 6> Special{"http", "https", "file", "ftp", "ws", "wss"};
    return std::ranges::find(Special, scheme) != Special.end();
}

// Where the host of a URL with one ends ("http://[::1]:8080/a" at the /); 0 for a URL without a
// host. Brackets before that place enclose an IPv6 address and stay.
std::size_t hostEnd(std::string_view url)
{
    const std::size_t slashes = url.find("//");
    const std::size_t scheme = url.find_first_of(":/?#");
    if (slashes == std::string_view::npos || (slashes != 0 && (url[scheme] != ':' || slashes != scheme + 1)))
        return 0;
    return std::min(url.find_first_of("/?#", slashes + 2), url.size());
}

std::string urlText(const std::string &typed, UrlPlace place)
{
    const std::size_t first = typed.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    std::string url = typed.substr(first, typed.find_last_not_of(Blanks) - first + 1);
    if (slashesBackslashes(url))
        std::replace(url.begin(), url.end(), '\\', '/');
    const std::size_t host = hostEnd(url);
    bool inFragment = false;
    std::string written;
    written.reserve(url.size());
    for (std::size_t at = 0; at < url.size(); ++at) {
        const char c = url[at];
        const auto byte = static_cast<unsigned char>(c);
        bool encode = byte <= 0x20 || byte >= 0x7F || std::string_view("\"<>`{}|^\\").find(c) != std::string_view::npos;
        if (c == '%')
            encode = at + 2 >= url.size() || !isHexDigit(url[at + 1]) || !isHexDigit(url[at + 2]);
        else if (c == '#')
            encode = place != UrlPlace::Link || std::exchange(inFragment, true);
        else if (c == '[' || c == ']')
            encode = at >= host;
        else if (c == ',')
            encode = place == UrlPlace::Srcset;
        if (c == '&') {
            written += "&amp;";
        } else if (encode) {
            constexpr std::string_view Hex = "0123456789ABCDEF";
            written += '%';
            written += Hex[byte >> 4];
            written += Hex[byte & 0xF];
        } else {
            written += c;
        }
    }
    return written;
}

} // namespace

std::string HtmlUrlAttributeText(const std::string &url)
{
    return urlText(url, UrlPlace::Link);
}

std::string HtmlLinkAttributeText(const std::string &link)
{
    std::string written = HtmlUrlAttributeText(link);
    if (written == "http://" || written == "https://")
        return "#";
    return written;
}

std::string HtmlPictureAttributeText(const std::string &name)
{
    return urlText(name, UrlPlace::Picture);
}

std::string SrcsetAttribute(const std::string &twiceName)
{
    if (twiceName.empty())
        return {};
    return " srcset=\"" + urlText(twiceName, UrlPlace::Srcset) + " 2x\"";
}

std::string ClassicPictureText(const std::string &name)
{
    std::string written;
    for (const char c : name)
        written += c == '#' ? std::string("%23") : std::string(1, c);
    return written;
}

std::string TwiceDensityName(const std::string &fileName)
{
    const std::size_t folder = fileName.find_last_of("/\\");
    const std::size_t nameStart = folder == std::string::npos ? 0 : folder + 1;
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        return fileName + "@2x";
    return fileName.substr(0, dot) + "@2x" + fileName.substr(dot);
}

std::string LinkHint(const std::string &link)
{
    // A browser drops controls and blanks before a URL, and tabs and line breaks anywhere in it.
    std::string read;
    for (const char c : link) {
        if (c != '\t' && c != '\n' && c != '\r' && (!read.empty() || static_cast<unsigned char>(c) > 0x20))
            read += asciiLower(c);
    }
    if (!read.starts_with("javascript:"))
        return {};
    return "This link runs a script when it is clicked: use only a script you trust.";
}

std::optional<std::string> WholeNumberIn(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    std::string digits = text.substr(first, last - first + 1);
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return digits;
}

std::string StandardsPage(const std::string &titleLine, const std::string &head, const std::string &body)
{
    return std::string(StandardsPageStart) + titleLine + "\r\n" + head +
           "\r\n"
           "</head>\r\n"
           "<body>\r\n" +
           body +
           "\r\n"
           "</body>\r\n"
           "</html>\r\n";
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/html_text.h"

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

std::string HtmlUrlAttributeText(const std::string &url)
{
    std::string written;
    written.reserve(url.size());
    for (const char c : url) {
        switch (c) {
        case '&':
            written += "&amp;";
            break;
        case '"':
            written += "%22";
            break;
        case '<':
            written += "%3C";
            break;
        case '>':
            written += "%3E";
            break;
        default:
            written += c;
        }
    }
    return written;
}

std::string HtmlLinkAttributeText(const std::string &link)
{
    if (link == "http://" || link == "https://")
        return "#";
    return HtmlUrlAttributeText(link);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_page.h"

#include "text/html_text.h"

std::string RolloverPage(const std::string &head, const std::string &body)
{
    // The title stands before the head element, as it always has.
    return "<html>\r\n"
           "<title> Quillarc: Rollover Page </title>\r\n"
           "<head> \r\n" +
           head +
           "\r\n"
           "</head>\r\n"
           "<Body> \r\n" +
           body +
           "\r\n"
           "</body> </html>\r\n";
}

std::string ModernRolloverPage(const std::string &head, const std::string &body)
{
    return StandardsPage("<title> Quillarc: Rollover Page </title>", head, body);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_page.h"

#include "text/html_text.h"

std::string ButtonPage(const std::string &head, const std::string &body)
{
    return "<html>\r\n"
           "<head> <title> Quillarc 2: Button Page </title>\r\n" +
           head +
           "\r\n"
           "</head> <body> \r\n" +
           body +
           "\r\n"
           "</body> </html>\r\n";
}

std::string ModernButtonPage(const std::string &head, const std::string &body)
{
    return StandardsPage("<title> Quillarc 2: Button Page </title>", head, body);
}

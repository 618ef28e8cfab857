// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_code.h"

namespace {
constexpr const char *CrLf = "\r\n";
}

RolloverCode GenerateRolloverCode(const RolloverProperties &p)
{
    // The values go in as typed: nothing is trimmed, escaped or parsed.
    RolloverCode code;
    code.head = std::string("<script language=\"JavaScript\">") + CrLf        //
                + "<!-- Created by Quillarc 2--> " + CrLf                     //
                + "<!--" + CrLf                                               //
                + p.Image1Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image1Name + ".src=\"" + p.Image1Src + "\"" + CrLf        //
                + p.Image2Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image2Name + ".src=\"" + p.Image2Src + "\"" + CrLf        //
                + "//-->" + CrLf                                              //
                + "</script>";
    code.body = "<a href=\"" + p.RolloverLink + "\"" + " onmouseover=" + CrLf                                     //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image2Name + ".src\" onmouseout=" + CrLf //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image1Name + ".src\">" + CrLf            //
                + "<img src=\"" + p.Image1Src + "\"" + " name=\"" + p.RolloverName + "\"" + "></a>";
    return code;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The CSS link effects the wizard offers, named after the buttons that choose them.
// FontSize, ForeColor and BackColor take a value from the user; the others take none.
enum class LinkEffect { FontSize, ForeColor, BackColor, Uppercase, Lowercase, Lineless };

// The snippet of one effect. The value goes in exactly as typed (not trimmed, checked or
// escaped) and is ignored by the effects that take none.
std::string LinkEffectSnippet(LinkEffect effect, const std::string &value);

// The final code with one more snippet: the final code, CR LF, the snippet. The line break
// is written also into an empty final code, so the first line of a built final code is empty.
std::string AppendToFinalCode(const std::string &finalCode, const std::string &snippet);

// The link effects page around a final code, with an example link; every line, the last
// included, ends in CR LF. The final code runs straight on from the comment line and
// straight into "</head>".
std::string LinkEffectsPage(const std::string &finalCode);

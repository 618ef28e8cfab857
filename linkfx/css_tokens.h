// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The pieces of a style sheet, as a browser cuts it up, that the example link's reader
// (linkfx/link_style.h) takes the final code's style sheets apart with.

struct CssToken {
    enum class Kind {
        Blank,
        Ident,
        Function, // a name with its opening parenthesis
        Url,      // url(...) without quotes, whole
        AtKeyword,
        Hash,
        String,
        BadString, // a string that a line break ends
        Number,
        Percentage,
        Dimension,
        Delim,
        Colon,
        Semicolon,
        Comma,
        OpenBrace,
        CloseBrace,
        OpenParen,
        CloseParen,
        OpenBracket,
        CloseBracket,
        MarkupOpen,  // <!--
        MarkupClose, // -->
        Comment,     // dropped: a comment is no piece
    };

    Kind kind;
    std::size_t begin; // in the style sheet's text
    std::size_t end;
};

// Cuts a style sheet into pieces in one pass, each character looked at a fixed number of times;
// a string, a comment or a url(...) that the text ends runs to its end. steps: grows by every
// character looked at, the few looked at ahead of a piece counted once.
std::vector<CssToken> CssTokens(std::string_view css, std::size_t &steps);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A page's bytes as a text box shows them: one block a line (a line break is CR LF, LF or CR, as a
// browser reads it), and where each byte stands in the text.
class SourceText final {
public:
    // utf8: the bytes are read as UTF-8; otherwise as Latin-1, which reads any byte.
    SourceText(std::string page, bool utf8);

    const QString &text() const { return m_text; }
    // The character position of the byte in the text.
    int position(std::size_t byte) const;
    // The byte the line begins at.
    std::size_t lineStart(int line) const;

    // Whether the bytes are UTF-8 throughout.
    static bool isUtf8(std::string_view bytes);

private:
    QString decoded(std::size_t first, std::size_t last) const;

    std::string m_page;
    bool m_utf8;
    QString m_text;
    std::vector<std::size_t> m_lineBytes; // where each line begins in the bytes
    std::vector<int> m_linePositions;     // and in the text
};

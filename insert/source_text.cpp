// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/source_text.h"

#include <QStringDecoder>

#include <algorithm>

SourceText::SourceText(std::string page, bool utf8)
    : m_page(std::move(page))
    , m_utf8(utf8)
{
    m_text.reserve(qsizetype(m_page.size()));
    for (std::size_t first = 0;;) {
        const std::size_t end = std::min(m_page.find_first_of("\r\n", first), m_page.size());
        QString line = decoded(first, end);
        // A paragraph separator would start a block of its own.
        line.replace(QChar::ParagraphSeparator, u' ');
        m_lineBytes.push_back(first);
        m_linePositions.push_back(int(m_text.size()));
        m_text += line;
        if (end == m_page.size())
            break;
        m_text += u'\n';
        first = end + (m_page.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

bool SourceText::isUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    // The decoding finds an error; the text it gives is not needed.
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    const QString text = decoder.decode(view); // clazy:exclude=unused-non-trivial-variable
    return !decoder.hasError();
}

QString SourceText::decoded(std::size_t first, std::size_t last) const
{
    const char *bytes = m_page.data() + first;
    const auto size = qsizetype(last - first);
    return m_utf8 ? QString::fromUtf8(bytes, size) : QString::fromLatin1(bytes, size);
}

int SourceText::position(std::size_t byte) const
{
    const auto line = std::upper_bound(m_lineBytes.begin(), m_lineBytes.end(), byte) - m_lineBytes.begin() - 1;
    const std::size_t first = m_lineBytes[std::size_t(line)];
    const std::size_t next =
        std::size_t(line) + 1 < m_lineBytes.size() ? m_lineBytes[std::size_t(line) + 1] : m_page.size();
    // A byte inside the line break stands at the line's end.
    const std::size_t last = std::min(byte, std::min(m_page.find_first_of("\r\n", first), next));
    return m_linePositions[std::size_t(line)] + int(decoded(first, last).size());
}

std::size_t SourceText::lineStart(int line) const
{
    return m_lineBytes[std::size_t(std::clamp(line, 0, int(m_lineBytes.size()) - 1))];
}

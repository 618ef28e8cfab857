// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/line_break_rows.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

namespace testrows {

void addLineBreakRows(const QStringList &uses)
{
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<QString>("use");
    QTest::addColumn<bool>("edited");
    const QList<std::pair<const char *, QString>> breaks{{"LF", u"\n"_s},
                                                         {"CR", u"\r"_s},
                                                         {"U+2028", QString(QChar::LineSeparator)},
                                                         {"U+2029", QString(QChar::ParagraphSeparator)}};
    for (const auto &[kind, lineBreak] : breaks)
        for (const QString &use : uses)
            for (const bool edited : {false, true})
                QTest::addRow("%s, %s%s", kind, qPrintable(use), edited ? ", edited" : "")
                    << lineBreak << use << edited;
}

} // namespace testrows

// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/css_tokens.h"

#include <QtTest>

#include <string>
#include <utility>

using namespace Qt::StringLiterals;

class TestCssTokens final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A style sheet and its pieces: each as its kind and its text in brackets, punctuation as
    // its text alone, a blank as _.
    void pieces_data()
    {
        QTest::addColumn<QByteArray>("css");
        QTest::addColumn<QString>("pieces");
        const std::pair<const char *, const char *> rows[] = {
            {"", ""},
            {"a/* x */b", "ident[a] ident[b]"},
            {"/*/ x */b", "ident[b]"},
            {"a/**/:hover", "ident[a] : ident[hover]"},
            {"\"/*\"a", "string[\"/*\"] ident[a]"},
            {"a/* never closed", "ident[a]"},
            {"'it'\"s\"", "string['it'] string[\"s\"]"},
            {"\"a'b\\\"c\\\nd\"e", "string[\"a'b\\\"c\\\nd\"] ident[e]"},
            {"\"ab\nc", "bad-string[\"ab] _ ident[c]"},
            {"\"never closed\\", "string[\"never closed\\]"},
            {"a\\:b \\{ -\\-", "ident[a\\:b] _ ident[\\{] _ ident[-\\-]"},
            {"#\\.x a\\\n", "hash[#\\.x] _ ident[a] delim[\\] _"},
            {"12px 50% 1.5", "dimension[12px] _ percentage[50%] _ number[1.5]"},
            {"1e3 1e 12.", "number[1e3] _ dimension[1e] _ number[12] delim[.]"},
            {".5em .x", "dimension[.5em] _ delim[.] ident[x]"},
            {"-.5 +2 1-2", "number[-.5] _ number[+2] _ number[1] number[-2]"},
            {"-x --y gr\xc3\xbcn", "ident[-x] _ ident[--y] _ ident[gr\xc3\xbcn]"},
            {"#fff #1a # a>b", "hash[#fff] _ hash[#1a] _ delim[#] _ ident[a] delim[>] ident[b]"},
            {"@media @ x", "at[@media] _ delim[@] _ ident[x]"},
            {"url(a b.png) URL(x)", "url[url(a b.png)] _ url[URL(x)]"},
            {"url( \"a\" )", "function[url(] _ string[\"a\"] _ )"},
            {"url(never closed", "url[url(never closed]"},
            {"<!-- a -->", "<!-- _ ident[a] _ -->"},
            {"@media(x){a{b:c;}}", "at[@media] ( ident[x] ) { ident[a] { ident[b] : ident[c] ; } }"},
            {"a{b:f(g([1]),2)}", "ident[a] { ident[b] : function[f(] function[g(] [ number[1] ] ) , number[2] ) }"},
            {"a{b:f(\"c", "ident[a] { ident[b] : function[f(] string[\"c]"},
        };
        for (const auto &[css, pieces] : rows)
            QTest::newRow(css) << QByteArray(css) << QString::fromUtf8(pieces);
    }
    void pieces()
    {
        QFETCH(QByteArray, css);
        QFETCH(QString, pieces);
        // Punctuation is named by its text, a blank by _.
        const char *const kinds[] = {"_",      "ident",      "function",  "url",   "at", "hash", "string", "bad-string",
                                     "number", "percentage", "dimension", "delim", "",   "",     "",       "",
                                     "",       "",           "",          "",      "",   "",     "",       "comment"};
        const std::string text = css.toStdString();
        std::size_t steps = 0;
        QStringList read;
        for (const CssToken &token : CssTokens(text, steps)) {
            const QString piece = QString::fromStdString(text.substr(token.begin, token.end - token.begin));
            const QString kind = QString::fromUtf8(kinds[int(token.kind)]);
            read << (kind.isEmpty() ? piece : token.kind == CssToken::Kind::Blank ? kind : kind + u'[' + piece + u']');
        }
        QCOMPARE(read.join(u' '), pieces);
    }
};

QTEST_APPLESS_MAIN(TestCssTokens)
#include "test_css_tokens.moc"

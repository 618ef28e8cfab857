// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pages and pictures that the browser checks open: the pictures as real files of
// one colour each, the pages through the same code and page functions and the same encoding
// of picked names that the windows use. What to write comes as a JSON order:
//
//   write_pages ORDER.json FOLDER
//
//   {"pictures": [{"file": "up.gif", "colour": [255, 0, 0], "size": [48, 48]}, ...],
//    "pages": [{"file": "a.html", "kind": "rollover", "pictures": ["up.gif", "over.jpg"]},
//              {"file": "b.html", "kind": "button", "pictures": ["d.gif", "", "dn.bmp"]},
//              {"file": "c.html", "kind": "linkfx", "effects": [["FontSize", "20px"]], "scope": "nav"}, ...]}
//
// A link effects page holds the final code the window builds from its effects: the modern one
// in one style element, or with "separate": true each effect's modern snippet added on its own.
// One with "code" holds that text as a final code edited by hand, in both kinds. "scope" fills
// "Only links inside:": the rules are for the links inside it, and the page's link stands there.
//
// A page with "standards": true holds the two codes pasted into an author's standards page, with
// a paragraph before and after the code (link effects: the final code in its head, the example
// link in its body). A page with "modern": true holds the modern code and,
// unless pasted, is the modern page. "alt" fills the alt text box and "link" the link box, "size"
// ([width, height]) the size boxes; "typed": true types the pictures' file names into their boxes
// as they stand, where a pick would encode them. A picture with a sibling of twice the density
// beside it ("up@2x.png" beside "up.png") has that sibling's name in its 2x field, as the windows
// fill it. Every other box keeps the text its window opens with.
//
// A page with "through": "browser" is written as "Open in Browser" writes it, with copies of its
// pictures beside it; one with "through": "save" is saved as "Save as HTML" saves it, the copies
// of its pictures taken. Such a page's file names a folder of its own ("shown/a.html"), which
// the pictures are copied into from the order's folder.
//
// A page with "into" is that page of the folder (it may be itself) with the code inserted at the
// end of its body by "Insert into Page"; one of kind "author" is an author's page with a script.
//
// Beside the pages, codes.json tells for each page the bytes of the classic and of the modern
// code of the same boxes: {"a.html": {"classic": [head, body], "modern": [head, body]}, ...};
// for link effects the head is the final code and the body empty.
//
// Exits with 1 and a message when anything cannot be written.
#include "button/button_code.h"
#include "button/button_insert.h"
#include "button/button_page.h"
#include "insert/page_insert.h"
#include "linkfx/link_effects.h"
#include "linkfx/link_style.h"
#include "pages/page_pictures.h"
#include "pages/page_saver.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_insert.h"
#include "rollover/rollover_page.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_images.h"
#include "text/html_text.h"
#include "ui/files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace {

class OrderError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text a picture box holds after the picture at this path was picked.
std::string pickedName(const QString &path)
{
    return ui::urlFromFileName(ui::fileNameOf(path)).toStdString();
}

// The head code and the body code in a page an author writes in standards mode, with text
// after the code (which must not move while the pictures load). The page's own parts pass the
// validators and the audit, so what they find is the code's.
std::string standardsPage(const std::string &head, const std::string &body)
{
    return "<!DOCTYPE html>\r\n"
           "<html lang=\"en\">\r\n"
           "<head>\r\n"
           "<meta charset=\"utf-8\">\r\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
           "<title>Pasted into a standards-mode page</title>\r\n" +
           head +
           "\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<p>The code:</p>\r\n" +
           body +
           "\r\n"
           "<p id=\"after\">Text after the code.</p>\r\n"
           "</body>\r\n"
           "</html>\r\n";
}

// A page as an author writes it, whose script must still run and style sheet still apply.
constexpr const char *AuthorPage =
    "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>An author's page</title>\r\n"
    "<style>\r\np { color: rgb(0, 90, 0); }\r\na { color: rgb(120, 0, 120); }\r\n</style>\r\n<script>\r\n"
    "window.onload = function () {\r\n  document.getElementById('note').textContent = 'Set by the page\\'s script.';\r\n"
    "  document.body.setAttribute('data-ready', 'yes');\r\n};\r\n</script>\r\n</head>\r\n<body>\r\n"
    "<nav><a href=\"#top\">Top</a> | <a href=\"#end\">End</a></nav>\r\n<h1 id=\"top\">My page</h1>\r\n"
    "<p>A paragraph with <a href=\"other.html\">a link</a> in it.</p>\r\n<p id=\"note\">Not yet run.</p>\r\n"
    "<p id=\"end\">The last paragraph.</p>\r\n</body>\r\n</html>\r\n";

// The example link of the link effects page, for a final code pasted into an author's page.
constexpr const char *ExampleLink = "<a href=\"example.html\"> Example Link </a>";

// The two codes of one page, classic and modern, from the same boxes.
struct Codes {
    std::string classicHead, classicBody, modernHead, modernBody;
    WizardCode insert; // the order's code as "Insert into Page" takes it
};

QJsonObject sizes(const Codes &codes)
{
    const auto pair = [](const std::string &head, const std::string &body) {
        return QJsonArray{qint64(head.size()), qint64(body.size())};
    };
    return QJsonObject{{u"classic"_s, pair(codes.classicHead, codes.classicBody)},
                       {u"modern"_s, pair(codes.modernHead, codes.modernBody)}};
}

class PageWriter final {
public:
    explicit PageWriter(const QDir &folder)
        : m_folder(folder)
    {}

    void writePicture(const QJsonObject &order) const
    {
        const QString path = m_folder.filePath(order[u"file"].toString());
        const QJsonArray rgb = order[u"colour"].toArray();
        const QJsonArray size = order[u"size"].toArray();
        const QColor colour(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
        const int width = size[0].toInt();
        const int height = size[1].toInt();
        const bool written = path.endsWith(u".gif"_s) ? testimages::writeGif(path, width, height, colour)
                                                      : testimages::writePicture(path, width, height, colour);
        if (!written)
            throw OrderError("cannot write the picture " + path.toStdString());
    }

    void writePage(const QJsonObject &order)
    {
        const QString kind = order[u"kind"].toString();
        if (kind == u"author"_s)
            return write(order[u"file"].toString(), AuthorPage);
        Codes codes;
        if (kind == u"rollover"_s)
            codes = rolloverCodes(order);
        else if (kind == u"button"_s)
            codes = buttonCodes(order);
        else if (kind == u"linkfx"_s)
            codes = linkEffectsCodes(order);
        else
            throw OrderError("unknown page kind " + kind.toStdString());
        const QString through = order[u"through"].toString();
        if (!order[u"into"].toString().isEmpty())
            write(order[u"file"].toString(), inserted(order, codes.insert));
        else if (through.isEmpty())
            write(order[u"file"].toString(), page(kind, order, codes));
        else
            writeThrough(order, through, page(kind, order, codes));
        m_sizes[order[u"file"].toString()] = sizes(codes);
        if (kind == u"linkfx"_s)
            m_looks[order[u"file"].toString()] = looks(order, codes);
    }

    void writeSizes() const
    {
        write(u"codes.json"_s, QJsonDocument(m_sizes).toJson().toStdString());
        write(u"looks.json"_s, QJsonDocument(m_looks).toJson().toStdString());
    }

private:
    void write(const QString &file, const std::string &text) const
    {
        const QString path = m_folder.filePath(file);
        if (const ui::Result<> written = ui::writeFileAtomically(path, text); !written)
            throw OrderError("cannot write " + path.toStdString() + ": " + written.error().toStdString());
    }

    // The page and its pictures through the code of "Open in Browser" or of "Save as HTML".
    void writeThrough(const QJsonObject &order, const QString &through, const std::string &text) const
    {
        const QString path = m_folder.filePath(order[u"file"].toString());
        const QFileInfo page(path);
        if (!QDir().mkpath(page.absolutePath()))
            throw OrderError("cannot make the folder of " + path.toStdString());
        QStringList pictures;
        for (const QJsonValue &file : order[u"pictures"].toArray()) {
            if (!file.toString().isEmpty())
                pictures.append(m_folder.filePath(file.toString()));
        }
        if (through == u"browser"_s) {
            if (const ui::Result<QString> written =
                    ui::writePageWithPictures(page.absolutePath(), page.fileName(), text, pictures);
                !written)
                throw OrderError("cannot write " + path.toStdString() + ": " + written.error().toStdString());
            return;
        }
        if (through != u"save"_s)
            throw OrderError("unknown way to write a page: " + through.toStdString());
        FakeServices services;
        services.answerSave(path);
        services.answerYesNo(true);
        ui::PageSaver saver({u"HTM(L) Files *.html, *.htm "_s, u"*.html"_s});
        const bool saved = saver.save(nullptr, services, text, pictures);
        if (!saved || !services.messages.isEmpty() || services.unexpected != 0 || services.questions.size() != 2)
            throw OrderError(
                "cannot save " + path.toStdString() + " with copies of its pictures" +
                (services.messages.isEmpty() ? std::string() : ": " + services.messages[0].text.toStdString()));
    }

    // The page the order asks for: the window's own page, or the codes pasted into an author's.
    static std::string page(const QString &kind, const QJsonObject &order, const Codes &codes)
    {
        const bool modern = order[u"modern"].toBool();
        const std::string &head = modern ? codes.modernHead : codes.classicHead;
        const std::string &body = modern ? codes.modernBody : codes.classicBody;
        if (order[u"standards"].toBool())
            return kind == u"linkfx"_s ? standardsPage(head, ExampleLink) : standardsPage(head, body);
        if (kind == u"rollover"_s)
            return modern ? ModernRolloverPage(head, body) : RolloverPage(head, body);
        if (kind == u"button"_s)
            return modern ? ModernButtonPage(head, body) : ButtonPage(head, body);
        const std::string scope = order[u"scope"].toString().toStdString();
        return modern ? ModernLinkEffectsPage(head, scope) : LinkEffectsPage(head, scope);
    }

    // The code spliced into a page of the folder at its default place, the pictures beside it.
    std::string inserted(const QJsonObject &order, const WizardCode &code) const
    {
        QFile file(m_folder.filePath(order[u"into"].toString()));
        if (!file.open(QIODevice::ReadOnly))
            throw OrderError("cannot read " + file.fileName().toStdString());
        const PageForInsert into(file.readAll().toStdString(), false);
        std::vector<std::string> sources;
        for (qsizetype at = 0; at < qsizetype(code.pictures.size()); ++at)
            sources.push_back(picture(order, at));
        const Splice splice = into.splice(code, {sources, {}, {}}, into.places().defaultPlace(), [](auto bytes) {
            return QCryptographicHash::hash(QByteArrayView(bytes), QCryptographicHash::Sha256).toHex().toStdString();
        });
        if (!splice.refusal.empty())
            throw OrderError("cannot insert into " + file.fileName().toStdString() + ": " + splice.refusal);
        return splice.page;
    }

    // The full paths of the order's pictures, empty where a box names none.
    std::vector<std::string> picturePaths(const QJsonObject &order) const
    {
        std::vector<std::string> paths;
        for (const QJsonValue &file : order[u"pictures"].toArray())
            paths.push_back(file.toString().isEmpty() ? "" : m_folder.filePath(file.toString()).toStdString());
        return paths;
    }

    // The box's text for the order's picture at this place (or for its sibling of twice the
    // density, when there is one); empty when there is none.
    std::string picture(const QJsonObject &order, qsizetype at, bool twice = false) const
    {
        QString file = order[u"pictures"].toArray().at(at).toString();
        if (twice)
            file = QString::fromStdString(TwiceDensityName(file.toStdString()));
        if (file.isEmpty() || (twice && !m_folder.exists(file)))
            return {};
        return order[u"typed"].toBool() ? file.toStdString() : pickedName(m_folder.filePath(file));
    }

    static std::string size(const QJsonObject &order, qsizetype at, const char *otherwise)
    {
        const QJsonArray size = order[u"size"].toArray();
        return size.isEmpty() ? otherwise : std::to_string(size[at].toInt());
    }

    Codes rolloverCodes(const QJsonObject &order) const
    {
        // Every other box keeps the text the properties window opens with.
        RolloverProperties properties;
        properties.Image1Src = picture(order, 0);
        properties.Image2Src = picture(order, 1);
        properties.Image1Src2x = picture(order, 0, true);
        properties.Image2Src2x = picture(order, 1, true);
        properties.RolloverSize = size(order, 0, "32") + "," + size(order, 1, "32");
        properties.AltText = order[u"alt"].toString().toStdString();
        if (order.contains(u"link"))
            properties.RolloverLink = order[u"link"].toString().toStdString();
        const RolloverCode classic = GenerateRolloverCode(properties);
        const RolloverCode modern = GenerateModernRolloverCode(properties);
        return {classic.head, classic.body, modern.head, modern.body,
                RolloverInsertCode(properties, order[u"modern"].toBool(), picturePaths(order))};
    }

    Codes buttonCodes(const QJsonObject &order) const
    {
        // The boxes as the button editor opens, the size measured from the default picture.
        ButtonSpec fields{"http://",
                          "Example",
                          size(order, 0, "48"),
                          size(order, 1, "48"),
                          picture(order, 0),
                          picture(order, 1),
                          picture(order, 2),
                          "DefaultImage",
                          "MouseOverImage",
                          "MouseDownImage",
                          order[u"alt"].toString().toStdString(),
                          picture(order, 0, true),
                          picture(order, 1, true),
                          picture(order, 2, true)};
        if (order.contains(u"link"))
            fields.ButtonLink = order[u"link"].toString().toStdString();
        const ButtonCode classic = GenerateButtonCode(fields);
        const ButtonCode modern = GenerateModernButtonCode(fields);
        return {classic.head, classic.body, modern.head, modern.body,
                ButtonInsertCode(fields, order[u"modern"].toBool(), picturePaths(order))};
    }

    static Codes linkEffectsCodes(const QJsonObject &order)
    {
        static const std::map<QString, LinkEffect> effects{
            {u"FontSize"_s, LinkEffect::FontSize},   {u"ForeColor"_s, LinkEffect::ForeColor},
            {u"BackColor"_s, LinkEffect::BackColor}, {u"Uppercase"_s, LinkEffect::Uppercase},
            {u"Lowercase"_s, LinkEffect::Lowercase}, {u"Lineless"_s, LinkEffect::Lineless}};
        if (order.contains(u"code"))
            return {order[u"code"].toString().toStdString(), {}, order[u"code"].toString().toStdString(), {}, {}};
        // Each effect chosen, then added to the final code, as the window's buttons do.
        const std::string scope = order[u"scope"].toString().toStdString();
        std::vector<std::optional<ChosenEffect>> added;
        std::string separate;
        for (const QJsonValue &item : order[u"effects"].toArray()) {
            const QJsonArray pair = item.toArray();
            const auto effect = effects.find(pair[0].toString());
            if (effect == effects.end())
                throw OrderError("unknown effect " + pair[0].toString().toStdString());
            added.push_back(ChosenEffect{effect->second, pair[1].toString().toStdString()});
            separate = AppendToFinalCode(separate, ModernLinkEffectSnippet(effect->second, added.back()->value, scope));
        }
        return {ClassicFinalCode(added, scope),
                {},
                order[u"separate"].toBool() ? separate : ModernFinalCode(added, scope),
                {},
                {}};
    }

    // What the window's example link shows for the page's final code, at rest, hovered and
    // focused, as the computed style a browser reports, so that the browser checks can hold it
    // against the page's own link; and the parts it names as not read.
    static QJsonObject looks(const QJsonObject &order, const Codes &codes)
    {
        const bool modern = order[u"modern"].toBool();
        const LinkStyle style =
            ReadLinkStyle(modern ? codes.modernHead : codes.classicHead, modern || order[u"standards"].toBool(),
                          order[u"scope"].toString().toStdString());
        const auto computed = [](const LinkLook &look) {
            const auto rgb = [](const Rgb &colour) {
                return u"rgb(%1, %2, %3)"_s.arg(colour.red).arg(colour.green).arg(colour.blue);
            };
            const QString textCase = look.textCase == LinkLook::Case::Upper   ? u"uppercase"_s
                                     : look.textCase == LinkLook::Case::Lower ? u"lowercase"_s
                                                                              : u"none"_s;
            return QJsonObject{{u"font-size"_s, QString(QString::number(look.fontSizePx, 'g', 6) + u"px"_s)},
                               {u"color"_s, rgb(look.colour)},
                               {u"background-color"_s, look.background ? rgb(*look.background) : u"rgba(0, 0, 0, 0)"_s},
                               {u"text-transform"_s, textCase},
                               {u"text-decoration-line"_s, look.underline ? u"underline"_s : u"none"_s}};
        };
        QJsonArray notRead;
        for (const std::string &part : style.notRead)
            notRead.append(QString::fromStdString(part));
        return {{u"at rest"_s, computed(LookOf(style, false, false))},
                {u"hovered"_s, computed(LookOf(style, true, false))},
                {u"focused"_s, computed(LookOf(style, false, true))},
                {u"not read"_s, notRead}};
    }

    QDir m_folder;
    QJsonObject m_sizes;
    QJsonObject m_looks;
};

} // namespace

int main(int argc, char *argv[])
{
    // The application object lets Qt find its picture writers.
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: write_pages ORDER.json FOLDER\n");
        return 1;
    }
    QFile orderFile(arguments[1]);
    if (!orderFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QJsonObject order = QJsonDocument::fromJson(orderFile.readAll()).object();
    try {
        PageWriter writer{QDir(arguments[2])};
        for (const QJsonValue &picture : order[u"pictures"].toArray())
            writer.writePicture(picture.toObject());
        for (const QJsonValue &page : order[u"pages"].toArray())
            writer.writePage(page.toObject());
        writer.writeSizes();
    } catch (const OrderError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

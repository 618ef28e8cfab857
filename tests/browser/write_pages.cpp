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
//              {"file": "c.html", "kind": "linkfx", "effects": [["FontSize", "20px"]]}, ...]}
//
// A page with "standards": true holds the two codes pasted into an author's page that starts
// with a doctype. Exits with 1 and a message when anything cannot be written.
#include "button/button_code.h"
#include "button/button_page.h"
#include "linkfx/link_effects.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_page.h"
#include "tests/support/test_images.h"
#include "ui/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>

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

// The head code and the body code in a page an author writes in standards mode.
std::string standardsPage(const std::string &head, const std::string &body)
{
    return "<!DOCTYPE html>\r\n"
           "<html>\r\n"
           "<head>\r\n"
           "<title>Pasted into a standards-mode page</title>\r\n" +
           head +
           "\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<p>The code:</p>\r\n" +
           body +
           "\r\n"
           "</body>\r\n"
           "</html>\r\n";
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

    void writePage(const QJsonObject &order) const
    {
        const QString kind = order[u"kind"].toString();
        std::string page;
        if (kind == u"rollover"_s)
            page = rolloverPage(order);
        else if (kind == u"button"_s)
            page = buttonPage(order);
        else if (kind == u"linkfx"_s)
            page = linkEffectsPage(order);
        else
            throw OrderError("unknown page kind " + kind.toStdString());
        const QString path = m_folder.filePath(order[u"file"].toString());
        if (const std::optional<QString> reason = ui::writeFileAtomically(path, page))
            throw OrderError("cannot write " + path.toStdString() + ": " + reason->toStdString());
    }

private:
    // The picked name of the order's picture at this place; empty when none was picked.
    std::string picture(const QJsonObject &order, qsizetype at) const
    {
        const QString file = order[u"pictures"].toArray().at(at).toString();
        return file.isEmpty() ? std::string() : pickedName(m_folder.filePath(file));
    }

    std::string rolloverPage(const QJsonObject &order) const
    {
        // Every other box keeps the text the properties window opens with.
        RolloverProperties properties;
        properties.Image1Src = picture(order, 0);
        properties.Image2Src = picture(order, 1);
        const RolloverCode code = GenerateRolloverCode(properties);
        return order[u"standards"].toBool() ? standardsPage(code.head, code.body) : RolloverPage(code.head, code.body);
    }

    std::string buttonPage(const QJsonObject &order) const
    {
        // The boxes as the button editor opens, the size measured from the default picture.
        ButtonSpec fields{"http://",
                          "Example",
                          "48",
                          "48",
                          picture(order, 0),
                          picture(order, 1),
                          picture(order, 2),
                          "DefaultImage",
                          "MouseOverImage",
                          "MouseDownImage"};
        const ButtonCode code = GenerateButtonCode(fields);
        return order[u"standards"].toBool() ? standardsPage(code.head, code.body) : ButtonPage(code.head, code.body);
    }

    std::string linkEffectsPage(const QJsonObject &order) const
    {
        static const std::map<QString, LinkEffect> effects{
            {u"FontSize"_s, LinkEffect::FontSize},   {u"ForeColor"_s, LinkEffect::ForeColor},
            {u"BackColor"_s, LinkEffect::BackColor}, {u"Uppercase"_s, LinkEffect::Uppercase},
            {u"Lowercase"_s, LinkEffect::Lowercase}, {u"Lineless"_s, LinkEffect::Lineless}};
        // Each effect chosen, then added to the final code, as the window's buttons do.
        std::string finalCode;
        for (const QJsonValue &item : order[u"effects"].toArray()) {
            const QJsonArray pair = item.toArray();
            const auto effect = effects.find(pair[0].toString());
            if (effect == effects.end())
                throw OrderError("unknown effect " + pair[0].toString().toStdString());
            finalCode =
                AppendToFinalCode(finalCode, LinkEffectSnippet(effect->second, pair[1].toString().toStdString()));
        }
        return LinkEffectsPage(finalCode);
    }

    QDir m_folder;
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
        const PageWriter writer{QDir(arguments[2])};
        for (const QJsonValue &picture : order[u"pictures"].toArray())
            writer.writePicture(picture.toObject());
        for (const QJsonValue &page : order[u"pages"].toArray())
            writer.writePage(page.toObject());
    } catch (const OrderError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

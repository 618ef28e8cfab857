// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/insert_window.h"

#include "insert/inserted_window.h"
#include "insert/outline_model.h"
#include "insert/page_dialog.h"
#include "insert/page_hints.h"
#include "insert/source_text.h"
#include "pages/page_pictures.h"
#include "pictures/twice_density.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/note.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/workspace.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"Quillarc 2"_s;

// The source a Content-Security-Policy takes for a style element of this text.
std::string styleSource(std::string_view text)
{
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())), QCryptographicHash::Sha256);
    return "'sha256-" + hash.toBase64().toStdString() + "'";
}

// A name relative to the page as a URL: each folder and the file's name encoded on its own.
std::string urlOfName(const QString &name)
{
    QStringList parts = name.split(u'/');
    for (QString &part : parts)
        part = ui::urlFromFileName(part);
    return parts.join(u'/').toStdString();
}

QString fateText(const PlannedPicture &picture)
{
    switch (picture.fate) {
    case PictureFate::UsedWhereItIs:
        return u"used where it is"_s;
    case PictureFate::AlreadyThere:
        return u"already there"_s;
    case PictureFate::CopiedBeside:
        return u"copied beside the page"_s;
    case PictureFate::CopiedAs:
        return u"copied as %1: a different %2 is there"_s.arg(QString::fromStdString(picture.name),
                                                              ui::fileNameOf(QString::fromStdString(picture.path)));
    }
    return {};
}

} // namespace

InsertPage *InsertPage::pickAndOpen(ui::ChildWindow &opener, WizardCode code)
{
    const std::optional<QString> chosen =
        opener.services().openFileName(&opener, pageRequest(opener.services(), u"Insert into Page"_s));
    if (!chosen || chosen->isEmpty())
        return nullptr;
    ui::rememberFolder(opener.services(), ui::FileKind::Pages, *chosen);
    return open(opener, std::move(code), *chosen, {});
}

InsertPage *InsertPage::openForReplace(ui::ChildWindow &opener, WizardCode code, const QString &page,
                                       const std::string &id)
{
    return open(opener, std::move(code), page, id);
}

InsertPage *InsertPage::open(ui::ChildWindow &opener, WizardCode code, const QString &path, std::string replacing)
{
    ui::Services &services = opener.services();
    ui::Result<ui::PageFile> file = ui::readPage(path);
    if (!file) {
        services.showError(&opener, Title, file.error());
        return nullptr;
    }
    const bool xhtmlName = path.endsWith(u".xhtml"_s, Qt::CaseInsensitive);
    auto page = std::make_unique<PageForInsert>(file->bytes, xhtmlName);
    if (!page->refusal().empty()) {
        services.showError(&opener, Title,
                           u"Nothing can be inserted into %1.\n\n%2"_s.arg(ui::fileNameOf(path),
                                                                           QString::fromStdString(page->refusal())));
        return nullptr;
    }
    if (!replacing.empty()) {
        const std::vector<InsertedItem> items = InsertedItems(*page, sha256Hex);
        if (std::none_of(items.begin(), items.end(),
                         [&](const InsertedItem &item) { return item.id == replacing && item.broken.empty(); })) {
            services.showError(&opener, Title,
                               u"%1 no longer holds the code %2 that Quillarc inserted."_s.arg(
                                   ui::fileNameOf(path), QString::fromStdString(replacing)));
            return nullptr;
        }
    }
    auto *window = new InsertPage(opener.workspace(), std::move(code), *file, std::move(page), std::move(replacing));
    // Over its opener, a step in: the window that opened it stays in reach.
    window->setLeft(opener.left() + ui::twips(24));
    window->setTop(opener.top() + ui::twips(24));
    window->showWindow();
    return window;
}

InsertPage::InsertPage(ui::Workspace &workspace, WizardCode code, ui::PageFile file,
                       std::unique_ptr<PageForInsert> page, std::string replacing)
    : ChildWindow(workspace, u"InsertPage"_s,
                  (replacing.empty() ? u"Insert into %1"_s : u"Replace in %1"_s).arg(ui::fileNameOf(file.path)),
                  {ui::twips(728), ui::twips(496)})
    , m_code(std::move(code))
    , m_file(std::move(file))
    , m_page(std::move(page))
    , m_replacing(std::move(replacing))
    , m_items(InsertedItems(*m_page, sha256Hex))
{
    createControls();
    planPictures();
    choose(m_code.headOnly || !m_replacing.empty() ? std::nullopt : m_page->places().defaultPlace());
}

InsertPage::~InsertPage() = default;

void InsertPage::createControls()
{
    const QString outline = !m_replacing.empty()
                                ? u"The code replaces %1 where it stands."_s.arg(QString::fromStdString(m_replacing))
                            : m_code.headOnly ? u"Link effects go into the page's head: its body takes nothing."_s
                                              : u"Put the code beside or inside:"_s;
    ui::makeLabel(this, u"OutlineLabel"_s, outline, {8, 8, 264, 17});
    m_outline = new QTreeView(this);
    m_outline->setObjectName(u"PageOutline"_s);
    m_outline->setGeometry(8, 26, 264, 264);
    m_outline->setHeaderHidden(true);
    m_outline->setUniformRowHeights(true);
    m_model = new PageOutlineModel(m_page->reading(), m_page->places(), this);
    m_outline->setModel(m_model);
    m_outline->setEnabled(!m_code.headOnly && m_replacing.empty());
    connect(m_outline->selectionModel(), &QItemSelectionModel::currentChanged, this, &InsertPage::PageOutline_Changed);

    QLabel *placeLabel = ui::makeLabel(this, u"PlaceLabel"_s, u"&Place:"_s, {8, 298, 60, 17});
    m_where = new QComboBox(this);
    m_where->setObjectName(u"PlaceWhere"_s);
    m_where->setGeometry(72, 296, 200, 22);
    for (const Where where : EveryWhere)
        m_where->addItem(QString::fromStdString(std::string(WhereText(where))));
    // Link effects go at the end of the head, which the place says.
    m_where->setCurrentIndex(int(Where::AtEnd));
    m_where->setEnabled(!m_code.headOnly && m_replacing.empty());
    placeLabel->setBuddy(m_where);
    connect(m_where, &QComboBox::activated, this, &InsertPage::PlaceWhere_Changed);

    ui::makeLabel(this, u"PicturesLabel"_s, u"Pictures the page names:"_s, {8, 326, 264, 17});
    m_pictures = new QTreeWidget(this);
    m_pictures->setObjectName(u"PictureCopies"_s);
    m_pictures->setGeometry(8, 344, 264, 100);
    m_pictures->setRootIsDecorated(false);
    m_pictures->setHeaderLabels({u"Name in the page"_s, u"What happens"_s});
    m_pictures->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    QLabel *sourceLabel = ui::makeLabel(this, u"SourceLabel"_s, u"The page with the code:"_s, {280, 8, 440, 17});
    m_sourceBox = ui::makeTextBox(this, u"PageSource"_s, {280, 26, 440, 300});
    m_sourceBox->setReadOnly(true);
    ui::showAsCode(m_sourceBox);
    m_sourceBox->viewport()->installEventFilter(this);
    sourceLabel->setBuddy(m_sourceBox);
    m_hints = ui::makeLabel(this, u"InsertHints"_s, QString(), {280, 332, 440, 112});
    m_hints->setWordWrap(true);
    m_hints->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton *preview = ui::makeButton(this, u"PreviewInsert"_s, u"Open in Browser"_s, {8, 452, 105, 33},
                                          u"Show a copy of the page with the code in your web browser"_s);
    m_note = new ui::Note(this, u"InsertNote"_s, {120, 452, 312, 33});
    m_undo = ui::makeButton(this, u"UndoInsert"_s, u"Undo"_s, {440, 452, 89, 33},
                            u"Put the page back as it was before the insert"_s);
    m_undo->hide();
    m_insert = ui::makeButton(this, u"InsertNow"_s, m_replacing.empty() ? u"Insert"_s : u"Replace"_s,
                              {536, 452, 89, 33}, u"Write the code into the page"_s);
    m_cancel = ui::makeButton(this, u"CancelInsert"_s, u"Cancel"_s, {632, 452, 89, 33},
                              u"Close this window; the page stays as it is"_s);
    connect(preview, &QPushButton::clicked, this, &InsertPage::PreviewInsert_Click);
    connect(m_undo, &QPushButton::clicked, this, &InsertPage::UndoInsert_Click);
    connect(m_insert, &QPushButton::clicked, this, &InsertPage::InsertNow_Click);
    connect(m_cancel, &QPushButton::clicked, this, &InsertPage::CancelInsert_Click);
    ui::setFocusOrder(this, {u"PageOutline"_s, u"PlaceWhere"_s, u"PictureCopies"_s, u"PageSource"_s, u"PreviewInsert"_s,
                             u"UndoInsert"_s, u"InsertNow"_s, u"CancelInsert"_s});
}

void InsertPage::allowChoosing(bool allowed)
{
    // Code made anew stands where the old code stood.
    const bool placed = m_code.headOnly || !m_replacing.empty();
    m_outline->setEnabled(allowed && !placed);
    m_where->setEnabled(allowed && !placed);
}

QString InsertPage::pageName() const
{
    return ui::fileNameOf(m_file.path);
}

void InsertPage::planPictures()
{
    // Names are relative to the folder the page is opened from, as a browser reads them.
    const QString folder = QFileInfo(m_file.path).absolutePath();
    std::vector<std::string> pictures;
    std::vector<std::string> twice;
    for (const std::string &picture : m_code.pictures) {
        const QString path = QString::fromStdString(picture);
        if (!picture.empty() && !ui::somethingAt(path))
            m_missing.append(path);
        pictures.push_back(ui::somethingAt(path) ? picture : std::string());
        // Only the modern code names the pictures of twice the density.
        twice.push_back(m_code.modern && !picture.empty() ? ui::twiceDensitySibling(path).toStdString()
                                                          : std::string());
    }
    std::vector<std::string> all = pictures;
    all.insert(all.end(), twice.begin(), twice.end());
    const PictureFacts facts{
        .insideFolder = [&folder](const std::string &picture) -> std::optional<std::string> {
            const std::optional<QString> inside = ui::pathInsideFolder(QString::fromStdString(picture), folder);
            return inside ? std::optional(inside->toStdString()) : std::nullopt;
        },
        .standing =
            [&folder](const std::string &name, const std::string &picture) {
                const QString there = QDir(folder).filePath(QString::fromStdString(name));
                return !ui::somethingAt(there)                                   ? Standing::Nothing
                       : ui::samePicture(there, QString::fromStdString(picture)) ? Standing::ThePicture
                                                                                 : Standing::SomethingElse;
            },
        .fileName =
            [](const std::string &picture) { return ui::fileNameOf(QString::fromStdString(picture)).toStdString(); },
    };
    m_plan = PlanPictures(all, facts);
    const auto sourceOf = [this](const std::string &picture) {
        for (const PlannedPicture &planned : m_plan) {
            if (!picture.empty() && planned.path == picture)
                return urlOfName(QString::fromStdString(planned.name));
        }
        return std::string();
    };
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        m_sources.pictures.push_back(sourceOf(pictures[i]));
        m_sources.twice.push_back(sourceOf(twice[i]));
    }
    for (const PlannedPicture &planned : m_plan)
        new QTreeWidgetItem(m_pictures, {QString::fromStdString(planned.name), fateText(planned)});
    m_pictures->setEnabled(!m_plan.empty());
}

void InsertPage::choose(std::optional<Place> place)
{
    m_place = place;
    if (place) {
        const QModelIndex index = m_model->indexOf(place->element);
        m_outline->selectionModel()->blockSignals(true);
        m_outline->setCurrentIndex(index);
        m_outline->selectionModel()->blockSignals(false);
        m_outline->scrollTo(index);
        followElement(place->element);
        m_where->setCurrentIndex(int(place->where));
    }
    refresh();
}

void InsertPage::followElement(int element)
{
    auto *items = qobject_cast<QStandardItemModel *>(m_where->model());
    for (const Where where : EveryWhere) {
        QStandardItem *item = items->item(int(where));
        const std::string why = m_page->places().whyNot({element, where});
        item->setEnabled(why.empty());
        item->setToolTip(QString::fromStdString(why));
    }
}

void InsertPage::PageOutline_Changed()
{
    const int element = PageOutlineModel::elementOf(m_outline->currentIndex());
    if (element < 0)
        return;
    followElement(element);
    // The place stays of its kind where the element has it, else the first it has.
    Where where = m_place ? m_place->where : Where::AtEnd;
    for (const Where other : {where, Where::AtEnd, Where::After, Where::Before, Where::AtStart}) {
        if (m_page->places().whyNot({element, other}).empty()) {
            where = other;
            break;
        }
    }
    m_where->setCurrentIndex(int(where));
    m_place = Place{element, where};
    refresh();
}

void InsertPage::PlaceWhere_Changed()
{
    if (!m_place)
        return;
    m_place->where = static_cast<Where>(m_where->currentIndex());
    refresh();
}

void InsertPage::PageSource_Click(int line)
{
    // The click counts in the page as it stands, not in the code shown inside it.
    std::size_t byte = m_source->lineStart(line);
    for (const ByteRange &part : {m_splice.body, m_splice.head}) {
        if (byte >= part.second)
            byte -= part.second - part.first;
        else if (byte >= part.first)
            return;
    }
    if (const std::optional<Place> place = m_page->places().nearest(byte))
        choose(place);
}

bool InsertPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sourceBox->viewport() && event->type() == QEvent::MouseButtonRelease && m_where->isEnabled()) {
        const auto *release = static_cast<QMouseEvent *>(event);
        PageSource_Click(m_sourceBox->cursorForPosition(release->position().toPoint()).blockNumber());
    }
    return ChildWindow::eventFilter(watched, event);
}

void InsertPage::refresh()
{
    const auto replaced = std::find_if(m_items.begin(), m_items.end(), [this](const InsertedItem &item) {
        return item.id == m_replacing && item.broken.empty();
    });
    m_splice = replaced == m_items.end() ? m_page->splice(m_code, m_sources, m_place, sha256Hex)
                                         : ReplaceItem(*m_page, *replaced, m_items, m_code, m_sources, sha256Hex);
    showSource();
    showHints();
    m_insert->setEnabled(m_splice.refusal.empty() && !m_written);
}

void InsertPage::showSource()
{
    const bool refused = !m_splice.refusal.empty();
    const std::string &shown = refused ? m_page->bytes() : m_splice.page;
    m_source = std::make_unique<SourceText>(shown, SourceText::isUtf8(shown));
    const int scroll = m_sourceBox->verticalScrollBar()->value();
    m_sourceBox->setPlainText(m_source->text());
    QList<QTextEdit::ExtraSelection> marks;
    for (const ByteRange &part : {m_splice.head, m_splice.body}) {
        if (refused || part.first == part.second)
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_sourceBox->document());
        mark.cursor.setPosition(m_source->position(part.first));
        mark.cursor.setPosition(m_source->position(part.second), QTextCursor::KeepAnchor);
        mark.format.setBackground(ui::StepFrameYellow);
        marks.append(mark);
    }
    m_sourceBox->setExtraSelections(marks);
    if (marks.isEmpty()) {
        m_sourceBox->verticalScrollBar()->setValue(scroll);
        return;
    }
    // The part in the body is the one the place moves: it is shown.
    QTextCursor cursor = marks.last().cursor;
    cursor.setPosition(cursor.selectionEnd());
    m_sourceBox->setTextCursor(cursor);
    m_sourceBox->ensureCursorVisible();
    cursor.setPosition(marks.last().cursor.selectionStart());
    m_sourceBox->setTextCursor(cursor);
    m_sourceBox->ensureCursorVisible();
}

void InsertPage::showHints()
{
    QStringList hints;
    if (!m_splice.refusal.empty())
        hints << u"The code cannot go there: %1"_s.arg(QString::fromStdString(m_splice.refusal));
    CodeFacts facts;
    facts.pageName = pageName().toStdString();
    facts.inlineScript = !m_code.modern && m_code.kind != "linkfx";
    facts.pictures = !m_plan.empty();
    const std::string_view headPart(m_splice.page.data() + m_splice.head.first,
                                    m_splice.head.second - m_splice.head.first);
    if (const std::string_view style = StyleText(headPart); !style.empty())
        facts.styleSource = styleSource(style);
    for (const std::string &hint : PageHints(*m_page, facts))
        hints << QString::fromStdString(hint);
    for (const QString &missing : m_missing)
        hints << u"%1 is no longer there: the code names it, but it is not copied."_s.arg(ui::fileNameOf(missing));
    m_hints->setText(hints.join(u'\n'));
}

void InsertPage::PreviewInsert_Click()
{
    if (!m_splice.refusal.empty()) {
        services().showError(this, Title,
                             u"The code cannot go there: %1"_s.arg(QString::fromStdString(m_splice.refusal)));
        return;
    }
    const ui::Result<QString> folder = services().browserPages().folderFor(this);
    if (!folder) {
        services().showError(this, Title, u"The page could not be shown in the browser.\n\n"_s + folder.error());
        return;
    }
    // The user's page is never touched: a copy, with the pictures under the names it gives them.
    const QString path = QDir(*folder).filePath(pageName());
    if (const ui::Result<> written = ui::writeFileAtomically(path, m_splice.page); !written) {
        services().showError(this, Title, ui::pageNotSaved(path, written.error()));
        return;
    }
    QStringList failed;
    for (const PlannedPicture &picture : m_plan) {
        if (const ui::Result<QString> copied =
                ui::copyIntoFolder(QString::fromStdString(picture.path), *folder, QString::fromStdString(picture.name));
            !copied)
            failed << copied.error();
    }
    if (!services().openInBrowser(QUrl::fromLocalFile(path)))
        services().showError(this, Title, u"No web browser could be started to show the page."_s);
    else if (!failed.isEmpty())
        services().showError(this, Title,
                             u"The page is shown without some of its pictures.\n\n"_s + failed.join(u"\n\n"_s));
}

bool InsertPage::copyPictures()
{
    const QString folder = QFileInfo(m_file.path).absolutePath();
    m_copies.clear();
    // NOLINTNEXTLINE(readability-use-anyofallof): each pass copies a picture; the loop stops at a failure
    for (const PlannedPicture &picture : m_plan) {
        if (picture.fate != PictureFate::CopiedBeside && picture.fate != PictureFate::CopiedAs)
            continue;
        const ui::Result<QString> copied =
            ui::copyIntoFolder(QString::fromStdString(picture.path), folder, QString::fromStdString(picture.name));
        if (!copied) {
            removeCopies();
            services().showError(this, Title, u"Nothing was inserted into %1.\n\n%2"_s.arg(pageName(), copied.error()));
            return false;
        }
        m_copies << *copied;
    }
    return true;
}

void InsertPage::removeCopies()
{
    // Only copies that still hold their picture: a file someone changed since is theirs.
    for (const PlannedPicture &picture : m_plan) {
        const QString copy = QDir(QFileInfo(m_file.path).absolutePath()).filePath(QString::fromStdString(picture.name));
        if (m_copies.contains(copy) && ui::samePicture(copy, QString::fromStdString(picture.path)))
            ui::removeFile(copy);
    }
    m_copies.clear();
}

void InsertPage::InsertNow_Click()
{
    if (!m_splice.refusal.empty() || m_written)
        return;
    for (const InsertedItem &item : m_items) {
        if (item.id == m_replacing && item.broken.empty() && !mayLoseChanges(*this, item, pageName(), true))
            return;
    }
    const QStringList locks = ui::editorLocks(m_file.path);
    if (!locks.isEmpty() &&
        !services().askYesNo(
            this, Title,
            u"%1 may be open in an editor: %2 stands beside it. If the editor saves the page later, "
            "it writes its own copy over the code.\n\nInsert the code anyway?"_s.arg(pageName(), locks.join(u", "_s))))
        return;
    if (!copyPictures())
        return;
    ui::Result<ui::PageWrite> written = ui::writePage(m_file, m_splice.page);
    if (!written) {
        removeCopies();
        services().showError(this, Title, written.error());
        return;
    }
    m_written = *written;
    allowChoosing(false);
    m_note->keep((m_replacing.empty() ? u"Inserted into %1"_s : u"Replaced in %1"_s).arg(pageName()));
    m_undo->show();
    m_insert->setEnabled(false);
    m_cancel->setText(u"Close"_s);
}

void InsertPage::UndoInsert_Click()
{
    if (!m_written)
        return;
    if (const ui::Result<> undone = ui::undoPageWrite(*m_written); !undone) {
        services().showError(this, Title, undone.error());
        return;
    }
    removeCopies();
    m_written.reset();
    allowChoosing(true);
    m_undo->hide();
    m_note->say(u"%1 is as it was before"_s.arg(pageName()), ui::SavedNoteTime);
    m_cancel->setText(u"Cancel"_s);
    m_insert->setEnabled(m_splice.refusal.empty());
}

void InsertPage::CancelInsert_Click()
{
    closeWindow();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/inserted_window.h"

#include "insert/page_dialog.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/note.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"Quillarc 2"_s;

QString kindText(const std::string &kind)
{
    if (kind == "linkfx")
        return u"link effects"_s;
    return kind.empty() ? u"?"_s : QString::fromStdString(kind);
}

} // namespace

QString pictureOfPage(const QString &page, const std::string &source)
{
    if (source.empty())
        return {};
    const QString name = QUrl::fromPercentEncoding(QByteArray::fromStdString(source));
    const QString path = QDir(QFileInfo(page).absolutePath()).filePath(name);
    return QFileInfo(path).isFile() ? path : QString();
}

bool mayLoseChanges(ui::ChildWindow &window, const InsertedItem &item, const QString &pageName, bool replacing)
{
    if (!item.changedByHand)
        return true;
    return window.services().askYesNo(
        &window, Title,
        u"The code of %1 (%2) in %3 was changed by hand since Quillarc put it there. %4 it takes those changes "
        "out of the page with the rest of its code; the page's copy in Quillarc's backups keeps them.\n\n%5 it?"_s.arg(
            QString::fromStdString(item.id), kindText(item.kind), pageName, replacing ? u"Replacing"_s : u"Removing"_s,
            replacing ? u"Replace"_s : u"Remove"_s));
}

InsertedCode *InsertedCode::pickAndOpen(ui::Workspace &workspace, QWidget *parent)
{
    ui::Services &services = workspace.services();
    const std::optional<QString> chosen = services.openFileName(parent, pageRequest(services, u"Edit Inserted Code"_s));
    if (!chosen || chosen->isEmpty())
        return nullptr;
    ui::rememberFolder(services, ui::FileKind::Pages, *chosen);
    ui::Result<ui::PageFile> file = ui::readPage(*chosen);
    if (!file) {
        services.showError(parent, Title, file.error());
        return nullptr;
    }
    auto *window = new InsertedCode(workspace, *file);
    window->setTop(0);
    window->showWindow();
    return window;
}

InsertedCode::InsertedCode(ui::Workspace &workspace, ui::PageFile file)
    : ChildWindow(workspace, u"InsertedCode"_s, u"Inserted in %1"_s.arg(ui::fileNameOf(file.path)),
                  {ui::twips(520), ui::twips(280)})
    , m_file(std::move(file))
{
    createControls();
    list();
}

InsertedCode::~InsertedCode() = default;

void InsertedCode::createControls()
{
    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"InsertedItems"_s);
    m_list->setGeometry(8, 8, 504, 200);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({u"Kind"_s, u"ID"_s, u"Place"_s, u"State"_s});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &InsertedCode::InsertedItems_Changed);
    m_message = ui::makeLabel(this, u"InsertedMessage"_s, QString(), {8, 212, 504, 26});
    m_message->setWordWrap(true);
    m_edit = ui::makeButton(this, u"EditInserted"_s, u"Edit..."_s, {8, 240, 89, 33},
                            u"Open the code's wizard, to change it and replace it in the page"_s);
    m_remove =
        ui::makeButton(this, u"RemoveInserted"_s, u"Remove"_s, {104, 240, 89, 33}, u"Take the code out of the page"_s);
    m_note = new ui::Note(this, u"InsertNote"_s, {200, 240, 112, 33});
    m_undo =
        ui::makeButton(this, u"UndoInsert"_s, u"Undo"_s, {320, 240, 89, 33}, u"Put the page back as it was before"_s);
    m_undo->hide();
    QPushButton *close = ui::makeButton(this, u"CloseInserted"_s, u"Close"_s, {424, 240, 89, 33});
    connect(m_edit, &QPushButton::clicked, this, &InsertedCode::EditInserted_Click);
    connect(m_remove, &QPushButton::clicked, this, &InsertedCode::RemoveInserted_Click);
    connect(m_undo, &QPushButton::clicked, this, &InsertedCode::UndoInsert_Click);
    connect(close, &QPushButton::clicked, this, &InsertedCode::CloseInserted_Click);
}

QString InsertedCode::pageName() const
{
    return ui::fileNameOf(m_file.path);
}

void InsertedCode::list()
{
    m_page = std::make_unique<PageForInsert>(m_file.bytes, m_file.path.endsWith(u".xhtml"_s, Qt::CaseInsensitive));
    m_items = InsertedItems(*m_page, sha256Hex);
    m_list->clear();
    for (const InsertedItem &item : m_items) {
        const QString state = !item.broken.empty() ? QString::fromStdString(item.broken)
                              : item.changedByHand ? u"changed by hand"_s
                                                   : QString();
        new QTreeWidgetItem(
            m_list, {kindText(item.kind), QString::fromStdString(item.id), QString::fromStdString(item.place), state});
    }
    m_message->setText(m_items.empty() ? u"%1 holds no code inserted by Quillarc."_s.arg(pageName()) : QString());
    if (!m_items.empty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    InsertedItems_Changed();
}

const InsertedItem *InsertedCode::chosen() const
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    return row >= 0 && row < int(m_items.size()) ? &m_items[std::size_t(row)] : nullptr;
}

void InsertedCode::InsertedItems_Changed()
{
    // A broken marker can only be mended by hand: its row says what is wrong.
    const InsertedItem *item = chosen();
    const bool whole = item && item->broken.empty();
    m_edit->setEnabled(whole && !item->kind.empty());
    m_remove->setEnabled(whole);
}

void InsertedCode::EditInserted_Click()
{
    const InsertedItem *item = chosen();
    if (!item || !item->broken.empty())
        return;
    InsertedEdit edit{m_file.path, item->id, item->kind, item->properties, {}};
    for (const MarkedPart &part : item->parts) {
        if (part.begin.fields.part == "head") {
            const std::string_view code =
                std::string_view(m_file.bytes).substr(part.between.first, part.between.second - part.between.first);
            const std::size_t first = code.find_first_not_of(" \t\r\n");
            edit.headCode = first == std::string_view::npos
                                ? std::string()
                                : std::string(code.substr(first, code.find_last_not_of(" \t\r\n") - first + 1));
        }
    }
    Q_EMIT editAsked(edit);
}

void InsertedCode::RemoveInserted_Click()
{
    const InsertedItem *item = chosen();
    if (!item || !item->broken.empty() || !mayLoseChanges(*this, *item, pageName(), false))
        return;
    const QString id = QString::fromStdString(item->id);
    ui::Result<ui::PageWrite> written = ui::writePage(m_file, WithoutItem(*m_page, *item, m_items));
    if (!written) {
        services().showError(this, Title, written.error());
        return;
    }
    m_written = *written;
    m_file.bytes = m_written->written;
    list();
    m_note->keep(u"%1 removed from %2"_s.arg(id, pageName()));
    m_undo->show();
}

void InsertedCode::UndoInsert_Click()
{
    if (!m_written)
        return;
    if (const ui::Result<> undone = ui::undoPageWrite(*m_written); !undone) {
        services().showError(this, Title, undone.error());
        return;
    }
    ui::Result<ui::PageFile> file = ui::readPage(m_file.path);
    if (file)
        m_file = *file;
    m_written.reset();
    m_undo->hide();
    m_note->say(u"%1 is as it was before"_s.arg(pageName()), ui::SavedNoteTime);
    list();
}

void InsertedCode::CloseInserted_Click()
{
    closeWindow();
}

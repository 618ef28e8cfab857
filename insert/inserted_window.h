// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/inserted_items.h"
#include "pages/page_file.h"
#include "ui/child_window.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace ui {
class Note;
}

// What a wizard needs to make an item of a page anew: the page, the item's id and kind, and the
// properties its markers carry.
struct InsertedEdit {
    QString page; // the page's path as chosen
    std::string id;
    std::string kind;
    Properties properties;
    std::string headCode; // the code of its head part as the page holds it, blanks around it dropped
};

// Where a source that a page names its picture by leads: the picture's full path beside the page,
// or empty when no file is there.
QString pictureOfPage(const QString &page, const std::string &source);

// "Inserted in NAME": every item of code that Quillarc inserted into a page, and every marker that
// pairs with none. Edit opens the item's wizard on it; Remove takes it out of the page, as Insert
// writes, with Undo.
class InsertedCode final : public ui::ChildWindow {
    Q_OBJECT

public:
    // Asks for a page and opens the window on it; a page that cannot be read is refused in a
    // message. Nothing when the user cancelled or it was refused.
    static InsertedCode *pickAndOpen(ui::Workspace &workspace, QWidget *parent);

    InsertedCode(ui::Workspace &workspace, ui::PageFile file);
    ~InsertedCode() override;

    void InsertedItems_Changed();
    void EditInserted_Click();
    void RemoveInserted_Click();
    void UndoInsert_Click();
    void CloseInserted_Click();

Q_SIGNALS:
    // The user asked to change the item in its wizard.
    void editAsked(const InsertedEdit &edit);

private:
    void createControls();
    // Reads the page's items anew from the bytes it holds now.
    void list();
    const InsertedItem *chosen() const;
    QString pageName() const;

    ui::PageFile m_file;
    std::unique_ptr<PageForInsert> m_page;
    std::vector<InsertedItem> m_items;
    std::optional<ui::PageWrite> m_written;

    QTreeWidget *m_list = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_undo = nullptr;
    ui::Note *m_note = nullptr;
};

// Asks before the item is replaced or removed where it was changed by hand, saying what is lost;
// true when it may go on.
bool mayLoseChanges(ui::ChildWindow &window, const InsertedItem &item, const QString &pageName, bool replacing);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/inserted_items.h"
#include "insert/page_insert.h"
#include "insert/picture_plan.h"
#include "insert/wizard_code.h"
#include "pages/page_file.h"
#include "ui/child_window.h"

#include <QStringList>

#include <memory>
#include <optional>

class PageOutlineModel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class QTreeWidget;
class SourceText;

namespace ui {
class Note;
}

// "Insert into NAME": where in the user's page the wizard's code goes, the page with the code in
// place, what becomes of the pictures, and the hints the page and the place call for. Insert
// writes the page (a backup kept, the page compared before the write), and Undo puts it back.
class InsertPage final : public ui::ChildWindow {
    Q_OBJECT

public:
    // Asks for a page beside the opener's window and opens the window on it; a page that cannot
    // take code is refused in a message that says why. Nothing when the user cancelled or it was
    // refused.
    static InsertPage *pickAndOpen(ui::ChildWindow &opener, WizardCode code);
    // "Replace in NAME": the window on the page of an item that Quillarc inserted, with the code
    // made anew where the item stands. Nothing when the page or the item is no longer there.
    static InsertPage *openForReplace(ui::ChildWindow &opener, WizardCode code, const QString &page,
                                      const std::string &id);

    // replacing: the id of the item the code replaces; empty: the code goes in as a new item.
    InsertPage(ui::Workspace &workspace, WizardCode code, ui::PageFile file, std::unique_ptr<PageForInsert> page,
               std::string replacing = {});
    ~InsertPage() override;

    void PageOutline_Changed();
    void PlaceWhere_Changed();
    void PageSource_Click(int line);
    void PreviewInsert_Click();
    void InsertNow_Click();
    void CancelInsert_Click();
    void UndoInsert_Click();

    // What goes into the page at the place chosen.
    const Splice &splice() const { return m_splice; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static InsertPage *open(ui::ChildWindow &opener, WizardCode code, const QString &path, std::string replacing);
    void createControls();
    // The place can be chosen until the code is in the page, and again after Undo.
    void allowChoosing(bool allowed);
    void planPictures();
    void choose(std::optional<Place> place);
    // Offers only the places the chosen element has.
    void followElement(int element);
    // Splices the code in at the place chosen and shows the result.
    void refresh();
    void showSource();
    void showHints();
    QString pageName() const;
    // Copies the pictures that the plan copies; false, with every copy made taken away again, when one fails.
    bool copyPictures();
    void removeCopies();

    WizardCode m_code;
    ui::PageFile m_file;
    std::unique_ptr<PageForInsert> m_page;
    std::string m_replacing;
    std::vector<InsertedItem> m_items; // what the page held of Quillarc's code when it was read
    std::vector<PlannedPicture> m_plan;
    QStringList m_missing; // pictures that are no longer there
    CodeSources m_sources;
    std::optional<Place> m_place;
    Splice m_splice;
    std::unique_ptr<SourceText> m_source;
    std::optional<ui::PageWrite> m_written;
    QStringList m_copies; // the copies the last insert made

    PageOutlineModel *m_model = nullptr;
    QTreeView *m_outline = nullptr;
    QComboBox *m_where = nullptr;
    QPlainTextEdit *m_sourceBox = nullptr;
    QTreeWidget *m_pictures = nullptr;
    QLabel *m_hints = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_undo = nullptr;
    ui::Note *m_note = nullptr;
};

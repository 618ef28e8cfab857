// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>

#include <vector>

class PagePlaces;
struct PageReading;

// The elements of a page as a tree: each row its tag, its id or class and the first words of its
// text. An element beside or inside which no code may go is greyed and cannot be chosen; its
// tooltip says why. Rows are made as the view asks for them, so that a large page opens at once.
class PageOutlineModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    // The reading and the places must outlive the model.
    PageOutlineModel(const PageReading &reading, const PagePlaces &places, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The row of an element, and the element of a row (-1 for none).
    QModelIndex indexOf(int element) const;
    static int elementOf(const QModelIndex &index);

    // The text of an element's row.
    QString rowText(int element) const;

private:
    const PageReading &m_reading;
    const PagePlaces &m_places;
    std::vector<int> m_row; // each element's row under its parent
};

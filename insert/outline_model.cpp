// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/outline_model.h"

#include "insert/page_places.h"
#include "insert/page_reader.h"

#include <QApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

PageOutlineModel::PageOutlineModel(const PageReading &reading, const PagePlaces &places, QObject *parent)
    : QAbstractItemModel(parent)
    , m_reading(reading)
    , m_places(places)
    , m_row(reading.elements.size(), 0)
{
    for (const PageElement &element : reading.elements) {
        for (std::size_t row = 0; row < element.children.size(); ++row)
            m_row[std::size_t(element.children[row])] = int(row);
    }
}

QModelIndex PageOutlineModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !m_reading.elements.empty() ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    const std::vector<int> &children = m_reading.elements[std::size_t(elementOf(parent))].children;
    return row < int(children.size()) ? createIndex(row, 0, quintptr(children[std::size_t(row)])) : QModelIndex();
}

QModelIndex PageOutlineModel::parent(const QModelIndex &child) const
{
    const int element = elementOf(child);
    if (element < 0)
        return {};
    return indexOf(m_reading.elements[std::size_t(element)].parent);
}

int PageOutlineModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_reading.elements.empty() ? 0 : 1;
    return int(m_reading.elements[std::size_t(elementOf(parent))].children.size());
}

int PageOutlineModel::columnCount(const QModelIndex & /*parent*/) const
{
    return 1;
}

QModelIndex PageOutlineModel::indexOf(int element) const
{
    if (element < 0 || element >= int(m_reading.elements.size()))
        return {};
    return createIndex(m_row[std::size_t(element)], 0, quintptr(element));
}

int PageOutlineModel::elementOf(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId()) : -1;
}

QString PageOutlineModel::rowText(int element) const
{
    const PageElement &e = m_reading.elements[std::size_t(element)];
    QString text = QString::fromStdString(e.tag);
    if (!e.id.empty())
        text += u'#' + QString::fromStdString(e.id);
    else if (!e.classes.empty())
        text += u'.' + QString::fromStdString(e.classes).simplified().replace(u' ', u'.');
    if (!e.words.empty())
        text += u"  \u201C"_s + QString::fromStdString(e.words) + u"\u201D"_s;
    return text;
}

QVariant PageOutlineModel::data(const QModelIndex &index, int role) const
{
    const int element = elementOf(index);
    if (element < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowText(element);
    case Qt::ToolTipRole: {
        const std::string why = m_places.whyNoPlace(element);
        return why.empty() ? QVariant() : QVariant(QString::fromStdString(why));
    }
    case Qt::ForegroundRole:
        if (!m_places.whyNoPlace(element).empty())
            return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags PageOutlineModel::flags(const QModelIndex &index) const
{
    const int element = elementOf(index);
    if (element < 0)
        return Qt::NoItemFlags;
    // Greyed rows still open and show their tooltip, but cannot be chosen.
    return m_places.whyNoPlace(element).empty() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

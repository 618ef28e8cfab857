// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/page_dialog.h"

#include "ui/remembered_places.h"

#include <QCryptographicHash>

using namespace Qt::StringLiterals;

ui::FileRequest pageRequest(ui::Services &services, const QString &title)
{
    return {{u"Web Pages (*.html,*.htm,*.xhtml) "_s, u"*.html;*.htm;*.xhtml"_s},
            title,
            ui::proposedPath(services, ui::FileKind::Pages),
            {{u"All Files "_s, u"*"_s}}};
}

std::string sha256Hex(std::string_view bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

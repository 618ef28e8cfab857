// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/note.h"

#include "ui/files.h"
#include "ui/look.h"

#include <QAccessible>

namespace ui {

QString savedNote(const QString &path)
{
    return QStringLiteral("Saved as %1").arg(fileNameOf(path));
}

Note::Note(QWidget *parent, const QString &name, const QRect &geometry)
    : QLabel(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setFont(windowFont());
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void Note::say(const QString &text, std::chrono::milliseconds shown)
{
    keep(text);
    m_timer.start(shown);
}

void Note::keep(const QString &text)
{
    m_timer.stop();
    setText(text);
    setAccessibleName(text);
    show();
    raise();
    // A screen reader reads an alert out even though the focus stays on the button.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace ui

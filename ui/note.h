// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include <chrono>

namespace ui {

// What the notes say after a copy, and after a save, with the page's file name.
inline const QString CopiedNote = QStringLiteral("Copied");
QString savedNote(const QString &path);
inline constexpr std::chrono::milliseconds SavedNoteTime = std::chrono::seconds(5);

// A short note beside a button that says what its press did ("Copied"). It is announced to
// screen readers, goes by itself after a while, and asks for nothing: no dialog to dismiss, and
// no control moves for it.
class Note final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Note)

public:
    Note(QWidget *parent, const QString &name, const QRect &geometry);

    void say(const QString &text, std::chrono::milliseconds shown = std::chrono::seconds(2));
    // Says it until the note says something else: what it tells stays true until then.
    void keep(const QString &text);

private:
    QTimer m_timer;
};

} // namespace ui

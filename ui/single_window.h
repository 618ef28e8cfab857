// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

namespace ui {

// The one reference to a window that exists at most once: the first use creates it,
// a closed window is replaced by a fresh one on the next use, an open one is reused.
template <typename Window> class SingleWindow final {
public:
    template <typename Factory> Window &get(Factory create)
    {
        if (!m_window || m_window->isClosed())
            m_window = create();
        return *m_window;
    }

    // The open window, if there is one.
    Window *current() const { return m_window && !m_window->isClosed() ? m_window.data() : nullptr; }

private:
    QPointer<Window> m_window;
};

} // namespace ui

// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/loaded_windows.h"

#include <QEvent>

#include <algorithm>

namespace galvix::toolkit {

LoadedWindows& LoadedWindows::instance()
{
    static LoadedWindows windows;
    return windows;
}

void LoadedWindows::add(QWidget* window)
{
    if (window == nullptr || contains(window))
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    m_windows.push_back({window, false});
}

int LoadedWindows::count() const
{
    prune();
    return static_cast<int>(m_windows.size());
}

QWidget* LoadedWindows::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_windows[static_cast<std::size_t>(index)].window;
}

bool LoadedWindows::contains(const QWidget* window) const
{
    prune();
    return window != nullptr
           && std::ranges::any_of(m_windows, [window](const Entry& entry) { return entry.window == window; });
}

void LoadedWindows::unload(QWidget* window)
{
    if (window != nullptr)
        window->close();
}

// A close event comes before the window's own close handling; the window counts as unloaded once
// that has run and the window is hidden.
bool LoadedWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close || event->type() == QEvent::Show) {
        for (Entry& entry : m_windows) {
            if (entry.window == watched)
                entry.closing = event->type() == QEvent::Close;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LoadedWindows::prune() const
{
    std::erase_if(m_windows, [](const Entry& entry) {
        return entry.window.isNull() || (entry.closing && !entry.window->isVisible());
    });
}

} // namespace galvix::toolkit

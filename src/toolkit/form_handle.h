// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A single-instance window handle. The handle lives as long as the program; the window behind it
// is loaded on first show with its design-time contents, brought forward by later shows, and
// loaded afresh after it was unloaded.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

#include "toolkit/loaded_windows.h"

namespace galvix::toolkit {

template <class Window>
class FormHandle {
public:
    using Factory = std::function<Window*()>;

    explicit FormHandle(Factory factory)
        : m_factory(std::move(factory))
    {
    }

    [[nodiscard]] bool isLoaded() const { return LoadedWindows::instance().contains(m_window.data()); }

    // The loaded window, or nullptr when it is not loaded.
    [[nodiscard]] Window* window() const { return isLoaded() ? m_window.data() : nullptr; }

    // Loads the window if needed, without showing it.
    Window* load()
    {
        if (!isLoaded()) {
            m_window = m_factory();
            LoadedWindows::instance().add(m_window);
        }
        return m_window;
    }

    // Modeless show: loads if needed, then makes the window visible and brings it forward.
    Window* show()
    {
        Window* window = load();
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

private:
    Factory m_factory;
    QPointer<Window> m_window;
};

} // namespace galvix::toolkit

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
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { remove(gone); });
    m_windows.emplace_back(window);
}

int LoadedWindows::count() const { return static_cast<int>(m_windows.size()); }

QWidget* LoadedWindows::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_windows[static_cast<std::size_t>(index)];
}

bool LoadedWindows::contains(const QWidget* window) const
{
    return window != nullptr && std::ranges::find(m_windows, window) != m_windows.end();
}

void LoadedWindows::unload(QWidget* window)
{
    if (window != nullptr)
        window->close();
}

bool LoadedWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        remove(watched);
    return QObject::eventFilter(watched, event);
}

void LoadedWindows::remove(const QObject* window)
{
    std::erase_if(m_windows, [window](const QPointer<QWidget>& entry) {
        return entry.isNull() || entry.data() == window;
    });
}

} // namespace galvix::toolkit

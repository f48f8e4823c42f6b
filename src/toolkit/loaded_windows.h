// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's loaded windows, in the order they were loaded; the main window is index 0.
// A window leaves the list once it is unloaded: closed by the program or by its close box (the
// program's windows never refuse to close), after which it is deleted. While its own close
// handling runs it is still in the list, so the main window can unload the others behind itself.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace galvix::toolkit {

class LoadedWindows : public QObject {
    Q_OBJECT

public:
    [[nodiscard]] static LoadedWindows& instance();

    // Adds a newly loaded window; it is deleted when it closes.
    void add(QWidget* window);
    [[nodiscard]] int count() const;
    [[nodiscard]] QWidget* at(int index) const;
    [[nodiscard]] bool contains(const QWidget* window) const;

    // Unloads a window: its close handling runs, it leaves the list and its controls go.
    static void unload(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> window;
        bool closing = false;
    };

    LoadedWindows() = default;
    // Drops the windows that are gone or whose close has completed.
    void prune() const;

    mutable std::vector<Entry> m_windows;
};

} // namespace galvix::toolkit

#pragma once
// The program's loaded windows, in the order they were loaded; the main window is index 0.
// A window leaves the list when it is unloaded: closed by the program or by its close box (the
// program's windows never refuse to close), after which it is deleted.

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
    LoadedWindows() = default;
    void remove(const QObject* window);

    std::vector<QPointer<QWidget>> m_windows;
};

} // namespace galvix::toolkit

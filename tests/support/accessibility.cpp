#include "support/accessibility.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <vector>

#include "support/problems.h"

namespace galvix::testing {

namespace {

bool takesFocus(const QWidget& widget, const QWidget& window)
{
    return !widget.isWindow() && widget.focusPolicy() != Qt::NoFocus && widget.isVisibleTo(&window)
           && widget.isEnabled();
}

std::vector<const QWidget*> focusableControls(const QWidget& window)
{
    std::vector<const QWidget*> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (takesFocus(*widget, window))
            controls.push_back(widget);
    }
    return controls;
}

// A menu entry is spoken by its text with the access-key marker dropped.
void findUntitledActions(const QList<QAction*>& actions, const QString& path, QStringList& problems)
{
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = QString(action->text()).remove(u'&').trimmed();
        if (text.isEmpty())
            problems.append(QStringLiteral("menu entry %1 \"%2\" has no text").arg(path, action->objectName()));
        if (const QMenu* menu = action->menu())
            findUntitledActions(menu->actions(), path + QStringLiteral(" > ") + text, problems);
    }
}

} // namespace

QString describe(const QWidget& widget)
{
    QString text = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget.metaObject()->className()),
                                                    widget.objectName());
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        text += QStringLiteral(" in %1").arg(parent->objectName().isEmpty()
                                                 ? QString::fromLatin1(parent->metaObject()->className())
                                                 : parent->objectName());
    }
    return text;
}

QStringList unnamedControls(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* control : focusableControls(window)) {
        if (control->accessibleName().trimmed().isEmpty())
            problems.append(describe(*control) + QStringLiteral(" takes the focus but has no accessible name"));
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        findUntitledActions(bar->actions(), QStringLiteral("menu bar"), problems);
    return problems;
}

QStringList sharedNames(const QWidget& window)
{
    std::map<QString, std::vector<const QWidget*>> byName;
    for (const QWidget* control : focusableControls(window)) {
        const QString name = control->accessibleName().trimmed();
        if (!name.isEmpty())
            byName[name].push_back(control);
    }
    QStringList problems;
    for (const auto& [name, controls] : byName) {
        if (controls.size() < 2)
            continue;
        QString problem = QStringLiteral("\"%1\" names %2 controls:").arg(name).arg(controls.size());
        for (const QWidget* control : controls)
            problem += QStringLiteral(" [%1]").arg(describe(*control));
        problems.append(problem);
    }
    return problems;
}

::testing::AssertionResult everyControlHasItsOwnName(const QWidget& window)
{
    QStringList problems = unnamedControls(window);
    const QStringList shared = sharedNames(window);
    problems += shared;
    return noProblems(problems);
}

} // namespace galvix::testing

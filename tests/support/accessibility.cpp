// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

#include "support/problems.h"

namespace galvix::testing {

namespace {

QString spoken(QObject& object, QAccessible::Text text)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&object);
    return accessible != nullptr ? accessible->text(text) : QString();
}

bool takesFocus(const QWidget& widget, const QWidget& window)
{
    return !widget.isWindow() && widget.focusPolicy() != Qt::NoFocus && widget.isVisibleTo(&window)
           && widget.isEnabled();
}

std::vector<QWidget*> focusableControls(const QWidget& window)
{
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (takesFocus(*widget, window))
            controls.push_back(widget);
    }
    return controls;
}

QString quoted(const QString& text) { return u'"' + text + u'"'; }

// A menu entry is spoken by its text with the access-key marker dropped.
void findUntitledActions(const QList<QAction*>& actions, const QString& path, QStringList& problems)
{
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = withoutAccessKeys(action->text()).trimmed();
        if (text.isEmpty())
            problems.append(QStringLiteral("menu entry %1 \"%2\" has no text").arg(path, action->objectName()));
        if (const QMenu* menu = action->menu())
            findUntitledActions(menu->actions(), path + QStringLiteral(" > ") + text, problems);
    }
}

struct SpokenEntry {
    const QAction* action;
    QString path; // the entries above it, as spoken: "Help > "
    QString name;
};

// Walks a menu bar's accessible tree as a screen reader does: the bar's entries, each entry's
// menu, that menu's entries, and so on.
void collectMenuEntries(QAccessibleInterface& node, const QString& path, std::vector<SpokenEntry>& entries)
{
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface* child = node.child(i);
        if (child == nullptr)
            continue;
        QString below = path;
        if (const auto* action = qobject_cast<QAction*>(child->object()); action != nullptr && !action->isSeparator()) {
            entries.push_back({action, path, child->text(QAccessible::Name)});
            below += entries.back().name + QStringLiteral(" > ");
        }
        collectMenuEntries(*child, below, entries);
    }
}

std::vector<SpokenEntry> menuEntries(const QWidget& window)
{
    std::vector<SpokenEntry> entries;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar))
            collectMenuEntries(*accessible, {}, entries);
    }
    return entries;
}

} // namespace

QString spokenName(QObject& object) { return spoken(object, QAccessible::Name); }

QString spokenDescription(QObject& object) { return spoken(object, QAccessible::Description); }

QString withoutAccessKeys(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

std::optional<QString> shownCaption(const QWidget& widget)
{
    // A label draws "&" as it is unless it is the caption of another control (its buddy).
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->buddy() != nullptr ? withoutAccessKeys(label->text()) : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return withoutAccessKeys(button->text());
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return withoutAccessKeys(frame->title());
    return std::nullopt;
}

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

QStringList namesOtherThanCaptions(const QWidget& window)
{
    QStringList problems;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const std::optional<QString> caption = shownCaption(*widget);
        if (!caption)
            continue;
        const QString name = spokenName(*widget);
        if (name != *caption) {
            problems.append(QStringLiteral("%1 is spoken as %2 but shows %3")
                                .arg(describe(*widget), quoted(name), quoted(*caption)));
        }
    }
    for (const SpokenEntry& entry : menuEntries(window)) {
        const QString shown = withoutAccessKeys(entry.action->text());
        if (entry.name != shown) {
            problems.append(QStringLiteral("menu entry %1\"%2\" is spoken as %3 but shows %4")
                                .arg(entry.path, entry.action->objectName(), quoted(entry.name), quoted(shown)));
        }
    }
    return problems;
}

QStringList spokenMenuEntries(const QWidget& window)
{
    QStringList spoken;
    for (const SpokenEntry& entry : menuEntries(window))
        spoken.append(entry.path + entry.name);
    return spoken;
}

QStringList unnamedControls(const QWidget& window)
{
    QStringList problems;
    for (QWidget* control : focusableControls(window)) {
        if (spokenName(*control).trimmed().isEmpty() && spokenDescription(*control).trimmed().isEmpty())
            problems.append(describe(*control) + QStringLiteral(" takes the focus but has no name or description"));
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        findUntitledActions(bar->actions(), QStringLiteral("menu bar"), problems);
    return problems;
}

QStringList controlsSpokenAlike(const QWidget& window)
{
    std::map<std::pair<QString, QString>, std::vector<const QWidget*>> bySpeech;
    for (QWidget* control : focusableControls(window)) {
        auto speech = std::pair(spokenName(*control).trimmed(), spokenDescription(*control).trimmed());
        if (!speech.first.isEmpty() || !speech.second.isEmpty())
            bySpeech[std::move(speech)].push_back(control);
    }
    QStringList problems;
    for (const auto& [speech, controls] : bySpeech) {
        if (controls.size() < 2)
            continue;
        QString problem = QStringLiteral("%1 (%2) is said of %3 controls:")
                              .arg(quoted(speech.first), quoted(speech.second))
                              .arg(controls.size());
        for (const QWidget* control : controls)
            problem += QStringLiteral(" [%1]").arg(describe(*control));
        problems.append(problem);
    }
    return problems;
}

::testing::AssertionResult everyCaptionIsItsName(const QWidget& window)
{
    return noProblems(namesOtherThanCaptions(window));
}

::testing::AssertionResult everyControlHasItsOwnName(const QWidget& window)
{
    return noProblems(unnamedControls(window) + controlsSpokenAlike(window));
}

void expectSpoken(const QWidget& window, std::span<const Spoken> controls)
{
    for (const Spoken& expected : controls) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(expected.control));
        ASSERT_NE(control, nullptr) << expected.control;
        EXPECT_EQ(spokenName(*control), expected.name) << expected.control;
        EXPECT_EQ(spokenDescription(*control), expected.description) << expected.control;
    }
}

} // namespace galvix::testing

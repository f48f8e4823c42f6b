// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, in the states worth checking, read the way a screen reader and a
// high-dpi screen would: each window is announced as a window or dialog by its title, each
// captioned control is spoken by the caption it shows, each focusable control can be told apart by
// ear, each caption is shown whole, and each control lies inside its window. The same cases run
// again under QT_SCALE_FACTOR=2 (see CMakeLists.txt).

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include "toolkit/contrast.h"
#include "support/accessibility.h"
#include "support/window_fit.h"
#include "theme_palettes.h"
#include "window_states.h"

namespace galvix::tools {

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WindowState& value, std::ostream* out) { *out << value.name; }

} // namespace galvix::tools

namespace galvix {
namespace {

using tools::WindowState;

class Forms : public ::testing::TestWithParam<WindowState> {
protected:
    void SetUp() override
    {
        m_window = GetParam().open(m_services);
        m_window->show();
        QApplication::processEvents();
    }

    tools::WindowServices m_services;
    std::unique_ptr<QWidget> m_window;
};

TEST_P(Forms, IsAnnouncedAsAWindowByItsTitle)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
    ASSERT_NE(window, nullptr);
    const QAccessible::Role expected
        = qobject_cast<QDialog*>(m_window.get()) != nullptr ? QAccessible::Dialog : QAccessible::Window;
    EXPECT_EQ(window->role(), expected);
    EXPECT_EQ(window->text(QAccessible::Name), m_window->windowTitle());
}

TEST_P(Forms, SpeaksEveryCaptionExactlyAsShown)
{
    EXPECT_TRUE(testing::everyCaptionIsItsName(*m_window));
}

TEST_P(Forms, EveryFocusableControlCanBeToldApartByEar)
{
    EXPECT_TRUE(testing::everyControlHasItsOwnName(*m_window));
}

TEST_P(Forms, ShowEveryCaptionWholeWithEveryControlInside)
{
    EXPECT_TRUE(testing::everythingFits(*m_window));
}

toolkit::Rgb rgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// Every text the window shows against the colour it is drawn on, one line for each that stands
// out less than 4.5:1.
QStringList faintTexts(const QWidget& window)
{
    QStringList faint;
    const auto check = [&faint](const QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole ground) {
        const QPalette& palette = widget->palette();
        const double ratio = toolkit::contrastRatio(rgb(palette.color(text)), rgb(palette.color(ground)));
        if (ratio < toolkit::MinimumTextContrast)
            faint << QStringLiteral("%1: %2 on %3, %4:1")
                         .arg(widget->objectName(), palette.color(text).name(), palette.color(ground).name())
                         .arg(ratio, 0, 'f', 2);
    };
    for (const auto* label : window.findChildren<QLabel*>())
        check(label, QPalette::WindowText, QPalette::Window);
    for (const auto* frame : window.findChildren<QGroupBox*>())
        check(frame, QPalette::WindowText, QPalette::Window);
    for (const auto* menus : window.findChildren<QMenuBar*>())
        check(menus, QPalette::WindowText, QPalette::Window);
    for (const auto* edit : window.findChildren<QLineEdit*>())
        check(edit, QPalette::Text, QPalette::Base);
    for (const auto* button : window.findChildren<QPushButton*>())
        check(button, QPalette::ButtonText, QPalette::Button);
    return faint;
}

// The window is open before the theme changes, as when the desktop switches to dark while the
// program runs.
TEST_P(Forms, EveryTextStandsOutUnderLightDarkAndHighContrastThemes)
{
    const QPalette desktop = QApplication::palette();
    for (const tools::ThemePalette& theme : tools::themePalettes()) {
        QApplication::setPalette(theme.palette);
        QApplication::processEvents();
        const QStringList faint = faintTexts(*m_window);
        EXPECT_TRUE(faint.isEmpty()) << theme.name << ":\n" << faint.join(u'\n').toStdString();
    }
    QApplication::setPalette(desktop);
}

INSTANTIATE_TEST_SUITE_P(Program, Forms, ::testing::ValuesIn(tools::windowStates()),
                         [](const ::testing::TestParamInfo<WindowState>& param) {
                             std::string name(param.param.name);
                             std::ranges::replace(name, '-', '_');
                             return name;
                         });

TEST(HighDpi, ScreensRunAtTheScaleFactorTheTestAsksFor)
{
    // Guards the QT_SCALE_FACTOR=2 run: if Qt ignored the variable, it would check nothing new.
    const QString asked = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), asked.toDouble());
}

} // namespace
} // namespace galvix

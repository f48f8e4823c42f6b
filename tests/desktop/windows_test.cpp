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

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "platform/memory_settings_store.h"
#include "toolkit/contrast.h"
#include "support/accessibility.h"
#include "support/theme_palettes.h"
#include "support/window_fit.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/random_source.h"

namespace galvix {
namespace {

// What a window needs to be built, kept alive as long as the window.
struct Program {
    platform::MemorySettingsStore settings;
    weekly_menu::Mt19937Source source;
};

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Program&)> open;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WindowCase& value, std::ostream* out) { *out << value.name; }

std::unique_ptr<QWidget> mainWindow(Program& program)
{
    auto window = std::make_unique<app::frmMain>(program.settings, program.source);
    window->Form_Load();
    return window;
}

std::unique_ptr<QWidget> plannerAfter(Program& program, int generatorsRun)
{
    auto window = std::make_unique<weekly_menu::frmWeeklyMenu>(program.source);
    if (generatorsRun >= 1)
        window->Command1_Click();
    if (generatorsRun >= 2)
        window->Command3_Click();
    if (generatorsRun >= 3)
        window->Command2_Click();
    return window;
}

std::unique_ptr<QWidget> plannerCleared(Program& program)
{
    auto window = std::make_unique<weekly_menu::frmWeeklyMenu>(program.source);
    window->Command3_Click();
    window->Command4_Click();
    return window;
}

// Add a row here for each new window.
const WindowCase ProgramWindows[] = {
    {"MainWindow", mainWindow},
    {"WeeklyMenuEmpty", [](Program& program) { return plannerAfter(program, 0); }},
    {"WeeklyMenuFullWeek", [](Program& program) { return plannerAfter(program, 3); }},
    {"WeeklyMenuCleared", plannerCleared},
    {"UnitCalculator", [](Program&) -> std::unique_ptr<QWidget> { return std::make_unique<unit_calculator::frmChiefGalvix>(); }},
    {"About", [](Program&) -> std::unique_ptr<QWidget> { return std::make_unique<about::frmAbout>(nullptr); }},
};

class Windows : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override
    {
        m_window = GetParam().open(m_program);
        m_window->show();
        QApplication::processEvents();
    }

    Program m_program;
    std::unique_ptr<QWidget> m_window;
};

TEST_P(Windows, IsAnnouncedAsAWindowByItsTitle)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
    ASSERT_NE(window, nullptr);
    const QAccessible::Role expected
        = qobject_cast<QDialog*>(m_window.get()) != nullptr ? QAccessible::Dialog : QAccessible::Window;
    EXPECT_EQ(window->role(), expected);
    EXPECT_EQ(window->text(QAccessible::Name), m_window->windowTitle());
}

TEST_P(Windows, SpeaksEveryCaptionExactlyAsShown)
{
    EXPECT_TRUE(testing::everyCaptionIsItsName(*m_window));
}

TEST_P(Windows, EveryFocusableControlCanBeToldApartByEar)
{
    EXPECT_TRUE(testing::everyControlHasItsOwnName(*m_window));
}

TEST_P(Windows, ShowEveryCaptionWholeWithEveryControlInside)
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
TEST_P(Windows, EveryTextStandsOutUnderLightDarkAndHighContrastThemes)
{
    const QPalette desktop = QApplication::palette();
    for (const testing::ThemePalette& theme : testing::themePalettes()) {
        QApplication::setPalette(theme.palette);
        QApplication::processEvents();
        const QStringList faint = faintTexts(*m_window);
        EXPECT_TRUE(faint.isEmpty()) << theme.name << ":\n" << faint.join(u'\n').toStdString();
    }
    QApplication::setPalette(desktop);
}

INSTANTIATE_TEST_SUITE_P(Program, Windows, ::testing::ValuesIn(ProgramWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(HighDpi, ScreensRunAtTheScaleFactorTheTestAsksFor)
{
    // Guards the QT_SCALE_FACTOR=2 run: if Qt ignored the variable, it would check nothing new.
    const QString asked = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), asked.toDouble());
}

} // namespace
} // namespace galvix

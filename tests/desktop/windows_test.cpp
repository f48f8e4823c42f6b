// Every window of the program, in the states worth checking, read the way a screen reader and a
// high-dpi screen would: each window is announced as a window or dialog by its title, each
// captioned control is spoken by the caption it shows, each focusable control can be told apart by
// ear, each caption is shown whole, and each control lies inside its window. The same cases run
// again under QT_SCALE_FACTOR=2 (see CMakeLists.txt).

#include <QAccessible>
#include <QApplication>
#include <QDialog>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include "support/accessibility.h"
#include "support/window_fit.h"
#include "window_states.h"

namespace galvix::tools {

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WindowState& value, std::ostream* out) { *out << value.name; }

} // namespace galvix::tools

namespace galvix {
namespace {

using tools::WindowState;

class Windows : public ::testing::TestWithParam<WindowState> {
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

INSTANTIATE_TEST_SUITE_P(Program, Windows, ::testing::ValuesIn(tools::windowStates()),
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

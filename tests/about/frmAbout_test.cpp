// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the About box through real events: mouse and keys go through the window system, so that a
// window blocked by the modal box really does not receive them.
#define QTEST_QPA_MOUSE_HANDLING

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "platform/application_info.h"
#include "platform/memory_settings_store.h"
#include "support/accessibility.h"
#include "support/event_loop.h"
#include "support/platform_fakes.h"
#include "support/test_services.h"
#include "support/window_texts.h"
#include "toolkit/loaded_windows.h"
#include "toolkit/surface.h"

namespace galvix::about {
namespace {

using testing::FakeFileSystem;
using testing::FakeProgramStarter;
using testing::FakeRegistry;
using testing::textValue;
using testing::whenModal;


QLabel* label(QWidget* about, const char* name) { return toolkit::child<QLabel>(*about, QString::fromLatin1(name)); }
QPushButton* button(QWidget* about, const char* name)
{
    return toolkit::child<QPushButton>(*about, QString::fromLatin1(name));
}

// What a person sees of the box: its size, and every control's text and place.
QStringList snapshot(QWidget* about)
{
    QStringList state{QStringLiteral("%1x%2").arg(about->width()).arg(about->height())};
    for (const QWidget* control : about->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<const QLabel*>(control);
        const auto* b = qobject_cast<const QAbstractButton*>(control);
        const QString text = l != nullptr ? l->text() : b != nullptr ? b->text() : QString();
        const QRect g = control->geometry();
        state << QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                     .arg(control->objectName(), text)
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(control->isVisible());
    }
    return state;
}

// The main window, shown, with the About box opened from its Help menu.
class AboutFromMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_main = new app::frmMain(testing::testServices(m_settings, m_source));
        m_main->showLoaded();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main));
    }
    void TearDown() override
    {
        delete m_main;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // Opens the box modally; `whileOpen` runs with it and must close it. Returns once exec does.
    void openAbout(const std::function<void(frmAbout*)>& whileOpen)
    {
        bool ran = false;
        whenModal([&](QWidget* modal) {
            ran = true;
            auto* about = qobject_cast<frmAbout*>(modal);
            ASSERT_NE(about, nullptr) << "the About box did not open";
            whileOpen(about);
        });
        m_main->mnuHelpAbout_Click();
        EXPECT_TRUE(ran);
    }

    platform::MemorySettingsStore m_settings;
    weekly_menu::Mt19937Source m_source;
    app::frmMain* m_main = nullptr;
};

TEST_F(AboutFromMainWindow, ShowsTitleVersionAndButtons)
{
    openAbout([](frmAbout* about) {
        EXPECT_EQ(about->windowTitle(), "About Galvix");
        EXPECT_EQ(label(about, "lblTitle")->text(), "Galvix");
        EXPECT_EQ(label(about, "lblVersion")->text(), "Version 1.1.0");
        EXPECT_FALSE(label(about, "lblDescription")->text().isEmpty());
        EXPECT_EQ(button(about, "cmdOK")->text(), "OK");
        EXPECT_EQ(button(about, "cmdSysInfo")->text(), "&System Info...");
        about->close();
    });
}

TEST_F(AboutFromMainWindow, IsAFixedDialogOwnedByAndCentredOverTheMainWindow)
{
    openAbout([this](frmAbout* about) {
        EXPECT_EQ(about->parentWidget(), m_main);
        EXPECT_EQ(about->windowType(), Qt::Dialog);
        const Qt::WindowFlags flags = about->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(about->minimumSize(), about->maximumSize());
        EXPECT_EQ(about->size(), QSize(391, 242)); // 5865 by 3630 twips
        // Where a window manager draws frames, the box is centred by them once they are known.
        const auto offset = [&] { return about->frameGeometry().center() - m_main->frameGeometry().center(); };
        EXPECT_TRUE(testing::waitUntil([&] { return offset().manhattanLength() <= 1; }))
            << offset().x() << ", " << offset().y();
        about->close();
    });
}

// Over a main window dragged half off the screen, the box stays whole on the screen.
TEST_F(AboutFromMainWindow, StaysOnTheScreenBesideAMainWindowHalfOffIt)
{
    const QRect screen = m_main->screen()->availableGeometry();
    m_main->move(screen.right() - m_main->frameGeometry().width() / 2, screen.bottom() - 20);
    openAbout([&](frmAbout* about) {
        EXPECT_TRUE(testing::waitUntil([&] { return screen.contains(about->frameGeometry()); }))
            << "the box's frame stands beyond the screen";
        about->close();
    });
}

// A screen reader hears what the box shows, the version and the credits included.
TEST_F(AboutFromMainWindow, FocusesOkAndSpeaksEveryControlAsShown)
{
    openAbout([](frmAbout* about) {
        // A window system activates the box a moment after it shows; OK has the focus from then.
        EXPECT_TRUE(testing::waitUntil([about] { return QApplication::focusWidget() == button(about, "cmdOK"); }))
            << "the focus is on " << QApplication::focusWidget();
        const std::map<const char*, QString> spoken{
            {"lblTitle", "Galvix"},
            {"lblVersion", "Version 1.1.0"},
            {"lblDescription", label(about, "lblDescription")->text()},
            {"cmdOK", "OK"},
            {"cmdSysInfo", "System Info..."},
        };
        for (const auto& [name, expected] : spoken) {
            QWidget* control = about->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(control, nullptr) << name;
            EXPECT_EQ(galvix::testing::spokenName(*control), expected) << name;
        }
        EXPECT_EQ(galvix::testing::spokenDescription(*button(about, "cmdSysInfo")), "Starts the system information tool");
        about->close();
    });
}

struct CloseCase {
    const char* name;
    std::function<void(frmAbout*)> close;
};
void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class ClosingTheBox : public AboutFromMainWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTheBox, UnloadsItAndGivesTheMainWindowBack)
{
    QPointer<frmAbout> closed;
    openAbout([&](frmAbout* about) {
        EXPECT_TRUE(toolkit::LoadedWindows::instance().contains(about));
        closed = about;
        GetParam().close(about);
    });
    EXPECT_TRUE(closed.isNull()) << "the box was hidden but not unloaded";
    EXPECT_EQ(toolkit::LoadedWindows::instance().count(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheBox,
    ::testing::Values(CloseCase{"OkButton", [](frmAbout* a) { testing::click(*a, "cmdOK"); }},
                      CloseCase{"EnterKey", [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); }},
                      CloseCase{"EscKey", [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); }},
                      CloseCase{"CloseBox", [](frmAbout* a) { a->close(); }}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return param.param.name; });

// Counts the mouse presses that reach a widget.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(AboutFromMainWindow, BlocksInputToTheMainWindowWhileOpen)
{
    QWidget* surface = m_main->centralWidget();
    PressCounter counter;
    surface->installEventFilter(&counter);

    openAbout([&](frmAbout* about) {
        QTest::mouseClick(surface, Qt::LeftButton);
        EXPECT_EQ(counter.presses, 0);
        about->close();
    });
    QTest::mouseClick(surface, Qt::LeftButton);
    EXPECT_EQ(counter.presses, 1);
}

TEST_F(AboutFromMainWindow, FillsTheLabelsAgainOnEveryShowing)
{
    openAbout([](frmAbout* about) {
        label(about, "lblTitle")->setText(QStringLiteral("changed"));
        label(about, "lblVersion")->setText(QStringLiteral("changed"));
        about->close();
    });
    openAbout([](frmAbout* about) {
        EXPECT_EQ(label(about, "lblTitle")->text(), QString::fromLatin1(platform::ApplicationTitle));
        EXPECT_EQ(label(about, "lblVersion")->text(), "Version 1.1.0");
        about->close();
    });
}

// The box on its own, over a plain owner, with the platform scripted.
class SystemInfoButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_owner.resize(600, 400);
        m_owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_owner));
    }

    // Opens the box, clicks "System Info..." and closes the message box that comes up, noting it;
    // the message box is shown and closed before the click returns.
    void clickSystemInfo()
    {
        auto* about = new frmAbout({m_registry, m_files, m_programs}, &m_owner);
        about->setAttribute(Qt::WA_DeleteOnClose);
        whenModal([this](QWidget* box) {
            ASSERT_NE(box, nullptr);
            const QStringList before = snapshot(box);
            whenModal(
                [this, box](QWidget* message) {
                    auto* messageBox = qobject_cast<QMessageBox*>(message);
                    ASSERT_NE(messageBox, nullptr) << "no message box came up";
                    m_messages.push_back(messageBox->text());
                    m_messageTitle = messageBox->windowTitle();
                    m_messageButtons = messageBox->standardButtons();
                    m_messageOwnedByBox = messageBox->parentWidget() == box;
                    messageBox->button(QMessageBox::Ok)->click();
                },
                box);
            testing::click(*box, "cmdSysInfo");
            m_stillOpenAfterward = box->isVisible() && QApplication::activeModalWidget() == box;
            m_unchanged = snapshot(box) == before;
            box->close();
        });
        about->exec();
    }

    QWidget m_owner;
    FakeRegistry m_registry;
    FakeFileSystem m_files;
    FakeProgramStarter m_programs;
    QStringList m_messages;
    QString m_messageTitle;
    QMessageBox::StandardButtons m_messageButtons;
    bool m_messageOwnedByBox = false;
    bool m_stillOpenAfterward = false;
    bool m_unchanged = false;
};

TEST_F(SystemInfoButton, SaysTheToolIsUnavailableAndLeavesTheBoxAsItWas)
{
    clickSystemInfo();
    EXPECT_EQ(m_messages, QStringList{"System Information Is Unavailable At This Time"});
    EXPECT_EQ(m_messageTitle, "Galvix");
    EXPECT_EQ(m_messageButtons, QMessageBox::Ok);
    EXPECT_TRUE(m_messageOwnedByBox);
    EXPECT_TRUE(m_stillOpenAfterward);
    EXPECT_TRUE(m_unchanged);
    EXPECT_TRUE(m_registry.allClosed());
}

// Every caption must be readable whole at its control's design size in the program's font.
TEST(AboutBoxLayout, EveryCaptionFitsItsControl)
{
    QWidget owner;
    frmAbout about(testing::noSysInfo(), &owner);
    for (QLabel* l : about.findChildren<QLabel*>()) {
        const QRect needed = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 10000),
                                                          Qt::TextWordWrap | Qt::AlignLeft, l->text());
        EXPECT_LE(needed.width(), l->width()) << l->objectName().toStdString();
        EXPECT_LE(needed.height(), l->height()) << l->objectName().toStdString();
    }
    for (QPushButton* b : about.findChildren<QPushButton*>())
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
}

} // namespace
} // namespace galvix::about

// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Print, Save as PDF and Copy in the planner, driven through its actions, shortcuts and context
// menu; the PDFs are read back with poppler's pdfinfo and pdftotext.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/event_loop.h"
#include "support/pdf_reading.h"
#include "support/platform_fakes.h"
#include "support/tab_order.h"
#include "support/window_texts.h"
#include "toolkit/surface.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/menu_output.h"
#include "weekly_menu/random_source.h"
#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {
namespace {

// A text fit for an HTML cell and a PDF: what the cook could type.
const QString TypedMarkup = QStringLiteral("<b>Fish & \"Chips\"</b> 'n' <i>peas</i>");

// A long cell: many words, and one word too long for any column.
QString longText()
{
    QString text;
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral("Grilled Swordfish with Lemon Butter %1; ").arg(i);
    return text + QString(90, u'x') + QStringLiteral("; End of Cell;");
}

using testing::pdfFacts;
using testing::pdfFirstPageInGrey;
using testing::pdfText;
using testing::pdfWords;
using testing::PdfFacts;
using testing::snapshot;
using testing::squeezed;
using testing::WordBox;

// Every text the cells and "24 hr" labels show, the day names, the heading and the times.
QStringList everythingShown(const frmWeeklyMenu& window)
{
    QStringList texts{QStringLiteral("Weekly Menu"), QStringLiteral("7:00 to 8:00"), QStringLiteral("12:00 to 13:00"),
                      QStringLiteral("17:00 to 18:00")};
    for (const std::string_view name : TextBoxNames)
        texts << window.surface()->textBox(name)->text();
    for (const DayRow& row : WeeklyGrid)
        texts << toolkit::toQString(row.day) << window.surface()->label(row.hourLabel)->text();
    return texts;
}

QTextTable* firstTable(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    }
    return nullptr;
}

// A table cell's lines, each without the blanks around it.
QStringList cellLines(QTextTable& table, int row, int column)
{
    const QTextTableCell cell = table.cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QStringList lines = cursor.selectedText().split(QChar::LineSeparator);
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

class PlannerOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        output().setMessageBox(messages);
    }

    MenuOutput& output() const { return window->output(); }
    QLineEdit* cell(std::string_view name) const { return window->surface()->textBox(name); }
    QString pathIn(const QString& name) const { return folder.filePath(name); }

    void planWholeWeek() const
    {
        window->Command1_Click();
        window->Command3_Click();
        window->Command2_Click();
    }

    // Saves through the Save as PDF action, choosing `path` in the save dialog.
    void saveAs(const QString& path) const
    {
        output().setSaveFileChooser([path](const QString&) { return path; });
        output().saveAsPdfAction()->trigger();
    }

    void showActive() const
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Mt19937Source source;
    std::unique_ptr<frmWeeklyMenu> window = std::make_unique<frmWeeklyMenu>(source);
    testing::FakeMessageBox messages;
    QTemporaryDir folder;
};

TEST_F(PlannerOutput, CopyPutsTheWeekOnTheClipboardAsTabSeparatedTextAndAsAnHtmlTable)
{
    planWholeWeek();
    cell("Text5")->setText(TypedMarkup);
    cell("Text40")->clear();
    output().copyAction()->trigger();

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasHtml());

    const QStringList lines = data->text().split(u'\n');
    ASSERT_EQ(lines.size(), 9); // a header, seven days, and the break that ends the last
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Day\tBreakfast")));
    for (int day = 0; day < 7; ++day) {
        const QStringList fields = lines[day + 1].split(u'\t');
        ASSERT_EQ(fields.size(), 5) << lines[day + 1].toStdString();
        EXPECT_EQ(fields[0], toolkit::toQString(WeeklyGrid[static_cast<std::size_t>(day)].day));
        EXPECT_EQ(fields[2], QStringLiteral("Bread"));
    }
    EXPECT_EQ(lines[2].split(u'\t')[3], TypedMarkup + QStringLiteral("; ") + cell("Text23")->text().trimmed());
    EXPECT_EQ(lines[5].split(u'\t')[1], cell("Text13")->text().trimmed()); // Thursday's line 2 is empty

    QTextDocument document;
    document.setHtml(data->html());
    QTextTable* table = firstTable(document);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 8);
    ASSERT_EQ(table->columns(), 5);
    for (int r = 1; r < 8; ++r) {
        const DayRow& row = WeeklyGrid[static_cast<std::size_t>(r - 1)];
        const auto lineTexts = [this](std::string_view line1, std::string_view line2) {
            return QStringList{cell(line1)->text().trimmed(), cell(line2)->text().trimmed()};
        };
        EXPECT_EQ(cellLines(*table, r, 0), QStringList{toolkit::toQString(row.day)});
        EXPECT_EQ(cellLines(*table, r, 1), lineTexts(row.breakfastLine1, row.breakfastLine2)) << row.day;
        EXPECT_EQ(cellLines(*table, r, 2), QStringList{QStringLiteral("Bread")}) << row.day;
        EXPECT_EQ(cellLines(*table, r, 3), lineTexts(row.lunchLine1, row.lunchLine2)) << row.day;
        EXPECT_EQ(cellLines(*table, r, 4), lineTexts(row.dinnerLine1, row.dinnerLine2)) << row.day;
    }
    EXPECT_EQ(cellLines(*table, 2, 3).constFirst(), TypedMarkup); // markup pastes as the characters typed
}

TEST_F(PlannerOutput, SavesOneLandscapePageHoldingEveryTextWithNothingOffTheMargins)
{
    struct Case {
        const char* name;
        std::function<void()> fill;
    };
    const Case cases[] = {
        {"empty", [] {}},
        {"planned",
         [this] {
             planWholeWeek();
             cell("Text5")->setText(TypedMarkup);
             cell("Text29")->setText(longText());
         }},
        {"every-cell-long",
         [this] {
             planWholeWeek();
             for (const std::string_view name : TextBoxNames)
                 cell(name)->setText(longText());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->Command4_Click();
        c.fill();
        const QString path = pathIn(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        saveAs(path);
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_TRUE(QFileInfo::exists(path));

        const PdfFacts facts = pdfFacts(path);
        EXPECT_EQ(facts.pages, 1);
        EXPECT_GT(facts.width, facts.height);

        const QString text = squeezed(pdfText(path));
        for (const QString& shown : everythingShown(*window))
            EXPECT_TRUE(text.contains(squeezed(shown))) << shown.toStdString();

        // 15 mm margins, less a point for rounding.
        const double margin = 15 / 25.4 * 72 - 1;
        const QRectF inside(margin, margin, facts.width - 2 * margin, facts.height - 2 * margin);
        const std::vector<WordBox> words = pdfWords(path);
        EXPECT_FALSE(words.empty());
        for (const WordBox& word : words)
            EXPECT_TRUE(inside.contains(word.box)) << word.word.toStdString();
    }
}

TEST_F(PlannerOutput, PrintsTheTextInBlackEvenUnderADarkDesktopTheme)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    QApplication::setPalette(dark);
    planWholeWeek();
    const QString path = pathIn(QStringLiteral("dark.pdf"));
    saveAs(path);
    QApplication::setPalette(desktop);

    const QImage page = pdfFirstPageInGrey(path, 72);
    ASSERT_FALSE(page.isNull());
    qsizetype black = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            black += qGray(page.pixel(x, y)) < 48 ? 1 : 0;
    }
    EXPECT_GT(black, 2000); // the heading alone has more
}

TEST_F(PlannerOutput, SaveProposesWeeklyMenuPdfInAFolderThatExists)
{
    QString proposed;
    output().setSaveFileChooser([&proposed](const QString& path) {
        proposed = path;
        return QString();
    });
    output().saveAsPdfAction()->trigger();
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("weekly-menu.pdf"));
    EXPECT_TRUE(QFileInfo(proposed).absoluteDir().exists()) << proposed.toStdString();
    EXPECT_TRUE(messages.shown.empty()); // cancelling is no failure
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PlannerOutput, SavingOverAFileReplacesItWhole)
{
    const QString path = pathIn(QStringLiteral("weekly-menu.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000000, 'o'));
    old.close();

    planWholeWeek();
    saveAs(path);
    EXPECT_TRUE(messages.shown.empty());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_FALSE(bytes.contains(QByteArray(100, 'o')));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("weekly-menu.pdf")});
}

TEST_F(PlannerOutput, AFileThatCannotBeWrittenIsReportedAndChangesNothing)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("a-folder")));
    struct Case {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        {"in a folder that does not exist", pathIn(QStringLiteral("missing/weekly-menu.pdf"))},
        {"that is a folder", pathIn(QStringLiteral("a-folder"))},
    };
    planWholeWeek();
    cell("Text7")->setText(TypedMarkup);
    const auto shown = snapshot(*window);
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const float nextDraw = Mt19937Source(source).NextValue();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        saveAs(c.path);
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_NE(messages.shown[0].find(QDir::toNativeSeparators(c.path).toStdString()), std::string::npos)
            << messages.shown[0];
        EXPECT_NE(messages.shown[0].find("could not be saved"), std::string::npos) << messages.shown[0];
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        EXPECT_TRUE(QDir(pathIn(QStringLiteral("a-folder"))).isEmpty());
        EXPECT_EQ(snapshot(*window), shown);
    }
    EXPECT_EQ(source.NextValue(), nextDraw);
}

TEST_F(PlannerOutput, PrintsOneLandscapePageOnThePrinterChosenAndNothingWhenCancelled)
{
    planWholeWeek();
    cell("Text41")->setText(TypedMarkup);
    struct Case {
        const char* what;
        bool accept;
        int copies;
        int pages; // 0: no output at all
    };
    const Case cases[] = {
        {"cancelled", false, 1, 0},
        {"printed", true, 1, 1},
        // Output to a file makes no copies of its own, so each copy is a page of its own.
        {"two copies", true, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = pathIn(QString::fromLatin1(c.what) + QStringLiteral(".pdf"));
        bool landscape = false;
        output().setPrintDialog([&](QPrinter& printer) {
            landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setCopyCount(c.copies);
            return c.accept;
        });
        output().printAction()->trigger();
        EXPECT_TRUE(landscape);
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_EQ(QFileInfo::exists(path), c.pages > 0);
        if (c.pages == 0)
            continue;
        const PdfFacts facts = pdfFacts(path);
        EXPECT_EQ(facts.pages, c.pages);
        EXPECT_GT(facts.width, facts.height);
        const QString text = squeezed(pdfText(path));
        for (const QString& shown : everythingShown(*window))
            EXPECT_EQ(text.count(squeezed(shown)) >= c.pages, true) << shown.toStdString();
    }
}

TEST_F(PlannerOutput, APrinterThatCannotBeWrittenToIsReported)
{
    const QString path = pathIn(QStringLiteral("missing/printed.pdf"));
    output().setPrintDialog([&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    output().printAction()->trigger();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_NE(messages.shown[0].find("could not be printed"), std::string::npos) << messages.shown[0];
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(PlannerOutput, ShortcutsWorkWhereverTheFocusIsInThePlanner)
{
    int printDialogs = 0;
    int saveDialogs = 0;
    output().setPrintDialog([&printDialogs](QPrinter&) {
        ++printDialogs;
        return false;
    });
    output().setSaveFileChooser([&saveDialogs](const QString&) {
        ++saveDialogs;
        return QString();
    });
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int prints;
        int saves;
        bool copies;
    };
    const Case cases[] = {
        {Qt::Key_P, Qt::ControlModifier, 1, 0, false},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, 0, 1, false},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, 0, 0, true},
    };
    showActive();
    window->Command1_Click();
    for (const char* focus : {"Command1", "Text5", "Text42"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(focus) + " " + QKeySequence(c.key | c.modifiers).toString().toStdString());
            printDialogs = 0;
            saveDialogs = 0;
            QApplication::clipboard()->clear();
            QWidget* target = window->surface()->control(focus);
            target->setFocus();
            QTest::keyClick(target, c.key, c.modifiers);
            EXPECT_EQ(printDialogs, c.prints);
            EXPECT_EQ(saveDialogs, c.saves);
            EXPECT_EQ(QApplication::clipboard()->text().startsWith(QStringLiteral("Day\t")), c.copies);
        }
    }
    EXPECT_EQ(cell("Text5")->text(), QString()); // the keys typed nothing into the cell
}

// The texts of the menu that a right-click on `target` opens, access-key markers removed; empty
// when no menu opens.
QStringList contextMenuOn(QWidget* target, QPoint at)
{
    QStringList texts;
    QObject looking; // the looking ends with this function when no menu opens
    testing::whenPopup(
        [&texts](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            ASSERT_NE(menu, nullptr) << "a popup that is not a menu";
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    texts << action->text().remove(u'&').section(u'\t', 0, 0);
            }
            menu->close();
        },
        looking);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    // The window's menu has closed when sendEvent returns; a text box's edit menu is still open.
    EXPECT_TRUE(testing::waitUntil([] { return QApplication::activePopupWidget() == nullptr; }));
    return texts;
}

TEST_F(PlannerOutput, RightClickOnTheWindowOffersTheThreeButATextBoxKeepsItsEditMenu)
{
    showActive();
    const QStringList ours{QStringLiteral("Print..."), QStringLiteral("Save as PDF..."), QStringLiteral("Copy Week")};
    for (const char* name : {"Label1", "Label15", "Label9", "Command4"})
        EXPECT_EQ(contextMenuOn(window->surface()->control(name), QPoint(2, 2)), ours) << name;
    EXPECT_EQ(contextMenuOn(window->surface(), QPoint(5, 470)), ours) << "bare surface";

    const QStringList editMenu = contextMenuOn(cell("Text5"), QPoint(5, 5));
    EXPECT_FALSE(editMenu.isEmpty());
    for (const QString& text : ours)
        EXPECT_FALSE(editMenu.contains(text)) << text.toStdString();
}

TEST_F(PlannerOutput, LeavesThePlannersControlsAndTabOrderAsTheyAre)
{
    const toolkit::FormSpec& form = WeeklyMenuForm;
    ASSERT_EQ(form.controls.size(), 71U);
    ASSERT_EQ(form.lines.size(), 12U);

    std::set<QString> expectedNames{QStringLiteral("surface")};
    for (const toolkit::ControlSpec& control : form.controls)
        expectedNames.insert(toolkit::toQString(control.name));
    std::set<QString> names;
    for (const QWidget* child : window->findChildren<QWidget*>())
        names.insert(child->objectName());
    EXPECT_EQ(names, expectedNames); // no widget of its own: the actions are window-wide

    EXPECT_EQ(testing::focusChain(*window, window->surface()->control("Command1")), testing::plannerTabOrder());
}

TEST_F(PlannerOutput, TakingTheWeekOutChangesNoCellAndDrawsNothing)
{
    planWholeWeek();
    cell("Text9")->setText(QStringLiteral("typed by the cook"));
    const auto shown = snapshot(*window);
    const float nextDraw = Mt19937Source(source).NextValue();

    output().setPrintDialog([this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pathIn(QStringLiteral("printed.pdf")));
        return true;
    });
    output().copyAction()->trigger();
    saveAs(pathIn(QStringLiteral("saved.pdf")));
    output().printAction()->trigger();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(snapshot(*window), shown);
    EXPECT_EQ(source.NextValue(), nextDraw);
}

} // namespace
} // namespace galvix::weekly_menu

// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_calculator/frmChiefGalvix.h"

#include <QPushButton>

#include <array>
#include <new>
#include <optional>
#include <utility>

#include "toolkit/control_table.h"
#include "toolkit/surface.h"
#include "toolkit/window_role.h"
#include "unit_calculator/arithmetic_error.h"

namespace galvix::unit_calculator {

namespace {

using toolkit::ControlKind;
using toolkit::ControlSpec;
using toolkit::LineSpec;
using toolkit::NoTabStop;
using toolkit::SystemColour;

constexpr ControlKind TextBox = ControlKind::TextBox;
constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind Button = ControlKind::CommandButton;
constexpr ControlKind Frame = ControlKind::Frame;

// Result fields stand out on the title-bar colour; the section headings are in the desktop colour.
constexpr toolkit::Colour ResultBack = SystemColour::ActiveTitleBar;
constexpr toolkit::Colour WeightText = SystemColour::ActiveTitleBarText;
constexpr toolkit::Colour ResultText = SystemColour::HighlightText;
constexpr toolkit::Colour Heading = SystemColour::Desktop;

// Frames first, so that they lie beneath everything else. Captions keep their trailing blanks.
// A field is named by the last column; a label or button is spoken by its caption, and the last
// column describes it: the unit a label abbreviates, what a button does.
constexpr std::array<ControlSpec, 60> Controls{{
    // The six store rooms; nothing is put in them.
    {Frame, "Frame1", "Dry Store ", 120, 0, 3735, 3615, 0},
    {Frame, "Frame2", "Cabin Store ", 120, 3720, 3735, 2295, 1},
    {Frame, "Frame3", "Cold Room (Meat: -10 degree) ", 4080, 1320, 3735, 2295, 2},
    {Frame, "Frame4", "Cold Room (Vegetable: +5 degree) ", 4080, 3720, 3735, 2295, 3},
    {Frame, "Frame5", "Laundary Room ", 120, 6120, 3735, 2055, 4},
    {Frame, "Frame6", "Galley ", 4080, 6120, 3735, 2055, 5},

    // Weight convertor: pounds to kilograms to grams on the first row, kilograms to pounds to
    // ounces on the second.
    {Label, "Label23", "Navorel Weight Convertor", 9240, 120, 1335, 495, 59, Heading},
    {TextBox, "Text1", "", 4080, 120, 975, 375, 7, {}, {}, "Pounds to convert"},
    {Label, "Label1", "lb  =  ", 5160, 240, 495, 255, 6, {}, {}, "Pounds"},
    {TextBox, "Text2", "", 5520, 120, 1455, 375, 8, ResultText, ResultBack, "Kilograms from pounds"},
    {Label, "Label2", "Kg  = ", 7080, 240, 495, 375, 9, {}, {}, "Kilograms"},
    {TextBox, "Text3", "", 7560, 120, 1335, 375, 10, WeightText, ResultBack, "Grams from kilograms"},
    {Label, "Label3", "g", 8880, 240, 255, 375, 11, {}, {}, "Grams"},
    {TextBox, "Text4", "", 4080, 600, 975, 375, 14, {}, {}, "Kilograms to convert"},
    {Label, "Label4", "Kg =", 5160, 600, 495, 375, 15, {}, {}, "Kilograms"},
    {TextBox, "Text5", "", 5520, 600, 1455, 375, 16, WeightText, ResultBack, "Pounds from kilograms"},
    {Label, "Label5", "lb = ", 7080, 600, 495, 375, 17, {}, {}, "Pounds"},
    {TextBox, "Text6", "", 7560, 600, 1335, 375, 18, WeightText, ResultBack, "Ounces from pounds"},
    {Label, "Label6", "oz", 8880, 600, 255, 375, 19, {}, {}, "Ounces"},
    {Button, "Command1", "C", 9240, 600, 495, 375, 12, {}, {}, "Clears the six weight fields"},
    {Button, "Command2", "Calculate", 9840, 600, 855, 375, 13, {}, {}, "Converts both weight rows"},

    // Liquid convertor: seven rows, the amount to convert on the left, the result on the right,
    // each field with its unit above it.
    {Label, "Label22", "Navorel Liquid Convertor", 8280, 1320, 2535, 255, 58, Heading},
    {Button, "Command3", "Clear", 8280, 1560, 1095, 375, 20, {}, {},
     "Clears the liquid convertor and the mini-calculator"},
    {Button, "Command4", "Calculate", 9600, 1560, 975, 375, 21, {}, {}, "Converts the seven liquid measures"},
    {Label, "Label7", "Gal.(USA)", 8160, 2040, 975, 255, NoTabStop, {}, {}, "US gallons"},
    {TextBox, "Text7", "", 8160, 2280, 1215, 375, 22, {}, {}, "US gallons to convert"},
    {Label, "Label8", "L", 9480, 2040, 375, 255, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text8", "", 9480, 2280, 1215, 375, 24, ResultText, ResultBack, "Litres from US gallons"},
    {Label, "Label17", "Gal. (UK)", 8160, 2760, 975, 375, NoTabStop, {}, {}, "Imperial gallons"},
    {TextBox, "Text17", "", 8160, 3000, 1215, 375, 42, {}, {}, "Imperial gallons to convert"},
    {Label, "Label18", "L", 9480, 2760, 375, 375, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text18", "", 9480, 3000, 1215, 375, 43, ResultText, ResultBack, "Litres from imperial gallons"},
    {Label, "Label11", "L", 8160, 3480, 375, 375, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text11", "", 8160, 3720, 1215, 375, 30, {}, {}, "Litres to convert to US quarts"},
    {Label, "Label12", "QT (USA)", 9480, 3480, 1215, 375, NoTabStop, {}, {}, "US quarts"},
    {TextBox, "Text12", "", 9480, 3720, 1215, 375, 32, ResultText, ResultBack, "US quarts from litres"},
    {Label, "Label13", "L", 8160, 4200, 615, 255, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text13", "", 8160, 4440, 1215, 375, 34, {}, {}, "Litres to convert to US gallons"},
    {Label, "Label14", "Gal. (USA)", 9480, 4200, 855, 255, NoTabStop, {}, {}, "US gallons"},
    {TextBox, "Text14", "", 9480, 4440, 1215, 375, 35, ResultText, ResultBack, "US gallons from litres"},
    {Label, "Label15", "QT (UK)", 8160, 4920, 735, 255, NoTabStop, {}, {}, "Imperial quarts"},
    {TextBox, "Text15", "", 8160, 5160, 1215, 375, 38, {}, {}, "Imperial quarts to convert"},
    {Label, "Label16", "L", 9480, 4920, 375, 375, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text16", "", 9480, 5160, 1215, 375, 39, ResultText, ResultBack, "Litres from imperial quarts"},
    {Label, "Label9", "QT (USA)", 8160, 5640, 1095, 255, NoTabStop, {}, {}, "US quarts"},
    {TextBox, "Text9", "", 8160, 5880, 1215, 375, 26, {}, {}, "US quarts to convert"},
    {Label, "Label10", "L", 9480, 5640, 375, 255, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text10", "", 9480, 5880, 1215, 375, 27, ResultText, ResultBack, "Litres from US quarts"},
    {Label, "Label19", "L", 8160, 6360, 735, 495, NoTabStop, {}, {}, "Litres"},
    {TextBox, "Text19", "", 8160, 6600, 1215, 375, 46, {}, {}, "Litres to convert to imperial gallons"},
    {Label, "Label20", "Gal. (UK)", 9480, 6360, 855, 495, NoTabStop, {}, {}, "Imperial gallons"},
    {TextBox, "Text20", "", 9480, 6600, 1215, 375, 47, ResultText, ResultBack, "Imperial gallons from litres"},

    // Mini-calculator: two operands, the four operators, the result and the heading below it.
    {TextBox, "Text21", "", 8160, 7200, 1215, 375, 50, {}, {}, "First number"},
    {TextBox, "Text22", "", 8160, 7560, 1215, 375, 51, {}, {}, "Second number"},
    {Button, "Command5", "+", 9720, 7200, 255, 255, 52, {}, {}, "Adds the two numbers"},
    {Button, "Command6", "-", 9720, 7560, 255, 255, 54, {}, {}, "Subtracts the second number from the first"},
    {Button, "Command7", "*", 10200, 7200, 255, 255, 55, {}, {}, "Multiplies the two numbers"},
    {Button, "Command8", "/", 10200, 7560, 255, 255, 56, {}, {}, "Divides the first number by the second"},
    {TextBox, "Text23", "", 8160, 7920, 2535, 375, 53, ResultText, ResultBack, "Result"},
    {Label, "Label21", "Navorel Mini-calculator", 8160, 8280, 2655, 255, 57, Heading},
}};

// Lines 8, 7, 1 and 2 box the weight convertor; 4, 3 and 6 frame the right-hand column, which line 5
// divides into the liquid convertor and the mini-calculator.
constexpr std::array<LineSpec, 8> Lines{{
    {"Line8", 3960, 0, 10800, 0},
    {"Line7", 3960, 1200, 3960, 0},
    {"Line1", 3960, 1200, 10680, 1200},
    {"Line2", 10800, 0, 10800, 1200},
    {"Line4", 8040, 1200, 10800, 1200},
    {"Line3", 8040, 1200, 8040, 8520},
    {"Line6", 10800, 1200, 10800, 8520},
    {"Line5", 8040, 7080, 10800, 7080},
}};

} // namespace

constexpr toolkit::FormSpec ChiefGalvixForm{"Galvix Inventory", 10890, 8550, Controls, Lines};

namespace {

using CalculatorSurface = toolkit::FormSurface<ChiefGalvixForm>;
using Field = CalculatorSurface::TextBoxName;

} // namespace

// One step of a convertor's Calculate: the destination field gets the source field's text converted.
struct ConvertStep {
    Field destination;
    Field source;
    double factor = 0;
};

namespace {

// The kilograms are converted to grams from the text just written, not from the unrounded product;
// likewise the ounces from the pounds.
constexpr std::array<ConvertStep, 4> WeightSteps{{
    {"Text2", "Text1", PoundsToKilograms},
    {"Text3", "Text2", KilogramsToGrams},
    {"Text5", "Text4", KilogramsToPounds},
    {"Text6", "Text5", PoundsToOunces},
}};

// In the order of the rows from top to bottom.
constexpr std::array<ConvertStep, 7> LiquidSteps{{
    {"Text8", "Text7", UsGallonsToLitres},
    {"Text18", "Text17", ImperialGallonsToLitres},
    {"Text12", "Text11", LitresToUsQuarts},
    {"Text14", "Text13", LitresToUsGallons},
    {"Text16", "Text15", ImperialQuartsToLitres},
    {"Text10", "Text9", UsQuartsToLitres},
    {"Text20", "Text19", LitresToImperialGallons},
}};

constexpr std::array<Field, 6> WeightFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

// The liquid convertor's fields and the mini-calculator's, in ascending order of the number.
constexpr std::array<Field, 17> LiquidAndCalculatorFields{
    "Text7",  "Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15",
    "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23",
};

std::string fieldText(const toolkit::Surface& surface, Field name) { return surface.controlText(name); }

// A long result shows its leading digits, as the surface shows every text it writes.
void setFieldText(toolkit::Surface& surface, Field name, const std::string& text)
{
    surface.setControlText(name, text);
}

void clearFields(toolkit::Surface& surface, std::span<const Field> names)
{
    for (const Field name : names)
        setFieldText(surface, name, {});
}

// The message names the error; the overflow error also stands for 0 divided by 0.
[[nodiscard]] std::string failureMessage(const ArithmeticError& error)
{
    switch (error.kind()) {
    case ArithmeticError::Kind::Overflow:
        return "Overflow: a number or a result is too large, or 0 was divided by 0.";
    case ArithmeticError::Kind::DivisionByZero:
        return "Division by zero: the second number is 0.";
    }
    return error.what();
}

} // namespace

frmChiefGalvix::frmChiefGalvix(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_messages(this)
{
    build();
}

frmChiefGalvix::frmChiefGalvix(platform::MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_messages(this, messages)
{
    build();
}

frmChiefGalvix::~frmChiefGalvix() = default;

// A plain window holding the table's surface at its design size; resizing the window moves nothing.
void frmChiefGalvix::build()
{
    setObjectName(QStringLiteral("frmChiefGalvix"));
    toolkit::announceAsWindow(staticMetaObject);
    setWindowTitle(toolkit::toQString(ChiefGalvixForm.caption));
    m_surface = new CalculatorSurface(this);
    resize(m_surface->size());

    struct Handler {
        CalculatorSurface::ButtonName button;
        void (frmChiefGalvix::*click)();
    };
    constexpr std::array<Handler, 8> Handlers{{
        {"Command1", &frmChiefGalvix::Command1_Click},
        {"Command2", &frmChiefGalvix::Command2_Click},
        {"Command3", &frmChiefGalvix::Command3_Click},
        {"Command4", &frmChiefGalvix::Command4_Click},
        {"Command5", &frmChiefGalvix::Command5_Click},
        {"Command6", &frmChiefGalvix::Command6_Click},
        {"Command7", &frmChiefGalvix::Command7_Click},
        {"Command8", &frmChiefGalvix::Command8_Click},
    }};
    for (const auto& [button, click] : Handlers)
        connect(m_surface->button(button), &QPushButton::clicked, this, [this, click] { (this->*click)(); });
}

void frmChiefGalvix::Command1_Click() { clearFields(*m_surface, WeightFields); }

void frmChiefGalvix::Command2_Click() { convert(WeightSteps); }

void frmChiefGalvix::Command3_Click() { clearFields(*m_surface, LiquidAndCalculatorFields); }

void frmChiefGalvix::Command4_Click() { convert(LiquidSteps); }

void frmChiefGalvix::Command5_Click() { calculate(Operator::Sum); }

void frmChiefGalvix::Command6_Click() { calculate(Operator::Difference); }

void frmChiefGalvix::Command7_Click() { calculate(Operator::Product); }

void frmChiefGalvix::Command8_Click() { calculate(Operator::Quotient); }

// Each step reads its source when it runs, so a step sees what the steps before it wrote.
void frmChiefGalvix::convert(std::span<const ConvertStep> steps)
{
    runClick([this, steps] {
        for (const ConvertStep& step : steps)
            setFieldText(*m_surface, step.destination, ConvertText(fieldText(*m_surface, step.source), step.factor));
    });
}

// The second operand is read before the first.
void frmChiefGalvix::calculate(Operator op)
{
    runClick([this, op] {
        const std::string second = fieldText(*m_surface, "Text22");
        const std::string first = fieldText(*m_surface, "Text21");
        setFieldText(*m_surface, "Text23", CalculateText(first, second, op));
    });
}

// Runs a click's steps. A failing step ends the click there, leaving what earlier steps wrote, and
// the user is told once the error has been caught; nothing is thrown back into the event loop.
template <class Steps>
void frmChiefGalvix::runClick(Steps&& steps)
{
    std::optional<std::string> failure;
    try {
        std::forward<Steps>(steps)();
    } catch (const ArithmeticError& error) {
        failure = failureMessage(error);
    } catch (const std::bad_alloc&) {
        failure = "Out of memory: the text is too long to calculate with.";
    }
    if (failure)
        m_messages.show(*failure);
}

} // namespace galvix::unit_calculator

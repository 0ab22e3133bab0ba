// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four bars as spinners for the boxes beside them: their ends, steps,
// direction, crosswise pairing, and what they do to typed text.
#include <QStyle>
#include <QStyleOptionSlider>
#include <optional>
#include <vector>

#include "layout/layout.h"
#include "window_fixture.h"

namespace {

// A bar as its layout row describes it; the window must build it so.
struct BarRow {
    std::string_view bar;
    std::string_view box;
    int top;     // Min: the value at the top end
    int bottom;  // Max: the value at the bottom end
    int start;
};

void PrintTo(const BarRow& row, std::ostream* out)
{
    *out << row.bar;
}

std::vector<BarRow> barRows()
{
    std::vector<BarRow> rows;
    for (const auto& row : layout::kControls) {
        if (row.kind == layout::Kind::VScrollBar)
            rows.push_back({row.name, row.spinner.box, row.spinner.min, row.spinner.max, layout::startValue(row)});
    }
    return rows;
}

// Where on the bar the style puts a part (an arrow, the trough above or below the thumb).
std::optional<QPoint> pointOn(ui::SpinBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    for (int y = 0; y < bar->height(); ++y) {
        const QPoint point(bar->width() / 2, y);
        if (bar->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, bar) == part)
            return point;
    }
    return std::nullopt;
}

class EveryBar : public uitest::WindowTest, public ::testing::WithParamInterface<BarRow> {
protected:
    ui::SpinBar* bar() { return qobject_cast<ui::SpinBar*>(window->control(GetParam().bar)); }
    QLineEdit* box() { return qobject_cast<QLineEdit*>(window->control(GetParam().box)); }
    QString boxText() { return box()->text(); }

    void clickArrow(QStyle::SubControl arrow)
    {
        const auto point = pointOn(bar(), arrow);
        ASSERT_TRUE(point);
        QTest::mouseClick(bar(), Qt::LeftButton, {}, *point);
    }
};

// Form_Load leaves every box with the text it was designed with.
TEST_P(EveryBar, StartsAtItsValueWithItsBoxShowingIt)
{
    const BarRow& row = GetParam();
    EXPECT_EQ(bar()->Min(), row.top);
    EXPECT_EQ(bar()->Max(), row.bottom);
    EXPECT_EQ(bar()->barValue(), row.start);
    EXPECT_EQ(boxText(), QString::number(row.start));
    EXPECT_EQ(boxText().toStdString(), layout::find(row.box)->text);
}

TEST_P(EveryBar, KeysMoveByOneUpwardsToTheHighEndAndStopAtBothEnds)
{
    const BarRow& row = GetParam();
    bar()->setFocus();
    QTest::keyClick(bar(), Qt::Key_Up);
    EXPECT_EQ(boxText(), QString::number(row.start + 1));
    QTest::keyClick(bar(), Qt::Key_PageDown);
    QTest::keyClick(bar(), Qt::Key_PageDown);
    EXPECT_EQ(boxText(), QString::number(row.start - 1)) << "a page is one step";

    for (int i = 0; i < row.top - row.bottom + 3; ++i)
        QTest::keyClick(bar(), Qt::Key_Up);
    EXPECT_EQ(bar()->barValue(), row.top);
    EXPECT_EQ(boxText(), QString::number(row.top));
    QTest::keyClick(bar(), Qt::Key_Down);
    EXPECT_EQ(boxText(), QString::number(row.top - 1));

    for (int i = 0; i < row.top - row.bottom + 3; ++i)
        QTest::keyClick(bar(), Qt::Key_Down);
    EXPECT_EQ(bar()->barValue(), row.bottom);
    EXPECT_EQ(boxText(), QString::number(row.bottom));
}

TEST_P(EveryBar, ArrowClicksMoveByOneAndTheUpArrowRaises)
{
    const BarRow& row = GetParam();
    clickArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(boxText(), QString::number(row.start + 1));
    clickArrow(QStyle::SC_ScrollBarAddLine);
    clickArrow(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(boxText(), QString::number(row.start - 1));
}

TEST_P(EveryBar, ADragUpdatesTheBoxOnceOnRelease)
{
    const BarRow& row = GetParam();
    type(box(), "7.5");  // a drag goes where the thumb is let go, whatever the box says
    int changes = 0;
    QObject::connect(bar(), &ui::SpinBar::Change, [&] { ++changes; });
    bar()->setSliderDown(true);
    bar()->setSliderPosition(0);  // the thumb at the top end
    EXPECT_EQ(boxText(), "7.5");
    bar()->setSliderPosition(1);
    EXPECT_EQ(boxText(), "7.5");
    bar()->setSliderDown(false);
    EXPECT_EQ(boxText(), QString::number(row.top - 1));
    EXPECT_EQ(changes, 1);
}

TEST_P(EveryBar, IsNotMovedByTyping)
{
    type(box(), "7.5");
    EXPECT_EQ(bar()->barValue(), GetParam().start);
    EXPECT_EQ(boxText(), "7.5");
}

// Each bar drives one box only, crosswise by number; the others keep their text.
TEST_P(EveryBar, DrivesOnlyItsOwnBox)
{
    QStringList before;
    for (auto* other : {c().Text1, c().Text2, c().Text3, c().Text4})
        before << other->text();
    bar()->setFocus();
    QTest::keyClick(bar(), Qt::Key_Down);
    for (int i = 0; i < 4; ++i) {
        auto* other = std::array{c().Text1, c().Text2, c().Text3, c().Text4}[i];
        const QString expected = other == box() ? QString::number(GetParam().start - 1) : before[i];
        EXPECT_EQ(other->text(), expected) << other->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, EveryBar, ::testing::ValuesIn(barRows()),
                         [](const auto& info) { return std::string(info.param.bar); });

// How a step is asked for: an arrow clicked, or a key on the focused bar.
enum class Move { UpArrow, DownArrow, UpKey, DownKey, PageUpKey, PageDownKey, HomeKey };

struct TypedRow {
    const char* name;
    const char* bar;
    const char* box;
    char separator;
    const char* typed;
    Move move;
    int value;  // where the bar and the box end
};

void PrintTo(const TypedRow& row, std::ostream* out)
{
    *out << row.name;
}

class TypedNumber : public uitest::WindowTest, public ::testing::WithParamInterface<TypedRow> {};

// A step starts from a number typed within the bar's ends, so the number is
// not lost; with no such number the bar steps from its own value.
TEST_P(TypedNumber, StepsFromIt)
{
    const TypedRow& row = GetParam();
    open(row.separator);
    auto* bar = qobject_cast<ui::SpinBar*>(window->control(row.bar));
    auto* box = qobject_cast<QLineEdit*>(window->control(row.box));
    type(box, row.typed);
    bar->setFocus();
    const auto click = [&](QStyle::SubControl arrow) {
        const auto point = pointOn(bar, arrow);
        ASSERT_TRUE(point);
        QTest::mouseClick(bar, Qt::LeftButton, {}, *point);
    };
    switch (row.move) {
    case Move::UpArrow: click(QStyle::SC_ScrollBarSubLine); break;
    case Move::DownArrow: click(QStyle::SC_ScrollBarAddLine); break;
    case Move::UpKey: QTest::keyClick(bar, Qt::Key_Up); break;
    case Move::DownKey: QTest::keyClick(bar, Qt::Key_Down); break;
    case Move::PageUpKey: QTest::keyClick(bar, Qt::Key_PageUp); break;
    case Move::PageDownKey: QTest::keyClick(bar, Qt::Key_PageDown); break;
    case Move::HomeKey: QTest::keyClick(bar, Qt::Key_Home); break;
    }
    EXPECT_EQ(bar->barValue(), row.value);
    EXPECT_EQ(box->text(), QString::number(row.value));
}

INSTANTIATE_TEST_SUITE_P(
    Form1, TypedNumber,
    ::testing::Values(
        TypedRow{"MaximumThreeUpArrow", "VScroll4", "Text1", '.', "3", Move::UpArrow, 4},
        TypedRow{"MaximumFractionUpArrow", "VScroll4", "Text1", '.', "7.5", Move::UpArrow, 8},
        TypedRow{"MaximumFractionDownArrow", "VScroll4", "Text1", '.', "7.5", Move::DownArrow, 7},
        TypedRow{"MaximumTwelveUpKey", "VScroll4", "Text1", '.', "12", Move::UpKey, 13},
        TypedRow{"MaximumCommaFractionPageDown", "VScroll4", "Text1", ',', "7,5", Move::PageDownKey, 7},
        TypedRow{"MaximumOutOfRangeUpKey", "VScroll4", "Text1", '.', "25", Move::UpKey, 11},
        TypedRow{"MaximumNotANumberDownArrow", "VScroll4", "Text1", '.', "abc", Move::DownArrow, 9},
        TypedRow{"MaximumOtherSeparatorUpKey", "VScroll4", "Text1", ',', "7.5", Move::UpKey, 11},
        TypedRow{"MaximumTopEndUpKey", "VScroll4", "Text1", '.', "18", Move::UpKey, 18},
        TypedRow{"SkinTypeFiveDownKey", "VScroll1", "Text4", '.', "5", Move::DownKey, 4},
        TypedRow{"SkinTypeNineUpArrow", "VScroll1", "Text4", '.', "9", Move::UpArrow, 4},
        TypedRow{"SkinTypeTopEndUpArrow", "VScroll1", "Text4", '.', "6", Move::UpArrow, 6},
        TypedRow{"DurationFractionPageUp", "VScroll2", "Text3", '.', "0.5", Move::PageUpKey, 1},
        // The bar already stands at 2: the box shows it instead of 2.5.
        TypedRow{"DurationFractionDownToTheBarsValue", "VScroll2", "Text3", '.', "2.5", Move::DownKey, 2},
        TypedRow{"StartHourFractionUpArrow", "VScroll3", "Text2", '.', "21.5", Move::UpArrow, 22},
        TypedRow{"StartHourEmptyDownKey", "VScroll3", "Text2", '.', "", Move::DownKey, 10},
        TypedRow{"StartHourHomeGoesToTheTopEnd", "VScroll3", "Text2", '.', "7.5", Move::HomeKey, 22}),
    [](const auto& info) { return std::string(info.param.name); });

// The window's bars are short; a tall one shows its trough clearly.
TEST(SpinBar, TroughClicksMoveByOne)
{
    ui::SpinBar bar;
    bar.resize(17, 200);
    bar.setMax(0);
    bar.setMin(10);
    bar.setBarValue(5);
    const auto above = pointOn(&bar, QStyle::SC_ScrollBarSubPage);
    const auto below = pointOn(&bar, QStyle::SC_ScrollBarAddPage);
    ASSERT_TRUE(above && below);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, *above);
    EXPECT_EQ(bar.barValue(), 6);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, *below);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, *below);
    EXPECT_EQ(bar.barValue(), 4);

    // From a number in the box beside it, like an arrow.
    QLineEdit box(QStringLiteral("7.5"));
    bar.stepFrom(&box, '.');
    QTest::mouseClick(&bar, Qt::LeftButton, {}, *pointOn(&bar, QStyle::SC_ScrollBarSubPage));
    EXPECT_EQ(bar.barValue(), 8);
}

// The bar's own rules, apart from the window.
TEST(SpinBar, KeepsValuesSixteenBitAndWithinItsEnds)
{
    ui::SpinBar bar;
    int changes = 0;
    QObject::connect(&bar, &ui::SpinBar::Change, [&] { ++changes; });
    bar.setMax(-40000);
    bar.setMin(40000);
    EXPECT_EQ(bar.Max(), -32768);
    EXPECT_EQ(bar.Min(), 32767);
    bar.setBarValue(-5);
    EXPECT_EQ(bar.barValue(), -5);

    // Moving an end past the value takes the value along, with one Change.
    changes = 0;
    bar.setMax(0);
    EXPECT_EQ(bar.barValue(), 0);
    EXPECT_EQ(changes, 1);
    bar.setMin(10);
    EXPECT_EQ(bar.barValue(), 0);
    EXPECT_EQ(changes, 1);
    bar.setBarValue(99);
    EXPECT_EQ(bar.barValue(), 10);

    // The usual orientation, low value at the top, works as well.
    bar.setMin(0);
    bar.setMax(10);
    bar.setBarValue(4);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar.barValue(), 3);
}

}  // namespace

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and keys: the Tab cycle and what shows the focus, the default-button
// frame, Enter as "Calcular", a focused button's own keys, Escape, and ending
// the program.
#include <algorithm>
#include <cmath>

#include "window_fixture.h"

namespace {

using Keyboard = uitest::WindowTest;

const QStringList kTabCycle = {"Text1", "Command1", "Command2", "Indice", "Text2", "Text3",
                               "Picture1", "Text4", "VScroll1", "VScroll2", "VScroll3", "VScroll4",
                               "Text5", "Text6", "Text7", "Command3", "Picture2"};

QString focusName(const QWidget& window)
{
    return window.focusWidget() ? window.focusWidget()->objectName() : QString();
}

TEST_F(Keyboard, FocusStartsInText1AndTabVisitsEveryTabStopInOrder)
{
    EXPECT_EQ(focusName(*window), "Text1");
    QStringList visited;
    for (int i = 0; i <= kTabCycle.size(); ++i) {
        visited << focusName(*window);
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, kTabCycle + QStringList{"Text1"});
}

TEST_F(Keyboard, ShiftTabVisitsThemInReverse)
{
    QStringList visited;
    for (int i = 0; i <= kTabCycle.size(); ++i) {
        visited << focusName(*window);
        QTest::keyClick(window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    }
    QStringList expected{"Text1"};
    for (auto name = kTabCycle.crbegin(); name != kTabCycle.crend(); ++name)
        expected << *name;
    EXPECT_EQ(visited, expected);
}

// Each stop looks different while it holds the focus: Tab onto it changes its
// pixels, and the chart's own image stays as it was drawn.
TEST_F(Keyboard, EveryTabStopShowsTheFocus)
{
    calcular();
    const QImage chart = window->surface().image().copy();
    const QRect chartPlace = window->control("Indice")->geometry();
    window->control("Picture2")->setFocus();
    for (const QString& name : kTabCycle) {
        QWidget* control = window->control(name.toStdString());
        const QImage without = control->grab().toImage();
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(*window), name);
        EXPECT_NE(control->grab().toImage(), without) << name.toStdString();
    }
    EXPECT_EQ(window->surface().image(), chart);
    EXPECT_EQ(window->control("Indice")->geometry(), chartPlace);
}

// Relative luminance and contrast ratio of two colours, as WCAG defines them.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

class FocusMark : public uitest::WindowTest, public ::testing::WithParamInterface<const char*> {};

// Across every point of the control's edge (corners aside), from just outside
// it inwards, the focus changes a band at least 2 pixels wide of one colour
// that stands out at least 3:1 from the colours on both sides of it.
TEST_P(FocusMark, IsTwoPixelsWideAndStandsOutThreeToOne)
{
    calcular();
    QWidget* control = window->control(GetParam());
    constexpr int kOut = 3;     // pixels of the window looked at around the control
    constexpr int kDepth = 12;  // and inside it
    const QRect around = control->geometry().adjusted(-kOut, -kOut, kOut, kOut);
    // The mark is the keyboard's: a Tab first, as a click leaves none.
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    c().Text1->setFocus(Qt::TabFocusReason);
    const QImage before = window->grab(around).toImage();
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    const QImage after = window->grab(around).toImage();
    ASSERT_EQ(after.size(), around.size());

    const auto markedAt = [&](QPoint start, QPoint inwards) {
        std::vector<QPoint> line;
        for (int i = 0; i < kOut + kDepth; ++i)
            line.push_back(start + i * inwards);
        for (std::size_t first = 1; first + 2 < line.size(); ++first) {
            const QRgb colour = after.pixel(line[first]);
            std::size_t end = first;
            while (end + 1 < line.size() && after.pixel(line[end]) == colour
                   && before.pixel(line[end]) != colour)
                ++end;
            if (end - first >= 2 && contrast(colour, after.pixel(line[first - 1])) >= 3
                && contrast(colour, after.pixel(line[end])) >= 3)
                return true;
        }
        return false;
    };
    const int w = around.width();
    const int h = around.height();
    int unmarked = 0;
    for (int y = kOut + 4; y < h - kOut - 4; ++y) {
        unmarked += !markedAt(QPoint(0, y), QPoint(1, 0));
        unmarked += !markedAt(QPoint(w - 1, y), QPoint(-1, 0));
    }
    for (int x = kOut + 4; x < w - kOut - 4; ++x) {
        unmarked += !markedAt(QPoint(x, 0), QPoint(0, 1));
        unmarked += !markedAt(QPoint(x, h - 1), QPoint(0, -1));
    }
    EXPECT_EQ(unmarked, 0) << "edge points without a clear mark";

    // The chart's image shows every one of its pixels, focused or not.
    if (control == c().Indice) {
        const QRect image = c().Indice->innerRect().translated(kOut, kOut);
        EXPECT_EQ(after.copy(image), before.copy(image));
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, FocusMark,
                         ::testing::Values("Indice", "Picture1", "Picture2", "VScroll4", "Command1", "Command3"),
                         [](const auto& info) { return std::string(info.param); });

// The frame of the button Enter would press, as in a dialog: the focused
// button while a button has the focus, "Calcular" otherwise, however often
// the focus has been on another button before.
TEST_F(Keyboard, TheDefaultFrameFollowsTheFocusAsInADialog)
{
    const struct {
        const char* focus;
        const char* framed;
    } steps[] = {{"Text1", "Command1"}, {"Command2", "Command2"}, {"Indice", "Command1"}, {"Command1", "Command1"},
                 {"Text2", "Command1"}, {"Command3", "Command3"}, {"Command2", "Command2"}, {"VScroll1", "Command1"},
                 {"Command1", "Command1"}, {"Picture2", "Command1"}};
    for (const auto& step : steps) {
        window->control(step.focus)->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusName(*window), step.focus);
        QStringList framed;
        for (const QPushButton* button : {c().Command1, c().Command2, c().Command3}) {
            if (button->isDefault())
                framed << button->objectName();
        }
        EXPECT_EQ(framed, QStringList{step.framed}) << "focus on " << step.focus;
    }
    // A click on another button frames it too, and Enter elsewhere still
    // runs "Calcular" once the frame is back.
    QTest::mouseClick(c().Command3, Qt::LeftButton);
    EXPECT_TRUE(c().Command3->isDefault());
    EXPECT_FALSE(c().Command1->isDefault());
    c().Text3->setFocus();
    EXPECT_TRUE(c().Command1->isDefault());
    QTest::keyClick(c().Text3, Qt::Key_Return);
    EXPECT_EQ(c().Label4->text(), "4.45");
}

TEST_F(Keyboard, ClickingAPictureBoxGivesItTheFocus)
{
    QTest::mouseClick(window->control("Picture1"), Qt::LeftButton);
    EXPECT_EQ(focusName(*window), "Picture1");
    QTest::mouseClick(window->control("Label5"), Qt::LeftButton);
    EXPECT_EQ(focusName(*window), "Picture1");
}

// Enter anywhere but on a button is "Calcular"; the outputs show it ran.
class EnterRunsCalcular : public uitest::WindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EnterRunsCalcular, FromThisControl)
{
    QWidget* control = window->control(GetParam());
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    EXPECT_EQ(c().Label4->text(), "4.45");
    EXPECT_EQ(dataFileContents().count("\r\n"), 1000);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Form1, EnterRunsCalcular,
                         ::testing::Values("Text1", "Text4", "Text7", "VScroll2", "Indice", "Picture2", "Command1"));

TEST_F(Keyboard, TheKeypadEnterKeyWorksToo)
{
    QTest::keyClick(c().Text3, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(c().Label4->text(), "4.45");
}

TEST_F(Keyboard, EnterOrSpaceOnAnotherFocusedButtonPressesThatButton)
{
    type(c().Text6, "1");
    type(c().Text7, "viejo");
    c().Command3->setFocus();
    QTest::keyClick(c().Command3, Qt::Key_Return);
    EXPECT_EQ(c().Text6->text(), "0");
    EXPECT_EQ(c().Text7->text(), "");
    EXPECT_TRUE(c().Label4->text().isEmpty()) << "Calcular must not have run";
    EXPECT_FALSE(QFile::exists(dataFile()));

    type(c().Text7, "viejo");
    c().Command3->setFocus();
    QTest::keyClick(c().Command3, Qt::Key_Space);
    EXPECT_EQ(c().Text7->text(), "");
    EXPECT_FALSE(QFile::exists(dataFile()));

    c().Command1->setFocus();
    QTest::keyClick(c().Command1, Qt::Key_Space);
    EXPECT_EQ(c().Label4->text(), "4.45");
}

TEST_F(Keyboard, EscapeDoesNothing)
{
    type(c().Text1, "12");
    QTest::keyClick(c().Text1, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(c().Text1->text(), "12");
    EXPECT_EQ(focusName(*window), "Text1");
    EXPECT_FALSE(QFile::exists(dataFile()));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Keyboard, TerminarClosesTheWindowWithoutAQuestion)
{
    QTest::mouseClick(c().Command2, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(dataFile()));
}

TEST_F(Keyboard, ClosingTheWindowAsksNothing)
{
    calcular();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.empty());
}

}  // namespace

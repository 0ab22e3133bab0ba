// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and keys: the Tab cycle, Enter as "Calcular", a focused button's own
// keys, Escape, and ending the program.
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

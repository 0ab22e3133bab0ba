// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Calcular" and "Reiniciar" from the window: what they write into the
// controls and the data file, and what is left alone when something fails.
#include <QDir>
#include <cerrno>

#include "window_fixture.h"

namespace {

using Commands = uitest::WindowTest;
using uitest::Message;

TEST_F(Commands, CalcularWithTheStartingInputsShowsTheExposureAndWritesTheFile)
{
    calcular();
    EXPECT_EQ(c().Label4->text(), "4.45");
    EXPECT_EQ(c().Text7->text(), "") << "no difference given: Text7 untouched";
    const QList<QByteArray> lines = dataFileContents().split('\n');
    ASSERT_EQ(lines.size(), 1001);
    EXPECT_TRUE(lines[0].startsWith("6.014")) << lines[0].toStdString();
    EXPECT_TRUE(lines[499].startsWith("13.000")) << lines[499].toStdString();
    EXPECT_TRUE(window->state().NumPuntos);
    EXPECT_TRUE(messages.empty());
}

// How many pixel rows of the chart the time tick hanging from the top edge
// at 8:00 covers: its column is 1796.3 twips, 120 pixels, from the chart's
// left, and the top edge 457 twips, 30.5 pixels, from its top.
int hangingTimeTickRows(const QImage& chart)
{
    int rows = 0;
    for (int y = 28; y < 48; ++y) {
        bool blue = false;
        for (int x = 119; x <= 121; ++x)
            blue = blue || chart.pixelColor(x, y) == QColor(0, 0, 255);
        rows += blue ? 1 : 0;
    }
    return rows;
}

TEST_F(Commands, TheChartsTicksFollowTheWindowsHeight)
{
    calcular();
    const QImage chart = window->surface().image();
    ASSERT_EQ(chart.devicePixelRatio(), 1.0);
    // The window's inner height, 9615 twips, over 90: a tick of 106.8 twips,
    // 7.1 pixels, from 30.5 down to 37.6, rows 30 to 37. The chart's own
    // height would give 63.5 twips, 4.2 pixels, rows 30 to 34.
    EXPECT_NEAR(hangingTimeTickRows(chart), 8, 1);
}

TEST_F(Commands, OtherLocalityWritesText7AndReiniciarThenCalcularLeavesItEmpty)
{
    type(c().Text6, "1");
    calcular();
    EXPECT_EQ(c().Text7->text(), "10.2");
    const QString exposure = c().Label4->text();
    const QImage chart = window->surface().image();

    QTest::mouseClick(c().Command3, Qt::LeftButton);
    EXPECT_EQ(c().Text5->text(), "0");
    EXPECT_EQ(c().Text6->text(), "0");
    EXPECT_EQ(c().Text7->text(), "");
    EXPECT_EQ(c().Label4->text(), exposure) << "Reiniciar leaves the result";
    EXPECT_EQ(window->surface().image(), chart) << "and the chart";
    EXPECT_EQ(c().Text1->text(), "10");

    calcular();
    EXPECT_EQ(c().Text7->text(), "");
    EXPECT_EQ(c().Label4->text(), "4.45");
}

TEST_F(Commands, DifferencesSetToZeroByHandKeepTheOldText7)
{
    type(c().Text5, "1000");
    type(c().Text6, "10");
    calcular();
    EXPECT_EQ(c().Text7->text(), "12.4");
    type(c().Text5, "0");
    type(c().Text6, "0");
    calcular();
    EXPECT_EQ(c().Text7->text(), "12.4");
}

TEST_F(Commands, AnUnknownSkinTypeAsksAgainAfterTheChartAndKeepsLabel4)
{
    calcular();
    ASSERT_EQ(c().Label4->text(), "4.45");

    type(c().Text4, "9");
    EXPECT_EQ(c().VScroll1->barValue(), 3);
    QString label4WhileShown;
    float skinTypeWhileShown = 0;
    onMessage = [&] {
        label4WhileShown = c().Label4->text();
        skinTypeWhileShown = window->state().TipoPiel;
    };
    calcular();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Message::Kind::Inform);
    EXPECT_EQ(messages[0].title, "Indice UV");
    EXPECT_EQ(messages[0].text, " Por favor ingrese nuevamente el tipo de piel");
    EXPECT_EQ(skinTypeWhileShown, 9.0f) << "the chart of this press is drawn before the message";
    EXPECT_EQ(label4WhileShown, "4.45");
    EXPECT_EQ(c().Label4->text(), "4.45");
    EXPECT_EQ(dataFileContents().count("\r\n"), 1000);
}

// A text that is not a number: a warning naming the box, the focus back in
// it with the text selected, and nothing else changed.
struct BadText {
    const char* name;
    const char* box;
    const char* text;
    const char* warning;
};

void PrintTo(const BadText& row, std::ostream* out)
{
    *out << row.box << " «" << row.text << "»";
}

class ABadText : public uitest::WindowTest, public ::testing::WithParamInterface<BadText> {};

TEST_P(ABadText, IsReportedAndChangesNothing)
{
    type(c().Text6, "1");  // a difference, so a press that got through would rewrite Text7
    calcular();
    type(c().Text7, "previo");
    const QByteArray file = dataFileContents();
    const QImage chart = window->surface().image();
    const auto state = window->state();

    auto* box = qobject_cast<QLineEdit*>(window->control(GetParam().box));
    type(box, QString::fromUtf8(GetParam().text));
    type(c().Text1, "12");
    c().Command1->setFocus();
    calcular();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Message::Kind::Warn);
    EXPECT_EQ(messages[0].title, "Indice UV");
    EXPECT_EQ(messages[0].text, QString::fromUtf8(GetParam().warning));
    EXPECT_EQ(window->focusWidget(), box);
    EXPECT_EQ(box->selectedText(), box->text());
    EXPECT_EQ(c().Text7->text(), "previo");
    EXPECT_EQ(c().Label4->text(), "4.51");
    EXPECT_EQ(dataFileContents(), file);
    EXPECT_EQ(window->surface().image(), chart);
    EXPECT_EQ(window->state().IndiceUV, state.IndiceUV);
    EXPECT_EQ(window->state().TipoPiel, state.TipoPiel);
}

INSTANTIATE_TEST_SUITE_P(
    Form1, ABadText,
    ::testing::Values(BadText{"Letters", "Text2", "abc", "«Hora Exposición»: «abc» no es un número válido."},
                      BadText{"OtherSeparator", "Text4", "3,0",
                              "«Tipo de piel»: «3,0» no es un número válido; use el punto decimal (3.0)."},
                      BadText{"BadDifference", "Text5", "mil", "«Diferencia de altitud (m)»: «mil» no es un número válido."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, AnEmptyBoxIsNamedInTheWarning)
{
    type(c().Text3, "");
    calcular();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("La casilla «Duración (hr)» está vacía."));
    EXPECT_EQ(window->focusWidget(), c().Text3);
    EXPECT_FALSE(QFile::exists(dataFile()));
}

// The rename that would put the new file in place fails, as on a full disk.
class FailingRename : public runtime::FileCalls {
public:
    int rename(const char*, const char*) override
    {
        errno = ENOSPC;
        return -1;
    }
};

TEST_F(Commands, AFileThatCannotBeSavedIsReportedAfterTheResultsAndTheOldOneStays)
{
    calcular();
    const QByteArray previous = dataFileContents();
    ASSERT_FALSE(previous.isEmpty());

    FailingRename failing;
    open('.', &failing);
    type(c().Text1, "8");
    QString label4WhenWarned;
    onMessage = [&] { label4WhenWarned = c().Label4->text(); };
    calcular();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Message::Kind::Warn);
    EXPECT_EQ(messages[0].text, "No se pudo guardar datos.dat: no queda espacio en el disco.");
    EXPECT_EQ(label4WhenWarned, "3.56") << "the exposure is shown before the warning";
    EXPECT_EQ(c().Label4->text(), "3.56");
    EXPECT_TRUE(window->state().NumPuntos);
    EXPECT_EQ(dataFileContents(), previous);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"datos.dat"});
}

TEST_F(Commands, NumbersUseTheDecimalCommaInACommaLocale)
{
    open(',');
    type(c().Text1, "2,5");
    calcular();
    EXPECT_EQ(c().Label4->text(), "1,11");
    EXPECT_TRUE(dataFileContents().startsWith("6,014")) << dataFileContents().left(20).toStdString();

    type(c().Text1, "10");
    type(c().Text6, "1");
    calcular();
    EXPECT_EQ(c().Text7->text(), "10,2");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Commands, TheChartStaysOnTheSurfaceUntilTheNextPress)
{
    calcular();
    const QImage drawn = window->surface().image();
    window->showMinimized();
    window->showNormal();
    QTest::qWait(10);
    EXPECT_EQ(window->surface().image(), drawn);
    EXPECT_EQ(c().Label4->text(), "4.45");
    EXPECT_EQ(c().Indice->grab().toImage().pixelColor(2, 2), drawn.pixelColor(0, 0));
}

}  // namespace

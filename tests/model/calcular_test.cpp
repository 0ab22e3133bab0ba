// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/calcular.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "model/data_file.h"
#include "support/scratch_directory.h"

namespace model {
namespace {

namespace fs = std::filesystem;

using test_support::readFile;

InputTexts defaults()
{
    return {"10", "11", "2", "3", "0", "0"};
}

class CalcularTest : public testing::Test {
protected:
    CalcularResult press(const InputTexts& texts, char separator = '.')
    {
        CalcularOutcome outcome = Calcular(texts, separator, state_);
        EXPECT_TRUE(std::holds_alternative<CalcularResult>(outcome));
        return std::holds_alternative<CalcularResult>(outcome) ? std::get<CalcularResult>(outcome) : CalcularResult{};
    }

    test_support::ScratchDirectory scratch_{"calcular_test"};
    const fs::path& directory_ = scratch_.path();
    const std::string path_ = scratch_.file(kDataFileName);
    FormState state_;
};

TEST_F(CalcularTest, DefaultInputsGiveTheWholeResult)
{
    const CalcularResult result = press(defaults());
    EXPECT_FALSE(result.text7);
    EXPECT_EQ(result.correctedMaximum, 10.0);
    ASSERT_TRUE(result.dose.label4Caption);
    EXPECT_EQ(*result.dose.label4Caption, "4.45");

    EXPECT_TRUE(state_.NumPuntos);
    EXPECT_EQ(state_.HoraExposicion, 11.0f);
    EXPECT_EQ(state_.Duracion, 2.0f);
    EXPECT_EQ(state_.TipoPiel, 3.0f);
    EXPECT_EQ(state_.Tiempo[1], 6.014);
    EXPECT_EQ(state_.IndiceUV[500], 10.0);
    // 1000 lines of 22 bytes; only line 500, "13.000        10.0000", has a longer index.
    EXPECT_EQ(result.datos.size(), 1000u * 22u + 1u);
    EXPECT_EQ(result.datos.substr(499 * 22, 23), "13.000        10.0000\r\n");
}

TEST_F(CalcularTest, Text7ShowsTheCorrectedMaximumOnlyForADifference)
{
    EXPECT_EQ(press({"10", "11", "2", "3", "0", "1"}).text7, "10.2");
    EXPECT_EQ(press({"10", "11", "2", "3", "1000", "10"}).text7, "12.4");
    EXPECT_EQ(press({"10", "11", "2", "3", "0", "-4"}, ',').text7, "9,4");
    EXPECT_EQ(state_.IndiceUV[500], 9.4);
    EXPECT_EQ(press({"10", "11", "2", "3", "0,0", "-0"}, ',').text7, std::nullopt);
}

TEST_F(CalcularTest, CommaLocaleReadsAndWritesCommas)
{
    const CalcularResult result = press({"10", "12,5", "1", "1", "0", "0"}, ',');
    EXPECT_EQ(result.dose.label4Caption, "4,38");
    EXPECT_EQ(result.datos.substr(0, 22), "6,014         0,0025\r\n");
}

TEST_F(CalcularTest, UnknownSkinTypeStillGivesTheCurveAndItsFile)
{
    const CalcularResult result = press({"10", "11", "2", "2,5", "0", "0"}, ',');
    EXPECT_TRUE(result.dose.showSkinTypeMessage());
    EXPECT_EQ(state_.TipoPiel, 2.5f);
    EXPECT_TRUE(state_.NumPuntos);
    EXPECT_EQ(result.datos.size(), 1000u * 22u + 1u);
}

TEST_F(CalcularTest, ARefusedTextChangesNothing)
{
    press(defaults());
    const FormState stateBefore = state_;

    struct Case {
        InputTexts texts;
        InputBox box;
        const char* message;
    };
    const Case cases[] = {
        {{"", "11", "2", "3", "0", "0"}, InputBox::Text1, "La casilla «Indice Máximo» está vacía."},
        {{"10", " \t", "2", "3", "0", "0"}, InputBox::Text2, "La casilla «Hora Exposición» está vacía."},
        {{"10", "abc", "2", "3", "0", "0"}, InputBox::Text2, "«Hora Exposición»: «abc» no es un número válido."},
        {{"10", "11", "1e39", "3", "0", "0"}, InputBox::Text3,
         "«Duración (hr)»: «1e39» está fuera del rango de valores admitidos."},
        {{"10", "11", "2", "x", "0", "5"}, InputBox::Text4, "«Tipo de piel»: «x» no es un número válido."},
        {{"10", "11", "2", "3", "nan", "0"}, InputBox::Text5,
         "«Diferencia de altitud (m)»: «nan» no es un número finito."},
        // The corrections are read before the exposure, so Text6 is named first.
        {{"10", "11", "2", "bad", "0", "2.5"}, InputBox::Text6,
         "«Diferencia de latitud (º)»: «2.5» no es un número válido; use la coma decimal (2,5)."},
        // The way to write it leaves out the blanks; only a number written with
        // the other separator gets one, not every text holding a point.
        {{"10", "11", "2", " -1.5e1 ", "0", "0"}, InputBox::Text4,
         "«Tipo de piel»: « -1.5e1 » no es un número válido; use la coma decimal (-1,5e1)."},
        {{"1.000,5", "11", "2", "3", "0", "0"}, InputBox::Text1, "«Indice Máximo»: «1.000,5» no es un número válido."},
        {{"10", "11", "2", "3", ".5", "0"}, InputBox::Text5,
         "«Diferencia de altitud (m)»: «.5» no es un número válido; use la coma decimal (,5)."},
        {{"10", "11", "2", "3", ".", "0"}, InputBox::Text5, "«Diferencia de altitud (m)»: «.» no es un número válido."},
        // Two bad boxes: the one read first is named, in the order 1, 6, 5, 2, 3, 4.
        {{"uno", "11", "2", "3", "0", "dos"}, InputBox::Text1, "«Indice Máximo»: «uno» no es un número válido."},
        {{"10", "11", "2", "3", "mil", "norte"}, InputBox::Text6,
         "«Diferencia de latitud (º)»: «norte» no es un número válido."},
        {{"10", "once", "2", "3", "mil", "0"}, InputBox::Text5,
         "«Diferencia de altitud (m)»: «mil» no es un número válido."},
    };
    for (const Case& c : cases) {
        const CalcularOutcome outcome = Calcular(c.texts, ',', state_);
        ASSERT_TRUE(std::holds_alternative<InputFailure>(outcome)) << c.message;
        const InputFailure& failure = std::get<InputFailure>(outcome);
        EXPECT_EQ(failure.box, c.box);
        EXPECT_EQ(describe(failure), c.message);
    }
    EXPECT_EQ(state_.Tiempo, stateBefore.Tiempo);
    EXPECT_EQ(state_.IndiceUV, stateBefore.IndiceUV);
    EXPECT_EQ(state_.TipoPiel, stateBefore.TipoPiel);

    // Before the first press too: the curve stays unset.
    FormState untouched;
    untouched.Tiempo[7] = 42;
    EXPECT_TRUE(std::holds_alternative<InputFailure>(Calcular({"10", "11", "2", "3", "0", "1.5"}, ',', untouched)));
    EXPECT_EQ(untouched.Tiempo[7], 42);
    EXPECT_FALSE(untouched.NumPuntos);
}

// The bytes a press gives are datos.dat for the curve it leaves, in the
// press's separator: the window saves them, the web page offers them, and
// "Guardar datos como…" writes the same from the curve on screen.
TEST_F(CalcularTest, TheDataFilesBytesAreTheNewCurves)
{
    const InputTexts texts[] = {defaults(), {"7.5", "9", "3.5", "2", "1500", "-12"}, {"0", "6", "14", "6", "0", "0"}};
    for (const char separator : {'.', ','}) {
        for (InputTexts row : texts) {
            for (std::string& text : row)
                std::replace(text.begin(), text.end(), '.', separator);
            const CalcularResult result = press(row, separator);
            EXPECT_EQ(result.datos, dataFileContents(state_, separator)) << row[0] << separator;
            ASSERT_TRUE(saveDataFile(result.datos, path_).saved);
            EXPECT_EQ(readFile(path_), result.datos) << row[0] << separator;
        }
    }
}

TEST_F(CalcularTest, ALongBadTextIsShortenedInTheMessage)
{
    const std::string pasted = std::string(38, 'x') + "ñññ";
    const CalcularOutcome outcome = Calcular({pasted, "11", "2", "3", "0", "0"}, '.', state_);
    const std::string message = describe(std::get<InputFailure>(outcome));
    EXPECT_EQ(message, "«Indice Máximo»: «" + std::string(38, 'x') + "ñ…» no es un número válido.");
}

TEST_F(CalcularTest, AFailedSaveKeepsTheOldFileAndTheNewResult)
{
    ASSERT_TRUE(saveDataFile(press(defaults()).datos, path_).saved);
    const std::string fileBefore = readFile(path_);

    // datos.dat replaced by a directory of that name cannot be written.
    const std::string blocked = (directory_ / "sub" / kDataFileName).string();
    fs::create_directories(blocked);
    const CalcularResult result = press({"12", "11", "2", "3", "0", "0"});
    const runtime::SaveOutcome saved = saveDataFile(result.datos, blocked);
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(saved.reason, "existe una carpeta con ese nombre");
    EXPECT_EQ(state_.IndiceUV[500], 12.0);
    EXPECT_TRUE(result.dose.label4Caption);
    EXPECT_EQ(readFile(path_), fileBefore);
}

}  // namespace
}  // namespace model

// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A press of "Calcular" with six arbitrary texts, then, as the window does,
// datos.dat saved and the chart drawn from its result. A refused text leaves
// the form state exactly as it was; an accepted set gives a complete
// datos.dat of the right shape, finite numbers everywhere, and a chart whose
// every coordinate is a finite float.
// Input: the first byte is the decimal separator ("," for a comma, anything
// else for the point), then the texts of Text1 to Text6 one per line; boxes
// the input does not reach keep the window's start values.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "chart/chart_size.h"
#include "chart/grafica_indice.h"
#include "checks.h"
#include "model/calcular.h"
#include "model/data_file.h"
#include "runtime/number_format.h"

using fuzzcheck::require;

namespace {

namespace fs = std::filesystem;

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameState(const model::FormState& a, const model::FormState& b)
{
    return std::memcmp(a.Tiempo.data(), b.Tiempo.data(), sizeof a.Tiempo) == 0
        && std::memcmp(a.IndiceUV.data(), b.IndiceUV.data(), sizeof a.IndiceUV) == 0 && a.NumPuntos == b.NumPuntos
        && sameBits(a.HoraExposicion, b.HoraExposicion) && sameBits(a.Duracion, b.Duracion)
        && sameBits(a.TipoPiel, b.TipoPiel);
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A surface that keeps nothing but the position and insists that everything
// the chart hands it is usable: finite coordinates, sensible pens and fonts,
// and texts that are the chart's titles or labels.
class CheckingSurface : public runtime::DrawingSurface {
public:
    explicit CheckingSurface(char decimalSeparator) : separator_(decimalSeparator) {}

    void Cls() override
    {
        cleared_ = true;
        x_ = y_ = 0;
    }
    float ScaleWidth() const override { return chart::kChartWidthTwips; }
    float ScaleHeight() const override { return chart::kChartHeightTwips; }

    void setDrawWidth(int pixels) override
    {
        drawing();
        require(pixels >= 1 && pixels <= 10, "a pen width out of reason", std::to_string(pixels));
    }
    void setForeColor(runtime::Rgb) override { drawing(); }
    void setFontSize(float points) override
    {
        drawing();
        require(std::isfinite(points) && points > 0 && points < 100, "a font size out of reason");
    }
    void setFontBold(bool) override { drawing(); }

    void setCurrentX(float x) override { x_ = coordinate(x); }
    void setCurrentY(float y) override { y_ = coordinate(y); }
    float CurrentX() const override { return x_; }
    float CurrentY() const override { return y_; }

    void Line(float x1, float y1, float x2, float y2) override
    {
        coordinate(x1);
        coordinate(y1);
        coordinate(x2);
        coordinate(y2);
    }
    void PSet(float x, float y) override
    {
        coordinate(x);
        coordinate(y);
    }
    void Print(std::string_view text) override
    {
        drawing();
        const bool title = text == "Indice Ultravioleta" || text == "Tiempo (Hr)";
        require(title || fuzzcheck::matchesHourMinute(text) || fuzzcheck::matchesNumberPattern(text, 1, separator_),
                "the chart prints something that is no title or label", fuzzcheck::printable(text));
    }

private:
    void drawing() const { require(cleared_, "the chart draws before clearing the surface"); }
    float coordinate(float value) const
    {
        drawing();
        require(std::isfinite(value), "a coordinate that is not a finite float reaches the surface");
        return value;
    }

    char separator_;
    bool cleared_ = false;
    float x_ = 0;
    float y_ = 0;
};

// datos.dat: 1000 lines ended by CR LF, each the time in "#0.000", blanks to
// the next 14-column print zone, the index in "#0.0000", matching the samples.
void checkDataFile(const std::string& contents, const model::FormState& state, char separator)
{
    std::size_t at = 0;
    for (int i = 1; i <= model::kSampleCount; ++i) {
        const auto end = contents.find("\r\n", at);
        require(end != std::string::npos, "datos.dat has fewer than 1000 lines", std::to_string(i));
        const std::string line = contents.substr(at, end - at);
        at = end + 2;
        const auto blank = line.find(' ');
        require(blank != std::string::npos, "a datos.dat line without its blanks", fuzzcheck::printable(line));
        const auto second = line.find_first_not_of(' ', blank);
        require(second != std::string::npos && second % 14 == 0, "the index does not start a print zone",
                fuzzcheck::printable(line));
        const std::string tiempo = line.substr(0, blank);
        const std::string indice = line.substr(second);
        require(fuzzcheck::matchesNumberPattern(tiempo, 3, separator), "a time in datos.dat is not #0.000",
                fuzzcheck::printable(line));
        require(fuzzcheck::matchesNumberPattern(indice, 4, separator), "an index in datos.dat is not #0.0000",
                fuzzcheck::printable(line));
        require(std::abs(fuzzcheck::readWithCLibrary(tiempo, separator) - state.Tiempo[i]) <= 0.0005 + 1e-12,
                "a time in datos.dat is not its sample's", fuzzcheck::printable(line));
        const double index = state.IndiceUV[i];
        const double ulp = std::nextafter(std::abs(index), INFINITY) - std::abs(index);
        require(std::abs(fuzzcheck::readWithCLibrary(indice, separator) - index) <= 0.00005 + 1e-12 + 2 * ulp,
                "an index in datos.dat is not its sample's", fuzzcheck::printable(line));
    }
    require(at == contents.size(), "datos.dat has more than 1000 lines");
}

void checkAccepted(const model::InputTexts& texts, char separator, const model::CalcularResult& result,
                   const model::FormState& state)
{
    const auto value = [&](model::InputBox box) {
        return std::get<float>(runtime::textToSingle(texts[static_cast<std::size_t>(box)], separator));
    };
    require(state.NumPuntos == model::SampleCount::all(), "NumPuntos unset after a press");
    require(sameBits(state.HoraExposicion, value(model::InputBox::Text2))
                && sameBits(state.Duracion, value(model::InputBox::Text3))
                && sameBits(state.TipoPiel, value(model::InputBox::Text4)),
            "the exposure values are not the boxes' numbers");

    const double maximum = result.correctedMaximum;
    require(std::isfinite(maximum), "the corrected maximum is not finite");
    require(state.Tiempo[1] == 6.014 && state.Tiempo[500] == 13 && state.Tiempo[1000] == 20,
            "the samples do not run from 6.014 h through 13 h to 20 h");
    require(state.IndiceUV[500] == maximum, "the curve does not peak at the corrected maximum at 13:00");
    for (int i = 1; i <= model::kSampleCount; ++i) {
        const double v = state.IndiceUV[i];
        require(std::isfinite(v), "a sample is not finite", std::to_string(i));
        require(std::abs(v) <= std::abs(maximum) && !(v * maximum < 0), "a sample beyond the maximum or of another sign",
                std::to_string(i));
        require(i == 1 || state.Tiempo[i] > state.Tiempo[i - 1], "the sample times do not increase", std::to_string(i));
    }

    const bool difference = value(model::InputBox::Text5) != 0 || value(model::InputBox::Text6) != 0;
    require(result.text7.has_value() == difference, "Text7 changes without a difference, or not with one");
    if (result.text7)
        require(fuzzcheck::matchesNumberPattern(*result.text7, 1, separator), "Text7 is not 0.0", *result.text7);

    const float skin = state.TipoPiel;
    const bool knownSkin = skin == 1 || skin == 2 || skin == 3 || skin == 4 || skin == 5 || skin == 6;
    require(result.dose.label4Caption.has_value() == knownSkin, "the dose is given for an unknown skin type or not for a known one");
    if (const auto& caption = result.dose.label4Caption) {
        require(fuzzcheck::matchesNumberPattern(*caption, 2, separator), "Label4 is not #0.00", *caption);
        require(maximum < 0 || caption->front() != '-', "a negative dose from a curve that is not negative", *caption);
    }
}

struct Workspace {
    fs::path directory;
    std::string datos;
    fs::path temporary;
    model::FormState start;

    Workspace()
    {
        std::string pattern = (fs::temp_directory_path() / "calcular_fuzz_XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr, "cannot make a working folder");
        directory = pattern;
        datos = (directory / model::kDataFileName).string();
        temporary = directory / ".datos.dat.tmp";
        // Every input starts from the window after one press with its start values.
        const auto first = model::Calcular({"10", "11", "2", "3", "0", "0"}, '.', start);
        require(model::saveDataFile(std::get<model::CalcularResult>(first).datos, datos).saved,
                "cannot write datos.dat in the working folder");
    }
    ~Workspace()
    {
        std::error_code ignored;
        fs::remove_all(directory, ignored);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Workspace workspace;
    if (size == 0)
        return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    model::InputTexts texts = {"10", "11", "2", "3", "0", "0"};
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t at = 0;
    for (std::size_t box = 0; box < texts.size() && at <= rest.size(); ++box) {
        const auto end = std::min(rest.find('\n', at), rest.size());
        texts[box] = std::string(rest.substr(at, end - at));
        at = end + 1;
    }
    std::string shown;
    for (const std::string& text : texts)
        shown += fuzzcheck::printable(text) + " ";

    model::FormState state = workspace.start;
    const model::CalcularOutcome outcome = model::Calcular(texts, separator, state);

    if (const auto* failure = std::get_if<model::InputFailure>(&outcome)) {
        require(sameState(state, workspace.start), "a refused text changes the form state", shown);
        require(failure->text == texts[static_cast<std::size_t>(failure->box)], "the refusal names another box's text",
                shown);
        require(!model::describe(*failure).empty(), "a refusal without a message", shown);
        return 0;
    }
    const auto& result = std::get<model::CalcularResult>(outcome);
    checkAccepted(texts, separator, result, state);
    const runtime::SaveOutcome saved = model::saveDataFile(result.datos, workspace.datos);
    require(saved.saved, "datos.dat was not saved", saved.reason);
    require(!fs::exists(workspace.temporary), "a temporary file is left beside datos.dat", shown);
    checkDataFile(readAll(workspace.datos), state, separator);

    CheckingSurface surface(separator);
    chart::GraficaIndice(state, surface, chart::kFormScaleHeight, separator);
    return 0;
}

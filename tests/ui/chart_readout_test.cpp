// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart once drawn: the readout under the pointer and by the keys, and
// the context menu that copies the chart and saves it or its curve.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QXmlStreamReader>
#include <cerrno>
#include <cmath>

#include "chart/escala_grafica.h"
#include "chart/readout.h"
#include "model/curve_csv.h"
#include "model/data_file.h"
#include "ui/chart_actions.h"
#include "ui/chart_readout.h"
#include "window_fixture.h"

namespace {

using ui::ChartFormat;
using ui::DataFormat;

class ChartReadoutTest : public uitest::WindowTest {
protected:
    ui::ChartReadout& readout() const { return window->chartReadout(); }
    ui::ChartActions& actions() const { return window->chartActions(); }

    // The pixel of the chart surface where the chart drew hour `t` and index `v`.
    QPoint pixelAt(double t, double v) const
    {
        const QRect inner = c().Indice->innerRect();
        const chart::EscalaGrafica scale =
            chart::escalaGrafica(window->state(), static_cast<float>(inner.width() * 15),
                                 static_cast<float>(inner.height() * 15));
        return inner.topLeft()
            + QPoint(static_cast<int>(std::floor(scale.x(t) / 15)), static_cast<int>(std::floor(scale.y(v) / 15)));
    }

    // The plot rectangle, frame included, in the chart surface's pixels.
    QRect plotRect() const
    {
        const QRect inner = c().Indice->innerRect();
        const chart::EscalaGrafica scale =
            chart::escalaGrafica(window->state(), static_cast<float>(inner.width() * 15),
                                 static_cast<float>(inner.height() * 15));
        return QRect(pixelAt(scale.Tmin, scale.Vtop), pixelAt(scale.Tmax, scale.Vmin));
    }
    QRect boxOnChart() const { return readout().boxRect().translated(readout().pos()); }

    int shownSample() const { return readout().shown() ? readout().shown()->sample : 0; }
    QString description() const { return c().Indice->accessibleDescription(); }
    qint64 chartImageKey() const { return window->surface().image().cacheKey(); }
};

TEST_F(ChartReadoutTest, FollowsThePointerOverThePlotWithoutRedrawingTheChart)
{
    open(',');
    QTest::mouseMove(c().Indice, c().Indice->rect().center());
    EXPECT_FALSE(readout().shown()) << "nothing to read before Calcular";

    calcular();
    const QString chartDescription = description();
    const qint64 image = chartImageKey();
    // 11:30 lies on sample 393, inside the window from 11 to 13.
    QTest::mouseMove(c().Indice, pixelAt(11.5, 5));
    ASSERT_TRUE(readout().shown());
    EXPECT_EQ(shownSample(), 393);
    EXPECT_EQ(readout().shown()->line2(), "Índice UV 8,1: Muy alto");
    EXPECT_EQ(description(), "11:30, índice UV 8,1, Muy alto, dentro de la exposición");
    const QRect guide = readout().guideRect().translated(readout().pos());
    EXPECT_TRUE(guide.contains(pixelAt(11.5, 5).x(), guide.center().y()));
    EXPECT_TRUE(readout().rect().contains(readout().boxRect()));

    QTest::mouseMove(c().Indice, pixelAt(15, 1));
    EXPECT_EQ(readout().shown()->sentence(), "15:00, índice UV 6,7, Alto, fuera de la exposición");

    // Above the plot (the title) there is nothing to read; back over it, then off the chart.
    QTest::mouseMove(c().Indice, pixelAt(15, 13) - QPoint(0, 5));
    EXPECT_FALSE(readout().shown());
    EXPECT_EQ(description(), chartDescription);
    QTest::mouseMove(c().Indice, pixelAt(8, 1));
    EXPECT_EQ(shownSample(), 143);
    QTest::mouseMove(c().Text1);
    EXPECT_FALSE(readout().shown());
    EXPECT_EQ(description(), chartDescription);

    EXPECT_EQ(chartImageKey(), image) << "a move redrew the chart";
}

TEST_F(ChartReadoutTest, KeysMoveTheGuideBySampleAndByHour)
{
    c().Indice->setFocus();
    QTest::keyClick(c().Indice, Qt::Key_Right);
    EXPECT_FALSE(readout().shown());

    calcular();
    c().Indice->setFocus();
    const qint64 image = chartImageKey();
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 1},   {Qt::Key_Right, 2},    {Qt::Key_Left, 1},   {Qt::Key_Left, 1},
        {Qt::Key_PageUp, 72}, {Qt::Key_PageUp, 143}, {Qt::Key_End, 1000}, {Qt::Key_Right, 1000},
        {Qt::Key_PageDown, 929}, {Qt::Key_Home, 1},
    };
    int column = -1;
    int previous = 0;
    for (const auto& [key, sample] : steps) {
        QTest::keyClick(c().Indice, key);
        ASSERT_EQ(shownSample(), sample) << "after key " << key;
        // The guide stands at the sample: a later sample never lies left of an earlier one.
        const int now = readout().guideRect().center().x();
        if (sample < previous) {
            EXPECT_LE(now, column) << "after key " << key;
        } else if (sample > previous) {
            EXPECT_GE(now, column) << "after key " << key;
        }
        column = now;
        previous = sample;
        EXPECT_TRUE(plotRect().contains(boxOnChart())) << "after key " << key;
    }
    EXPECT_EQ(description(), "6:00, índice UV 0.0, Bajo, fuera de la exposición");
    EXPECT_EQ(readout().guideRect().center().x(), pixelAt(6.014, 0).x() - readout().x());

    // Leaving the chart by Tab takes the guide away.
    QTest::keyClick(c().Indice, Qt::Key_Tab);
    EXPECT_FALSE(readout().shown());
    EXPECT_EQ(chartImageKey(), image);
}

// A low curve runs along the bottom of the plot, just above the hour labels:
// the box goes above the guide's point there, never over the labels.
TEST_F(ChartReadoutTest, BoxOverALowCurveStaysOffTheHourLabels)
{
    type(c().Text1, "2");
    calcular();
    const QRect plot = plotRect();
    QTest::mouseMove(c().Indice, pixelAt(8, 0.1));
    ASSERT_TRUE(readout().shown());
    EXPECT_TRUE(plot.contains(boxOnChart()));
    EXPECT_LT(boxOnChart().bottom(), pixelAt(8, 0.1).y());

    c().Indice->setFocus();
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_End, Qt::Key_PageDown}) {
        QTest::keyClick(c().Indice, key);
        EXPECT_TRUE(plot.contains(boxOnChart())) << "after key " << key;
    }
}

TEST_F(ChartReadoutTest, MenuIsOfferedButDisabledUntilCalcular)
{
    QMenu* menu = actions().menu();
    ASSERT_EQ(menu->actions().size(), 6);
    EXPECT_EQ(menu->actions()[0]->text(), "Copiar gráfico");
    EXPECT_EQ(menu->actions()[1]->text(), "Guardar gráfico como…");
    EXPECT_EQ(menu->actions()[2]->text(), "Guardar datos como…");
    EXPECT_TRUE(menu->actions()[3]->isSeparator());
    EXPECT_EQ(menu->actions()[4]->text(), "Guardar en el calendario…");
    EXPECT_EQ(menu->actions()[5]->text(), "Avisarme durante la estancia");

    // Right click, the Menu key and Shift+F10 all open it.
    const auto opens = [&](const std::function<void()>& ask) {
        ask();
        const bool shown = menu->isVisible();
        menu->hide();
        return shown;
    };
    c().Indice->setFocus();
    EXPECT_TRUE(opens([&] {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50), c().Indice->mapToGlobal(QPoint(50, 50)));
        QApplication::sendEvent(c().Indice, &click);
    }));
    EXPECT_TRUE(opens([&] { QTest::keyClick(c().Indice, Qt::Key_Menu); }));
    EXPECT_TRUE(opens([&] { QTest::keyClick(c().Indice, Qt::Key_F10, Qt::ShiftModifier); }));
    for (QAction* action : menu->actions())
        EXPECT_TRUE(action->isSeparator() || !action->isEnabled()) << action->text().toStdString();

    // The press's stay has reminders, on UT's clock where no zone is known.
    calcular();
    for (QAction* action : menu->actions())
        EXPECT_TRUE(action->isSeparator() || action->isEnabled()) << action->text().toStdString();
}

TEST_F(ChartReadoutTest, CopyPutsTheChartAsShownOnTheClipboard)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    c().Indice->setFocus();
    QTest::keyClick(c().Indice, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard->image().isNull()) << "nothing to copy before Calcular";

    calcular();
    c().Indice->setFocus();
    QTest::keyClick(c().Indice, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = clipboard->image();
    const QImage shown = window->surface().image();
    EXPECT_EQ(copied.size(), QSize(541, 381) * window->devicePixelRatioF());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));

    clipboard->clear();
    actions().copyAction()->trigger();
    EXPECT_EQ(clipboard->image().size(), shown.size());
}

TEST_F(ChartReadoutTest, SavesTheChartAndTheCurveWithoutTouchingDatosDat)
{
    open(',');
    calcular();
    ASSERT_TRUE(QFile::remove(dataFile()));
    const QString png = folder.filePath("grafica.png");
    const QString svg = folder.filePath("grafica.svg");
    const QString csv = folder.filePath("curva.csv");
    const QString dat = folder.filePath("copia.dat");
    ASSERT_TRUE(actions().saveChartAs(png, ChartFormat::Png));
    ASSERT_TRUE(actions().saveChartAs(svg, ChartFormat::Svg));
    ASSERT_TRUE(actions().saveDataAs(csv, DataFormat::Csv));
    ASSERT_TRUE(actions().saveDataAs(dat, DataFormat::DatosDat));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(dataFile()));

    const QImage saved(png);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              window->surface().image().convertToFormat(QImage::Format_RGB32));

    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&svgFile);
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QStringLiteral("text"))
            texts << reader.readElementText();
    }
    EXPECT_FALSE(reader.hasError());
    EXPECT_TRUE(texts.contains("Indice Ultravioleta"));
    EXPECT_TRUE(texts.contains("12,0"));

    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    EXPECT_EQ(bytes(csv), model::curveCsv(window->state(), ','));
    EXPECT_EQ(bytes(csv).substr(0, 16), "hora;indice_uv\r\n");
    const std::string copy = bytes(dat);
    EXPECT_EQ(copy.substr(0, 22), model::dataFileLine(6.014, 0.0025038270930516, ',') + "\r\n");
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'), 1000);
}

TEST_F(ChartReadoutTest, AFailedSaveWarnsAsAnUnsavedDatosDatDoes)
{
    calcular();
    const QString missing = folder.filePath("no-existe/grafica.svg");
    EXPECT_FALSE(actions().saveChartAs(missing, ChartFormat::Svg));
    EXPECT_FALSE(actions().saveDataAs(folder.filePath("no-existe/curva.csv"), DataFormat::Csv));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].kind, uitest::Message::Kind::Warn);
    EXPECT_EQ(messages[0].title, "Indice UV");
    EXPECT_EQ(messages[0].text, "No se pudo guardar grafica.svg: la carpeta no existe.");
    EXPECT_EQ(messages[1].text, "No se pudo guardar curva.csv: la carpeta no existe.");
}

// A disk that fills up once the chart is drawn.
class FillingDisk : public runtime::FileCalls {
public:
    ssize_t write(int fd, const void* data, size_t size) override
    {
        if (!full)
            return runtime::FileCalls::write(fd, data, size);
        errno = ENOSPC;
        return -1;
    }
    bool full = false;
};

struct SaveRow {
    const char* name;
    const char* file;
    bool (*save)(ui::ChartActions&, const QString&);
};

void PrintTo(const SaveRow& row, std::ostream* out)
{
    *out << row.name;
}

class SaveThroughTheWindowsFileCalls : public uitest::WindowTest, public testing::WithParamInterface<SaveRow> {};

// Every save writes through the system calls the window was given, as
// datos.dat does: the full disk is reported and nothing is left behind.
TEST_P(SaveThroughTheWindowsFileCalls, AFullDiskIsReported)
{
    FillingDisk disk;
    open('.', &disk);
    calcular();
    ASSERT_TRUE(messages.empty());
    disk.full = true;

    EXPECT_FALSE(GetParam().save(window->chartActions(), folder.filePath(GetParam().file)));
    ASSERT_EQ(messages.size(), 1u);
    const QString expected = QStringLiteral("No se pudo guardar %1: no queda espacio en el disco.");
    EXPECT_EQ(messages[0].text, expected.arg(GetParam().file));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"datos.dat"});
}

bool chartAsPng(ui::ChartActions& actions, const QString& path) { return actions.saveChartAs(path, ChartFormat::Png); }
bool chartAsSvg(ui::ChartActions& actions, const QString& path) { return actions.saveChartAs(path, ChartFormat::Svg); }
bool curveAsCsv(ui::ChartActions& actions, const QString& path) { return actions.saveDataAs(path, DataFormat::Csv); }
bool curveAsDat(ui::ChartActions& actions, const QString& path)
{
    return actions.saveDataAs(path, DataFormat::DatosDat);
}

INSTANTIATE_TEST_SUITE_P(Saves, SaveThroughTheWindowsFileCalls,
                         testing::Values(SaveRow{"ChartAsPng", "grafica.png", chartAsPng},
                                         SaveRow{"ChartAsSvg", "grafica.svg", chartAsSvg},
                                         SaveRow{"CurveAsCsv", "curva.csv", curveAsCsv},
                                         SaveRow{"CurveAsDatosDat", "copia.dat", curveAsDat}),
                         [](const testing::TestParamInfo<SaveRow>& info) { return std::string(info.param.name); });

TEST(ChooseFormat, TheSuffixTypedWinsElseTheListsChoiceIsAdded)
{
    constexpr ui::SaveFormat formats[] = {{"PNG (*.png)", "png"}, {"SVG (*.svg)", "svg"}};
    struct Row {
        const char* typed;
        std::size_t selected;
        std::size_t format;
        const char* path;
    };
    const Row rows[] = {
        {"/d/grafica", 0, 0, "/d/grafica.png"},     {"/d/grafica", 1, 1, "/d/grafica.svg"},
        {"/d/grafica.svg", 0, 1, "/d/grafica.svg"}, {"/d/grafica.PNG", 1, 0, "/d/grafica.PNG"},
        {"/d/informe.v2", 1, 1, "/d/informe.v2.svg"}, {"/d/grafica", 7, 0, "/d/grafica.png"},
    };
    for (const Row& row : rows) {
        const ui::ChosenFile chosen = ui::chooseFormat(row.typed, formats, row.selected);
        EXPECT_EQ(chosen.format, row.format) << row.typed;
        EXPECT_EQ(chosen.path, row.path) << row.typed;
    }
}

}  // namespace

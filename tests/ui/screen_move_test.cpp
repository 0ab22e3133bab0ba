// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window moved between screens of pixel ratio 1 and 2 (two offscreen
// screens, see two_screens.json): the chart follows, drawn anew at the new
// ratio rather than kept as a rescaled copy.
#include <QScreen>
#include <QWindow>

#include "chart/grafica_indice.h"
#include "layout/layout.h"
#include "window_fixture.h"

namespace {

using ScreenMove = uitest::WindowTest;

// The chart as drawn straight onto a surface of that ratio.
QImage chartAt(const model::FormState& state, qreal ratio)
{
    qt::QtSurface surface(8115, 5715, ratio);
    chart::GraficaIndice(state, surface, static_cast<float>(layout::kClientHeightTwips), '.');
    return surface.image();
}

TEST_F(ScreenMove, ChartIsRedrawnAtTheRatioOfEachScreen)
{
    QScreen* ordinary = nullptr;
    QScreen* dense = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        (screen->devicePixelRatio() == 2 ? dense : ordinary) = screen;
    ASSERT_TRUE(ordinary && dense) << "run with QT_QPA_PLATFORM=offscreen:configfile=two_screens.json";
    ASSERT_EQ(ordinary->devicePixelRatio(), 1);
    window->windowHandle()->setScreen(ordinary);
    ASSERT_EQ(window->surface().devicePixelRatio(), 1);

    calcular();
    const QString exposure = c().Label4->text();
    window->windowHandle()->setScreen(dense);
    EXPECT_EQ(window->surface().devicePixelRatio(), 2);
    EXPECT_EQ(window->surface().image().size(), QSize(1082, 762));
    EXPECT_EQ(window->surface().image(), chartAt(window->state(), 2));
    EXPECT_EQ(c().Indice->image(), &window->surface().image());
    EXPECT_EQ(c().Label4->text(), exposure);
    // The pictures follow too, as drawn for the screen.
    const auto pictureRatio = [&] {
        return qobject_cast<ui::PictureBox*>(window->control("Picture2"))->image()->devicePixelRatio();
    };
    EXPECT_EQ(pictureRatio(), 2);

    window->windowHandle()->setScreen(ordinary);
    EXPECT_EQ(window->surface().devicePixelRatio(), 1);
    EXPECT_EQ(window->surface().image(), chartAt(window->state(), 1));
    EXPECT_EQ(pictureRatio(), 1);
}

}  // namespace

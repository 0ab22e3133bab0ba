// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen of device pixel ratio 2 (run with QT_SCALE_FACTOR=2):
// twice the size in device pixels, the same layout, and a chart drawn at the
// screen's own resolution rather than a ratio-1 picture scaled up.
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWindow>
#include <cmath>

#include "layout/layout.h"
#include "ui/chart_actions.h"
#include "window_fixture.h"

namespace {

using layout::Kind;

constexpr qreal kRatio = 2;

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// The control's rectangle at ratio 1, from its row; a line is the strip it covers.
QRect designRect(const layout::Control& row)
{
    if (row.kind == Kind::Line) {
        const int before = row.lineWidth / 2;
        const int after = row.lineWidth - 1 - before;
        return QRect(QPoint(px(std::min(row.ends.x1, row.ends.x2)) - before, px(std::min(row.ends.y1, row.ends.y2)) - before),
                     QPoint(px(std::max(row.ends.x1, row.ends.x2)) + after, px(std::max(row.ends.y1, row.ends.y2)) + after));
    }
    return QRect(px(row.rect.left), px(row.rect.top), px(row.rect.width), px(row.rect.height));
}

class HighDensity : public uitest::WindowTest {
protected:
    void SetUp() override
    {
        uitest::WindowTest::SetUp();
        ASSERT_EQ(window->windowHandle()->devicePixelRatio(), kRatio) << "run with QT_SCALE_FACTOR=2";
    }

    // Where the control lands on the screen, in device pixels.
    QRect deviceRect(QWidget* widget) const
    {
        const qreal ratio = window->windowHandle()->devicePixelRatio();
        const QPoint at = widget->mapTo(window.get(), QPoint(0, 0));
        return QRect(QPoint(std::lround(at.x() * ratio), std::lround(at.y() * ratio)),
                     QSize(std::lround(widget->width() * ratio), std::lround(widget->height() * ratio)));
    }
};

TEST_F(HighDensity, WindowIsTwiceTheSizeInDevicePixels)
{
    EXPECT_EQ(window->size(), QSize(751, 641));
    EXPECT_EQ(window->size() * window->windowHandle()->devicePixelRatio(), QSize(1502, 1282));
    const QPixmap shot = window->grab();
    EXPECT_EQ(shot.devicePixelRatio(), kRatio);
    EXPECT_EQ(shot.size(), QSize(1502, 1282));
}

TEST_F(HighDensity, ControlsOverlapOnlyWhereTheyDoAtRatioOne)
{
    const auto& rows = layout::kControls;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect a = deviceRect(window->control(rows[i].name));
        EXPECT_EQ(a.size(), designRect(rows[i]).size() * 2) << rows[i].name;
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const QRect b = deviceRect(window->control(rows[j].name));
            EXPECT_EQ(a.intersects(b), designRect(rows[i]).intersects(designRect(rows[j])))
                << rows[i].name << " and " << rows[j].name;
        }
    }
}

// Text is laid out again at the new resolution; a caption that came out
// wider would lose its last word to a hidden line or run into its neighbour.
TEST_F(HighDensity, CaptionsWrapAsAtRatioOneAndFitTheirLabels)
{
    for (const auto& row : layout::kControls) {
        if (row.kind != Kind::Label || row.text.empty())
            continue;
        auto* label = qobject_cast<QLabel*>(window->control(row.name));
        const QFontMetrics metrics(label->font(), label);
        const QRect needed = metrics.boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
        const int lines = static_cast<int>(std::lround(needed.height() / double(metrics.lineSpacing())));
        EXPECT_EQ(lines, row.name == "Label5" || row.name == "Label6" ? 2 : 1) << row.name;
        EXPECT_LE(needed.width(), label->width()) << row.name;
    }
}

// The pictures drawn twice as dense are what the screen shows, pixel for
// pixel, not the 1x ones scaled up; they cover the same part of the window.
TEST_F(HighDensity, PicturesAreTheOnesDrawnForRatioTwo)
{
    const QImage shot = window->grab().toImage();
    for (const auto& [name, file] : {std::pair{"Picture2", "banner@2x.bmp"}, std::pair{"Picture1", "crest@2x.bmp"}}) {
        auto* box = qobject_cast<ui::PictureBox*>(window->control(name));
        const QImage drawn(QStringLiteral(":/images/") + file);
        ASSERT_FALSE(drawn.isNull()) << file;
        ASSERT_EQ(box->image()->devicePixelRatio(), kRatio) << name;
        EXPECT_EQ(box->image()->size(), drawn.size()) << name;
        // The inner area in device pixels, where the picture starts.
        const QRect inner = deviceRect(box).adjusted(4, 4, -4, -4);
        int differ = 0;
        for (int y = 0; y < std::min(inner.height(), drawn.height()); ++y) {
            for (int x = 0; x < std::min(inner.width(), drawn.width()); ++x)
                differ += shot.pixel(inner.topLeft() + QPoint(x, y)) != drawn.pixel(x, y);
        }
        EXPECT_EQ(differ, 0) << name;
    }
}

TEST_F(HighDensity, ChartIsDrawnAtTheScreensResolution)
{
    calcular();
    const QImage& image = window->surface().image();
    EXPECT_EQ(image.devicePixelRatio(), kRatio);
    EXPECT_EQ(image.size(), QSize(1082, 762));

    // What reaches the screen: the chart's area of the window, in device pixels.
    // A ratio-1 picture scaled up would be made of 2 x 2 blocks of one colour;
    // text and sloping lines drawn at ratio 2 split many of them.
    const QImage shot = window->grab().toImage();
    const QRect chart = deviceRect(c().Indice).adjusted(8, 8, -8, -8);
    int split = 0;
    for (int y = chart.top() & ~1; y + 1 <= chart.bottom(); y += 2) {
        for (int x = chart.left() & ~1; x + 1 <= chart.right(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            split += shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p || shot.pixel(x + 1, y + 1) != p;
        }
    }
    EXPECT_GT(split, 1000);

    // Copied and saved at that resolution too.
    window->chartActions().copyChart();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1082, 762));
    const QString png = folder.filePath("grafica.png");
    ASSERT_TRUE(window->chartActions().saveChartAs(png, ui::ChartFormat::Png));
    EXPECT_EQ(QImage(png).size(), QSize(1082, 762));
}

}  // namespace

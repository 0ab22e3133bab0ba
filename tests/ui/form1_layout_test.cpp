// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built window against its layout table: every control where its row
// says, with its text, font, colours, layer and place in the tab cycle.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>

#include "layout/layout.h"
#include "window_fixture.h"

namespace layout {
// Test names and failures show the control's name, not its bytes.
void PrintTo(const Control& row, std::ostream* out)
{
    *out << row.name;
}
}  // namespace layout

namespace {

using layout::Control;
using layout::Face;
using layout::Kind;

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The width of a digit, in ems, in the face drawn for each of the design's:
// the layout's captions fit because the faces drawn keep the design's widths.
// Arial's digits are 1139/2048 em, Arial Narrow's 934/2048, and the Bookman
// the desktop offers has 620/1000; the design's sans serif face is narrower
// than Arial and wider than Arial Narrow. A face the desktop lacks, replaced
// by whatever it has, shows here.
struct Width {
    double least;
    double most;
};
const std::map<Face, Width> kDigitWidth = {
    {Face::Arial, {0.553, 0.559}},
    {Face::ArialNarrow, {0.453, 0.459}},
    {Face::BookmanOldStyle, {0.617, 0.623}},
    {Face::MsSansSerif, {0.47, 0.54}},
};

// Measured at a large size, where rounding to whole pixels does not blur it.
double digitWidth(QFont font)
{
    font.setPixelSize(1000);
    return QFontMetricsF(font).horizontalAdvance(QStringLiteral("0000000000")) / 10000;
}

class EveryControl : public uitest::WindowTest, public ::testing::WithParamInterface<Control> {};

TEST_P(EveryControl, StandsWhereItsRowSaysWithItsTextAndFont)
{
    const Control& row = GetParam();
    QWidget* widget = window->control(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName(), qs(row.name));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());

    if (row.kind == Kind::Line) {
        // A strip of the line's width through both end points.
        const QRect strip = widget->geometry();
        const bool horizontal = row.ends.y1 == row.ends.y2;
        EXPECT_EQ(horizontal ? strip.height() : strip.width(), row.lineWidth);
        EXPECT_TRUE(strip.contains(px(row.ends.x1), px(row.ends.y1)));
        EXPECT_TRUE(strip.contains(px(row.ends.x2), px(row.ends.y2)));
        EXPECT_EQ(widget->palette().color(QPalette::Window).rgb() & 0xFFFFFF,
                  row.foreground.system == layout::Colour::System::Rgb ? row.foreground.rgb
                                                                          : widget->palette().color(QPalette::Mid).rgb() & 0xFFFFFF);
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        return;
    }

    EXPECT_EQ(widget->geometry(), QRect(px(row.rect.left), px(row.rect.top), px(row.rect.width), px(row.rect.height)));

    if (row.kind != Kind::PictureBox) {
        const QFontInfo font(widget->font());
        // The family asked for is the one drawn, not a substitute. Two
        // foundries ship the Bookman face; Qt then names the one it picked.
        EXPECT_TRUE(font.family().startsWith(widget->font().family())) << font.family().toStdString();
        const Width width = kDigitWidth.at(row.font.face);
        EXPECT_GE(digitWidth(widget->font()), width.least) << widget->font().family().toStdString();
        EXPECT_LE(digitWidth(widget->font()), width.most) << widget->font().family().toStdString();
        EXPECT_EQ(font.pixelSize(), std::lround(row.font.points * 96 / 72));
        EXPECT_EQ(font.italic(), row.font.italic);
        EXPECT_EQ(font.weight(), row.font.weight);
    }

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        EXPECT_EQ(label->text(), qs(row.text));
        EXPECT_TRUE(label->wordWrap());
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_TRUE(label->alignment() & Qt::AlignTop);
        EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), row.alignment == layout::Alignment::Centre);
        EXPECT_EQ(label->palette().color(QPalette::Window), window->palette().color(QPalette::Window));
        if (row.foreground.system == layout::Colour::System::Rgb) {
            EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, row.foreground.rgb);
        }
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_EQ(box->text(), qs(row.text));
        EXPECT_TRUE(box->hasFrame());
        EXPECT_FALSE(box->isReadOnly());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        EXPECT_EQ(button->text(), qs(row.text));
        EXPECT_EQ(button->isDefault(), row.isDefault);
    } else {
        EXPECT_NE(qobject_cast<ui::SpinBar*>(widget) || qobject_cast<ui::PictureBox*>(widget), false);
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, EveryControl, ::testing::ValuesIn(layout::kControls),
                         [](const auto& info) { return std::string(info.param.name); });

using Form1Layout = uitest::WindowTest;

TEST_F(Form1Layout, WindowHasItsCaptionFixedSizeAndIcon)
{
    EXPECT_EQ(window->windowTitle(), "Indice UV");
    EXPECT_EQ(window->size(), QSize(751, 641));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

// The window borrows the application's font while it builds its boxes; the
// message boxes and menus opened later must find the desktop's font again.
TEST_F(Form1Layout, LeavesTheApplicationFontAsItFoundIt)
{
    const QFont before = QApplication::font();
    ASSERT_NE(before, window->font());
    open(',');
    EXPECT_EQ(QApplication::font(), before);
    EXPECT_EQ(QApplication::font().family(), before.family());
}

TEST_F(Form1Layout, PicturesShowUnscaledAndCutAtTheBorder)
{
    auto* crest = qobject_cast<ui::PictureBox*>(window->control("Picture1"));
    auto* banner = qobject_cast<ui::PictureBox*>(window->control("Picture2"));
    ASSERT_TRUE(crest && banner && crest->image() && banner->image());

    // The logo fills its auto-sized box exactly; the banner is 5 columns wider
    // than its box's inner area and one row shorter.
    EXPECT_EQ(crest->image()->size(), QSize(72, 94));
    EXPECT_EQ(crest->innerRect(), QRect(2, 2, 72, 94));
    EXPECT_EQ(banner->image()->size(), QSize(178, 100));
    EXPECT_EQ(banner->innerRect(), QRect(2, 2, 173, 101));
    // The drawings' own colours, as their JPEG decoded: the banner's navy
    // strip and sun, the crest's green hill and white dot (red, green, blue in
    // that order, so the stored bytes are read the right way round).
    EXPECT_EQ(banner->image()->pixel(120, 95), qRgb(29, 38, 117));
    EXPECT_EQ(banner->image()->pixel(34, 38), qRgb(255, 231, 95));
    EXPECT_EQ(crest->image()->pixel(36, 80), qRgb(55, 107, 59));
    EXPECT_EQ(crest->image()->pixel(36, 12), qRgb(248, 255, 241));

    // Top-left pixel of the inner area is the image's, and the border is drawn around it.
    const QImage shot = banner->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2).rgb(), banner->image()->pixelColor(0, 0).rgb());
    EXPECT_EQ(shot.pixelColor(174, 50).rgb(), banner->image()->pixelColor(172, 48).rgb());
    EXPECT_EQ(shot.pixelColor(50, 102).rgb(), window->palette().color(QPalette::Window).rgb());
    EXPECT_NE(shot.pixelColor(0, 0).rgb(), banner->image()->pixelColor(0, 0).rgb());
}

TEST_F(Form1Layout, ChartSurfaceIsBlankWhiteInsideItsBorderAtFirst)
{
    auto* indice = c().Indice;
    EXPECT_EQ(indice->innerRect().size(), QSize(541, 381));
    EXPECT_EQ(window->surface().image().size() / window->surface().image().devicePixelRatio(), QSize(541, 381));
    EXPECT_FLOAT_EQ(window->surface().ScaleWidth(), 8115.0f);
    EXPECT_FLOAT_EQ(window->surface().ScaleHeight(), 5715.0f);

    const QImage shot = indice->grab().toImage();
    for (const QPoint p : {QPoint(2, 2), QPoint(300, 200), QPoint(542, 382)})
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
    EXPECT_NE(shot.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_TRUE(c().Label4->text().isEmpty());
    EXPECT_TRUE(c().Text7->text().isEmpty());
}

// Captions laid out for one line keep every word on it; the two long ones
// wrap onto two lines within their label and still show whole.
TEST_F(Form1Layout, CaptionsFitTheirLabels)
{
    for (const auto& row : layout::kControls) {
        if (row.kind != Kind::Label || row.text.empty())
            continue;
        auto* label = qobject_cast<QLabel*>(window->control(row.name));
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
        const int lines = static_cast<int>(std::lround(needed.height() / double(metrics.lineSpacing())));
        const bool wraps = row.name == "Label5" || row.name == "Label6";
        EXPECT_EQ(lines, wraps ? 2 : 1) << row.name;
        if (wraps)
            EXPECT_LE(needed.height(), label->height()) << row.name;
        else
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << row.name;
    }
}

// Lower siblings are painted first. The layout lists each layer from the top
// down; every label and line lies below every windowed control.
TEST_F(Form1Layout, StackingOrderPutsWindowedControlsOverLabelsAndFrameOverLabel4)
{
    QStringList bottomToTop;
    for (QObject* child : window->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->objectName().isEmpty())
            bottomToTop << widget->objectName();
    }
    EXPECT_EQ(bottomToTop.size(), static_cast<qsizetype>(layout::kControls.size()));
    const auto level = [&](std::string_view name) { return bottomToTop.indexOf(qs(name)); };
    const auto expectTopDown = [&](const auto& layer) {
        for (std::size_t i = 1; i < layer.size(); ++i)
            EXPECT_GT(level(layer[i - 1]), level(layer[i])) << layer[i - 1] << " is not over " << layer[i];
    };
    expectTopDown(layout::kWindowedStacking);
    expectTopDown(layout::kDecorStacking);
    int lowestWindowed = static_cast<int>(bottomToTop.size());
    int highestDecor = -1;
    for (const Control& row : layout::kControls) {
        const int at = static_cast<int>(level(row.name));
        EXPECT_GE(at, 0) << row.name;
        if (layout::isWindowed(row.kind))
            lowestWindowed = std::min(lowestWindowed, at);
        else
            highestDecor = std::max(highestDecor, at);
    }
    EXPECT_GT(lowestWindowed, highestDecor);

    // What that means on screen: the frame's top line shows over Label4's background.
    const QImage shot = window->grab().toImage();
    const QRect top = window->control("Line1")->geometry();
    EXPECT_EQ(shot.pixel(top.center()), window->control("Line1")->palette().color(QPalette::Window).rgb());
    EXPECT_NE(shot.pixel(top.center()), c().Label4->palette().color(QPalette::Window).rgb());
}

TEST_F(Form1Layout, EachBarCoversOnePixelOfItsBox)
{
    const std::pair<ui::SpinBar*, QLineEdit*> pairs[] = {
        {c().VScroll4, c().Text1}, {c().VScroll3, c().Text2}, {c().VScroll2, c().Text3}, {c().VScroll1, c().Text4}};
    for (const auto& [bar, box] : pairs) {
        EXPECT_EQ(bar->geometry().left(), box->geometry().right()) << bar->objectName().toStdString();
        EXPECT_EQ(bar->geometry().top(), box->geometry().top());
        EXPECT_EQ(bar->height(), box->height() + 5);
    }
}

}  // namespace

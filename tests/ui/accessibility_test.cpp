// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a screen reader meets it, through Qt's accessibility
// interface: what each control is called, what it is for, and what the chart
// shows once there is something to show.
#include <QAccessible>
#include <QAccessibleInterface>

#include "layout/layout.h"
#include "qt/utf8.h"
#include "support/scoped_tz.h"
#include "window_fixture.h"

namespace {

using layout::Kind;

QString spoken(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

// The label nearest above a box that shares some of its width: its caption.
const layout::Control* captionAbove(const layout::Control& box)
{
    const layout::Control* best = nullptr;
    for (const auto& row : layout::kControls) {
        const int bottom = row.rect.top + row.rect.height;
        const bool sharesWidth = row.rect.left < box.rect.left + box.rect.width
            && box.rect.left < row.rect.left + row.rect.width;
        if (row.kind == Kind::Label && sharesWidth && bottom <= box.rect.top
            && (!best || bottom > best->rect.top + best->rect.height))
            best = &row;
    }
    return best;
}

using Accessibility = uitest::WindowTest;

TEST_F(Accessibility, EveryControlThatTakesTheFocusHasANameAndADescription)
{
    int focusable = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty())
            continue;
        ++focusable;
        EXPECT_FALSE(spoken(widget, QAccessible::Name).trimmed().isEmpty()) << widget->objectName().toStdString();
        EXPECT_FALSE(spoken(widget, QAccessible::Description).trimmed().isEmpty())
            << widget->objectName().toStdString();
    }
    // Seven boxes, four bars, three buttons, three picture boxes.
    EXPECT_EQ(focusable, 17);
}

TEST_F(Accessibility, EachBoxIsNamedByTheCaptionAboveIt)
{
    int boxes = 0;
    for (const auto& row : layout::kControls) {
        if (row.kind != Kind::TextBox)
            continue;
        ++boxes;
        const layout::Control* caption = captionAbove(row);
        ASSERT_NE(caption, nullptr) << row.name;
        EXPECT_EQ(spoken(window->control(row.name), QAccessible::Name), qt::fromUtf8(caption->text)) << row.name;
    }
    EXPECT_EQ(boxes, 7);
}

// A bar's name must point at the box it really changes, which is not the
// one its number suggests: the bars pair with the boxes crosswise.
TEST_F(Accessibility, EachBarNamesTheBoxItDrives)
{
    QLineEdit* const boxes[] = {c().Text1, c().Text2, c().Text3, c().Text4};
    for (ui::SpinBar* bar : {c().VScroll1, c().VScroll2, c().VScroll3, c().VScroll4}) {
        QStringList before;
        for (QLineEdit* box : boxes)
            before << box->text();
        // No bar starts at an end, so one step always changes its box.
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QLineEdit* driven = nullptr;
        for (int i = 0; i < 4; ++i) {
            if (boxes[i]->text() != before[i]) {
                EXPECT_EQ(driven, nullptr) << bar->objectName().toStdString() << " changes two boxes";
                driven = boxes[i];
            }
        }
        ASSERT_NE(driven, nullptr) << bar->objectName().toStdString();
        EXPECT_EQ(spoken(bar, QAccessible::Name),
                  QStringLiteral("Ajusta «%1»").arg(spoken(driven, QAccessible::Name)));
    }
}

TEST_F(Accessibility, ButtonsAreNamedByTheirCaptions)
{
    for (QPushButton* button : {c().Command1, c().Command2, c().Command3})
        EXPECT_EQ(spoken(button, QAccessible::Name), button->text());
}

TEST_F(Accessibility, ChartAndExposureSayTheResultAfterCalcular)
{
    // A zone without a place: no line of when to protect follows the time to 1 DEM.
    test_support::ScopedTz utc("UTC");
    EXPECT_EQ(spoken(c().Indice, QAccessible::Name), "Gráfico del índice ultravioleta");
    EXPECT_EQ(spoken(c().Indice, QAccessible::Description), "Sin cálculo todavía");
    EXPECT_TRUE(spoken(c().Label4, QAccessible::Name).isEmpty());

    calcular();
    EXPECT_EQ(spoken(c().Indice, QAccessible::Description),
              "Curva del índice UV de 6:00 a 20:00, máximo 10.0 a las 13:00; exposición de 11:00 a 13:00 sombreada");
    EXPECT_EQ(spoken(c().Label4, QAccessible::Name), "4.45");
    EXPECT_TRUE(spoken(c().Label4, QAccessible::Description).endsWith(". 1 DEM a las 11:33, 33 minutos después de empezar"));
    EXPECT_EQ(c().Label4->toolTip(), "1 DEM a las 11:33, 33 minutos después de empezar");

    // A refused input leaves the chart, and so its description, as they were.
    const QString shown = spoken(c().Indice, QAccessible::Description);
    type(c().Text1, "x");
    calcular();
    EXPECT_EQ(spoken(c().Indice, QAccessible::Description), shown);
}

TEST_F(Accessibility, ChartDescriptionUsesTheUsersDecimalSeparator)
{
    open(',');
    type(c().Text1, "12,5");
    calcular();
    EXPECT_TRUE(spoken(c().Indice, QAccessible::Description).contains("máximo 12,5 a las 13:00"))
        << spoken(c().Indice, QAccessible::Description).toStdString();
}

// The chart's readout, moved by the keys, is what the screen reader hears of
// the chart while it shows; the chart's own description comes back after.
TEST_F(Accessibility, TheReadoutIsSpokenWhileTheKeysMoveIt)
{
    open(',');
    calcular();
    const QString chart = spoken(c().Indice, QAccessible::Description);
    c().Indice->setFocus();
    const std::pair<Qt::Key, const char*> steps[] = {
        {Qt::Key_Home, "6:00, índice UV 0,0, Bajo, fuera de la exposición"},
        {Qt::Key_PageUp, "7:00, índice UV 0,0, Bajo, fuera de la exposición"},
        {Qt::Key_PageUp, "8:00, índice UV 0,4, Bajo, fuera de la exposición"},
        {Qt::Key_End, "20:00, índice UV 0,0, Bajo, fuera de la exposición"},
    };
    for (const auto& [key, said] : steps) {
        QTest::keyClick(c().Indice, key);
        EXPECT_EQ(spoken(c().Indice, QAccessible::Description), said);
        EXPECT_EQ(spoken(c().Indice, QAccessible::Name), "Gráfico del índice ultravioleta");
    }
    QTest::keyClick(c().Indice, Qt::Key_Tab);
    EXPECT_EQ(spoken(c().Indice, QAccessible::Description), chart);
}

}  // namespace

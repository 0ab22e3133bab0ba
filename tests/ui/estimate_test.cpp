// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clear-sky estimate of "Indice Máximo": how the window offers it, the
// dialog's place, date and live result, bad fields, what "Usar" and
// "Cancelar" leave behind, the remembered place, and the keyboard.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QMenu>
#include <QSettings>
#include <string>

#include "support/reference_days.h"
#include <QCalendarWidget>
#include <functional>
#include <ostream>

#include "support/scoped_tz.h"
#include "ui/estimate_dialog.h"
#include "ui/estimate_entry.h"
#include "window_fixture.h"

namespace {

using ui::EstimateDialog;

using test_support::ScopedTz;
using test_support::withComma;

// The window in Madrid's zone with nothing remembered yet.
class Estimate : public uitest::WindowTest {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("indice-uv"), QStringLiteral("indice-uv")).remove(QStringLiteral("estimacion"));
        WindowTest::SetUp();
    }

    ui::EstimateEntry& entry() const { return window->estimateEntry(); }

    // Opens it as the user does from the focused box, and waits for it.
    EstimateDialog* openDialog()
    {
        // A closed dialog leaves the window to become active again, as the desktop does.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->focusWidget(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        EstimateDialog* dialog = entry().dialog();
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        }
        return dialog;
    }

    // The dialog's fields filled as the user types them; the date in the editor's own sections.
    static void fill(EstimateDialog& dialog, const QString& latitude, const QString& longitude, QDate date,
                     const QString& altitude)
    {
        const EstimateDialog::Fields& f = dialog.fields();
        type(f.latitude, latitude);
        type(f.longitude, longitude);
        f.date->setDate(date);
        type(f.altitude, altitude);
    }

    static void closeIfOpen(EstimateDialog* dialog)
    {
        if (dialog)
            dialog->reject();
    }

    ScopedTz tz{"Europe/Madrid"};
};

QString accessibleText(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

// The shortcut reaches the window from wherever the focus is, a text box included.
class EstimateShortcut : public Estimate, public ::testing::WithParamInterface<const char*> {};

TEST_P(EstimateShortcut, OpensTheDialogFrom)
{
    window->control(GetParam())->setFocus();
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Estimar el índice máximo del día");
    EXPECT_TRUE(dialog->isModal());
    dialog->reject();
}

INSTANTIATE_TEST_SUITE_P(Form1, EstimateShortcut,
                         ::testing::Values("Text1", "Text2", "Text7", "VScroll4", "Command1", "Command3", "Indice",
                                           "Picture2"));

TEST_F(Estimate, IsTheFirstEntryOfTheBoxMenuBeforeQtsOwn)
{
    // The menu Qt would show without it, for comparison.
    std::unique_ptr<QMenu> plain(c().Text1->createStandardContextMenu());
    QStringList expected{"Estimar con cielo despejado…", QString()};
    for (const QAction* action : plain->actions())
        expected << action->text();

    // The real one, as the Menu key pops it up on the box.
    c().Text1->setFocus();
    const QPoint middle = c().Text1->rect().center();
    QContextMenuEvent press(QContextMenuEvent::Keyboard, middle, c().Text1->mapToGlobal(middle));
    QApplication::sendEvent(c().Text1, &press);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList shown;
    for (const QAction* action : menu->actions())
        shown << action->text();
    EXPECT_EQ(shown, expected);
    EXPECT_GT(plain->actions().size(), 3);
    EXPECT_EQ(menu->actions().front()->shortcut(), ui::EstimateEntry::shortcut());

    menu->actions().front()->trigger();
    menu->close();
    ASSERT_NE(entry().dialog(), nullptr);
    entry().dialog()->reject();
}

TEST_F(Estimate, TheBoxSaysHowToReachIt)
{
    const QString key = ui::EstimateEntry::shortcut().toString(QKeySequence::NativeText);
    EXPECT_EQ(ui::EstimateEntry::shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    for (const QString& text : {c().Text1->toolTip(), accessibleText(c().Text1, QAccessible::Description)}) {
        EXPECT_TRUE(text.contains(key)) << text.toStdString();
        EXPECT_TRUE(text.contains("«Estimar con cielo despejado…»")) << text.toStdString();
    }
    // The box's own description stays first.
    EXPECT_TRUE(accessibleText(c().Text1, QAccessible::Description).startsWith("El índice UV máximo del día"));
}

TEST_F(Estimate, StartsFromTheZonesPlaceAndToday)
{
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    EXPECT_EQ(f.latitude->text(), "40.40");
    EXPECT_EQ(f.longitude->text(), "-3.68");
    EXPECT_EQ(f.placeOrigin->text(), "Lugar por defecto: zona horaria Europe/Madrid");
    EXPECT_EQ(f.date->date(), QDate::currentDate());
    EXPECT_EQ(f.date->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_TRUE(f.altitude->text().isEmpty());
    EXPECT_TRUE(f.ozone->text().isEmpty());
    EXPECT_FALSE(f.snow->isChecked());
    EXPECT_TRUE(f.use->isEnabled());
    EXPECT_TRUE(f.latitude->hasFocus());
    dialog->reject();
}

TEST_F(Estimate, WithoutAPlacedZoneTheUserTypesThePlace)
{
    ScopedTz utc("UTC");
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    EXPECT_TRUE(f.latitude->text().isEmpty());
    EXPECT_TRUE(f.longitude->text().isEmpty());
    EXPECT_EQ(f.placeOrigin->text(),
              "Sin lugar por defecto: la zona horaria UTC no tiene lugar; escriba la latitud y la longitud");
    EXPECT_EQ(f.result->text(), "La casilla «Latitud» está vacía.");
    EXPECT_FALSE(f.use->isEnabled());
    dialog->reject();
}

// Madrid on the longest day, typed with the decimal comma: the result
// follows each keystroke, solar noon on Madrid's summer clock. Under it,
// when to protect: index 3 on the sun's day scaled to 10.3 is crossed at
// 10:04.3 and 18:28.9 (by an independent evaluation of the sun's position),
// to ten minutes outwards.
TEST_F(Estimate, ShowsTheResultAsTheUserTypes)
{
    open(',');
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    EXPECT_EQ(f.latitude->text(), "40,40");
    fill(*dialog, "40,45", "-3,70", QDate(2026, 6, 21), "690");
    EXPECT_EQ(f.result->text(),
              "Índice UV máximo con cielo despejado: 10,3\n"
              "Mediodía solar a las 14:16; ozono 327 DU; el sol a 17,0° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.\n"
              "El 21/06/2026 en 40,45° N, 3,70° O, con cielo despejado: protección solar de 10:00 a 18:30 (índice 3 o más)");
    EXPECT_EQ(dialog->shownIndex(), "10,3");
    EXPECT_EQ(f.ozone->placeholderText(), "327 (climatología)");
    EXPECT_TRUE(f.warning->pixmap().isNull());

    // Ozone given, then snow: each one changes the number at once.
    type(f.ozone, "300");
    EXPECT_TRUE(f.result->text().contains("ozono 300 DU")) << f.result->text().toStdString();
    const QString withoutSnow = dialog->shownIndex();
    f.snow->click();
    EXPECT_NE(dialog->shownIndex(), withoutSnow);

    // A cloudy sky names itself and lowers the number by its factor, 0.89
    // here (10.2977 × 0.89 = 9.165); a turbid air too, by 0.90654 at Madrid's
    // sun and 690 m (9.165 × 0.90654 = 8.309).
    type(f.ozone, "");
    f.snow->click();
    f.cover->setCurrentIndex(1);
    EXPECT_TRUE(f.result->text().startsWith("Índice UV máximo con cielo poco nuboso: 9,2\n")) << f.result->text().toStdString();
    f.air->setCurrentIndex(static_cast<int>(sky::Air::Turbid));
    EXPECT_TRUE(f.result->text().startsWith("Índice UV máximo con cielo poco nuboso y aire turbio: 8,3\n"))
        << f.result->text().toStdString();
    f.air->setCurrentIndex(static_cast<int>(sky::Air::Clean));

    // A place far from the zone's own is offered the nearest zone, never given it.
    EXPECT_TRUE(f.zoneHint->isHidden());
    fill(*dialog, "-15,84", "-70,02", QDate(2026, 1, 22), "3830");
    EXPECT_EQ(f.zoneHint->text(), "La zona horaria más cercana a este lugar es America/La_Paz.");
    EXPECT_FALSE(f.zoneHint->isHidden());
    EXPECT_EQ(f.zone->currentText(), "Europe/Madrid");
    dialog->reject();
}

// A day picked in the calendar or stepped with the arrows is read at once,
// as a typed one is: Madrid's clear sky is 9,8 on 21 June at sea level and
// 1,7 on 21 December (independent estimates of the reference days).
struct DatePick {
    const char* name;
    std::function<void(QDateEdit*)> pick;
    const char* shown;
};

void PrintTo(const DatePick& row, std::ostream* out)
{
    *out << row.name;
}

class EstimateDatePick : public Estimate, public ::testing::WithParamInterface<DatePick> {};

TEST_P(EstimateDatePick, RefreshesTheResult)
{
    open('.');
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    type(f.latitude, "40.42");
    type(f.longitude, "-3.70");
    f.date->setDate(QDate(2026, 6, 21));
    type(f.altitude, "0");  // and the date is read with it
    ASSERT_EQ(dialog->shownIndex(), "9.8");
    auto* date = static_cast<QDateEdit*>(f.date);
    GetParam().pick(date);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->shownIndex() == GetParam().shown; }))
        << dialog->shownIndex().toStdString() << " for " << date->text().toStdString();
    dialog->reject();
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, EstimateDatePick,
    ::testing::Values(DatePick{"ClickedInTheCalendar",
                               [](QDateEdit* date) {
                                   date->calendarWidget()->setSelectedDate(QDate(2026, 12, 21));
                                   emit date->calendarWidget()->clicked(QDate(2026, 12, 21));
                               },
                               "1.7"},
                      DatePick{"SteppedByTheMonthWithTheArrows",
                               [](QDateEdit* date) {
                                   date->setFocus();
                                   date->setCurrentSection(QDateTimeEdit::MonthSection);
                                   for (int i = 0; i < 6; ++i)
                                       QTest::keyClick(date, Qt::Key_Up);
                               },
                               "1.7"}),
    [](const auto& info) { return std::string(info.param.name); });

// The protection's line takes the result's last two lines; the dialog keeps
// its size whether the line is there, says that none is needed, or gives way
// to a refusal of one line.
TEST_F(Estimate, KeepsItsSizeWithOrWithoutTheProtectionLine)
{
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    const auto settledSize = [dialog] {
        QApplication::processEvents();
        return dialog->size();
    };
    fill(*dialog, "40.45", "-3.70", QDate(2026, 6, 21), "690");
    f.cover->setCurrentIndex(1);
    f.air->setCurrentIndex(static_cast<int>(sky::Air::Turbid));
    ASSERT_TRUE(f.result->text().contains("protección solar de")) << f.result->text().toStdString();
    const QSize withHours = settledSize();

    struct Change {
        const char* name;
        void (*make)(EstimateDialog&);
        const char* shows;
    };
    const Change changes[] = {
        {"clear", [](EstimateDialog& d) { d.fields().cover->setCurrentIndex(0); }, "protección solar de"},
        {"winter", [](EstimateDialog& d) { fill(d, "40.45", "-3.70", QDate(2026, 12, 21), "690"); },
         "no hace falta protección"},
        {"refused", [](EstimateDialog& d) { type(d.fields().ozone, "300,5"); }, "no es un número válido"},
    };
    for (const Change& change : changes) {
        change.make(*dialog);
        EXPECT_TRUE(f.result->text().contains(QString::fromUtf8(change.shows))) << change.name;
        EXPECT_EQ(settledSize(), withHours) << change.name;
    }
    dialog->reject();
}

// A bad field is named in the window's words where the result was; "Usar"
// waits, and Enter does nothing until it is mended.
struct BadField {
    const char* name;
    void (*spoil)(const EstimateDialog::Fields&);
    const char* message;
};

class EstimateRefuses : public Estimate, public ::testing::WithParamInterface<BadField> {};

TEST_P(EstimateRefuses, NamesTheFieldAndKeepsUsarDisabled)
{
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    GetParam().spoil(f);
    EXPECT_EQ(f.result->text(), GetParam().message);
    EXPECT_TRUE(dialog->shownIndex().isEmpty());
    EXPECT_FALSE(f.use->isEnabled());
    EXPECT_FALSE(f.warning->pixmap().isNull());
    // No nearer zone is offered for a place that is refused, nor left from a
    // keystroke before ("9" on the way to "95").
    EXPECT_TRUE(f.zoneHint->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(c().Text1->text(), "10");
    dialog->reject();
}

INSTANTIATE_TEST_SUITE_P(
    Form1, EstimateRefuses,
    ::testing::Values(
        BadField{"LatitudeBeyondThePole", [](const auto& f) { uitest::WindowTest::type(f.latitude, "95"); },
                 "«Latitud»: «95» no está entre -90 y 90 grados."},
        BadField{"LongitudeInLetters", [](const auto& f) { uitest::WindowTest::type(f.longitude, "oeste"); },
                 "«Longitud»: «oeste» no es un número válido."},
        BadField{"DateHalfTyped",
                 [](const auto& f) {
                     f.date->setDate(QDate(2026, 2, 28));
                     f.date->setFocus();
                     QTest::keyClick(f.date, Qt::Key_End);
                     for (int i = 0; i < 4; ++i)
                         QTest::keyClick(f.date, Qt::Key_Backspace);
                 },
                 "«Fecha»: «28/02/» no es una fecha DD/MM/AAAA."},
        BadField{"AltitudeAboveEverest", [](const auto& f) { uitest::WindowTest::type(f.altitude, "9000.5"); },
                 "«Altitud»: «9000.5» no está entre -500 y 9000 metros."},
        BadField{"OzoneWithTheOtherSeparator", [](const auto& f) { uitest::WindowTest::type(f.ozone, "300,5"); },
                 "«Ozono»: «300,5» no es un número válido; use el punto decimal (300.5)."},
        BadField{"ZoneThatIsNoZone", [](const auto& f) { f.zone->setCurrentText("Marte/Olimpo"); },
                 "«Zona horaria»: «Marte/Olimpo» no es una zona horaria."},
        BadField{"SunsShapeInThePolarNight",
                 [](const auto& f) {
                     uitest::WindowTest::type(f.latitude, "69.65");
                     uitest::WindowTest::type(f.longitude, "18.96");
                     f.date->setDate(QDate(2026, 12, 21));
                     f.shape->setCurrentIndex(1);
                 },
                 "El sol no sale el 21/12/2026 en 69.65° N, 18.96° E: no hay forma del día según el sol."}),
    [](const auto& info) { return std::string(info.param.name); });

// With the sun's shape chosen, "Calcular" follows it and the title says so;
// the bell chosen again gives the window's own computation back.
TEST_F(Estimate, TheSunsShapeRulesCalcularUntilTheBellIsChosenAgain)
{
    open(',');
    const test_support::ReferenceDay& day = test_support::referenceDay("MadridAfternoon");
    const auto qt = [](const std::string& text) { return QString::fromStdString(text); };
    const auto choose = [&](int shape) {
        EstimateDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        fill(*dialog, qt(withComma(day.latitude)), qt(withComma(day.longitude)),
             QDate::fromString(QString::fromLatin1(day.date), Qt::ISODate), "");
        dialog->fields().zone->setCurrentText(QString::fromLatin1(day.zone));
        dialog->fields().shape->setCurrentIndex(shape);
        QTest::mouseClick(dialog->fields().use, Qt::LeftButton);
        type(c().Text1, day.maximum);
        type(c().Text2, day.start);
        type(c().Text3, day.duration);
        type(c().Text4, day.skinType);
        calcular();
    };
    choose(1);
    EXPECT_EQ(c().Label4->text(), qt(withComma(day.sunCaption)));
    EXPECT_EQ(window->windowTitle(), "Indice UV — el día según el sol: 40,42° N, 3,70° O, 21/06/2026");
    choose(0);
    EXPECT_EQ(c().Label4->text(), qt(withComma(day.bellCaption)));
    EXPECT_EQ(window->windowTitle(), "Indice UV");
}

// "Usar" writes the number as shown into "Indice Máximo" and nothing else:
// no "Calcular", no datos.dat, no message. Enter means "Usar" from any field.
class EstimateUsar : public Estimate, public ::testing::WithParamInterface<const char*> {};

TEST_P(EstimateUsar, WritesTheRoundedValueIntoText1Only)
{
    open(',');
    QStringList before;
    for (QLineEdit* box : {c().Text2, c().Text3, c().Text4, c().Text5, c().Text6, c().Text7})
        before << box->text();
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    fill(*dialog, "-15,84", "-70,02", QDate(2026, 1, 22), "3830");
    const QString press = GetParam();
    if (press == "Usar") {
        QTest::mouseClick(dialog->fields().use, Qt::LeftButton);
    } else {
        QWidget* field = dialog->findChild<QWidget*>(press);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(c().Text1->text(), "20,5");
    QStringList after;
    for (QLineEdit* box : {c().Text2, c().Text3, c().Text4, c().Text5, c().Text6, c().Text7})
        after << box->text();
    EXPECT_EQ(after, before);
    EXPECT_TRUE(c().Label4->text().isEmpty());
    EXPECT_FALSE(QFile::exists(dataFile()));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->focusWidget(), c().Text1);
}

INSTANTIATE_TEST_SUITE_P(Form1, EstimateUsar, ::testing::Values("Usar", "Latitud", "Fecha", "Ozono", "Nieve"));

TEST_F(Estimate, CancelarAndEscapeLeaveEverythingAsItWas)
{
    for (const bool escape : {false, true}) {
        EstimateDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        fill(*dialog, "28.12", "-15.43", QDate(2026, 8, 1), "10");
        if (escape)
            QTest::keyClick(dialog->fields().altitude, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->fields().cancel, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(c().Text1->text(), "10");
        EXPECT_FALSE(QSettings(QStringLiteral("indice-uv"), QStringLiteral("indice-uv")).contains("estimacion/latitud"));
    }
}

// The place of the last "Usar" comes back, in the separator of the day; the
// date never does.
TEST_F(Estimate, RemembersTheLastPlaceButNotTheDate)
{
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    fill(*dialog, "28.12", "-15.43", QDate(2026, 8, 1), "10.5");
    QTest::mouseClick(dialog->fields().use, Qt::LeftButton);

    open(',');
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    EXPECT_EQ(f.latitude->text(), "28,12");
    EXPECT_EQ(f.longitude->text(), "-15,43");
    EXPECT_EQ(f.altitude->text(), "10,5");
    EXPECT_EQ(f.placeOrigin->text(), "Último lugar usado. Lugar por defecto: zona horaria Europe/Madrid");
    EXPECT_EQ(f.date->date(), QDate::currentDate());
    EXPECT_TRUE(f.use->isEnabled());
    dialog->reject();
}

// As in the window: every field has a Spanish name, Tab visits them in
// reading order, and the focused one looks different.
TEST_F(Estimate, EveryFieldIsNamedAndShowsTheFocus)
{
    EstimateDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const EstimateDialog::Fields& f = dialog->fields();
    // A list says its choice, as Qt's do; its label names it.
    const std::pair<QWidget*, QString> stops[] = {
        {f.latitude, "Latitud"},
        {f.longitude, "Longitud"},
        {f.date, "Fecha"},
        {f.altitude, "Altitud"},
        {f.ozone, "Ozono"},
        {f.snow, "Nieve en el suelo"},
        {f.cover, "despejado (menos del 20 %)"},
        {f.air, "limpio (mar abierto, montaña)"},
        {f.zone, f.zone->currentText()},
        {f.shape, "Campana centrada a las 13:00"},
        {f.use, "Usar"},
        {f.cancel, "Cancelar"},
    };
    ASSERT_TRUE(f.latitude->hasFocus());
    for (std::size_t i = 0; i < std::size(stops); ++i) {
        const auto [widget, name] = stops[i];
        EXPECT_TRUE(widget->hasFocus()) << name.toStdString();
        EXPECT_EQ(accessibleText(widget, QAccessible::Name), name);
        EXPECT_FALSE(accessibleText(widget, QAccessible::Description).isEmpty()) << name.toStdString();
        const auto [next, nextName] = stops[(i + 1) % std::size(stops)];
        const QImage unfocused = next->grab().toImage();
        // The date editor steps through its day, month and year before it lets go, as Qt's do.
        for (int tab = 0; tab < 3 && widget->hasFocus(); ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(next->hasFocus()) << nextName.toStdString();
        EXPECT_NE(next->grab().toImage(), unfocused) << nextName.toStdString();
    }
    // The result is read out by its text, which changes with every keystroke.
    EXPECT_EQ(accessibleText(f.result, QAccessible::Name), f.result->text());
    dialog->reject();
}

}  // namespace

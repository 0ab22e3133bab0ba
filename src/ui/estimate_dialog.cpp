// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/estimate_dialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <variant>

#include "day/ask.h"
#include "day/dialog_texts.h"
#include "layout/estimate_fields.h"
#include "qt/utf8.h"
#include "sky/estimate_text.h"
#include "ui/command_button.h"
#include "zones/local_clock.h"
#include "zones/system_zone.h"
#include "zones/zone_places.h"
#include "zones/zone_table.h"

namespace ui {
namespace {

using qt::fromUtf8;

constexpr auto kDateFormat = "dd/MM/yyyy";  // sky::DateStyle::DayMonthYear

QDate qDate(const sky::CivilDate& date)
{
    return QDate(date.year, date.month, date.day);
}

// The text the date editor shows, which is what the estimate reads: between
// keystrokes it may be no date at all ("28/02/"), whatever date() still says.
// The editor rewrites that text quietly when a day is picked in its calendar
// or stepped with the arrows, so it says so through `picked`.
class DateField : public QDateEdit {
public:
    explicit DateField(QWidget* parent)
        : QDateEdit(parent)
    {
    }
    QLineEdit* editor() const { return lineEdit(); }

    std::function<void()> picked;

    void stepBy(int steps) override
    {
        QDateEdit::stepBy(steps);
        if (picked)
            picked();
    }
};

// The last place used, kept in the user's settings between openings; never
// the date, which starts as today. Numbers are kept with a point and shown
// with the separator of the day, so a change of locale does not spoil them.
constexpr auto kGroup = "estimacion";
struct RememberedPlace {
    QString latitude;
    QString longitude;
    QString altitude;
};

QSettings programSettings()
{
    return QSettings(QStringLiteral("indice-uv"), QStringLiteral("indice-uv"));
}

QString withSeparator(const QVariant& stored, char decimalSeparator)
{
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {};
    return QString::number(value, 'g', QLocale::FloatingPointShortest).replace(QLatin1Char('.'),
                                                                                QLatin1Char(decimalSeparator));
}

std::optional<RememberedPlace> rememberedPlace(char decimalSeparator)
{
    QSettings settings = programSettings();
    settings.beginGroup(QLatin1String(kGroup));
    RememberedPlace place{withSeparator(settings.value("latitud"), decimalSeparator),
                          withSeparator(settings.value("longitud"), decimalSeparator),
                          withSeparator(settings.value("altitud"), decimalSeparator)};
    if (place.latitude.isEmpty() || place.longitude.isEmpty())
        return std::nullopt;
    return place;
}

void rememberPlace(const sky::SkyInputs& inputs)
{
    QSettings settings = programSettings();
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue("latitud", inputs.latitude);
    settings.setValue("longitud", inputs.longitude);
    settings.setValue("altitud", inputs.altitude);
}

QString rememberedZoneName()
{
    QSettings settings = programSettings();
    settings.beginGroup(QLatin1String(kGroup));
    return settings.value("zona").toString();
}

void rememberZoneName(const QString& zone)
{
    QSettings settings = programSettings();
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue("zona", zone);
}

// The date's editor, with the calendar's popup and the program's dates.
QWidget* makeDateField(QWidget* parent)
{
    auto* date = new DateField(parent);
    date->setDisplayFormat(QLatin1String(kDateFormat));
    date->setCalendarPopup(true);
    date->setDateRange(qDate(sky::kFirstDate), qDate(sky::kLastDate));
    return date;
}

// tzdata's zones in alphabetical order; any other name may be typed.
QWidget* makeZoneField(QWidget* parent)
{
    auto* zones = new QComboBox(parent);
    zones->setEditable(true);
    zones->setInsertPolicy(QComboBox::NoInsert);
    QStringList names;
    for (const zones::ZonePlace& zone : zones::zonePlaces())
        names << fromUtf8(zone.zone);
    names.sort();
    zones->addItems(names);
    return zones;
}

// A choice among a table's rows, by each row's caption.
template <typename Rows, typename Caption>
QWidget* makeChoiceField(const Rows& rows, Caption caption, int current, QWidget* parent)
{
    auto* choices = new QComboBox(parent);
    for (const auto& row : rows)
        choices->addItem(fromUtf8(caption(row)));
    choices->setCurrentIndex(current);
    return choices;
}

QWidget* makeWidget(const layout::EstimateField& row, QWidget* parent)
{
    switch (row.kind) {
    case layout::FieldKind::Number:
        return new QLineEdit(parent);
    case layout::FieldKind::Date:
        return makeDateField(parent);
    case layout::FieldKind::Check:
        // A check box says its own caption; it has no label beside it.
        return new QCheckBox(fromUtf8(row.caption), parent);
    case layout::FieldKind::Zone:
        return makeZoneField(parent);
    case layout::FieldKind::Shape:
        return makeChoiceField(layout::kDayShapes, [](const layout::DayShapeRow& shape) { return shape.caption; }, 0,
                               parent);
    case layout::FieldKind::Cover:
        return makeChoiceField(
            sky::kSkyCovers, [](const sky::SkyCoverRow& cover) { return sky::coverChoiceText(cover.cover); },
            static_cast<int>(sky::kDefaultSkyCover), parent);
    case layout::FieldKind::Air:
        return makeChoiceField(sky::kAirs, [](const sky::AirRow& air) { return air.caption; },
                               static_cast<int>(sky::kDefaultAir), parent);
    }
    return nullptr;
}

// One field of the estimate's table as a widget, named and described by its row.
QWidget* makeField(const layout::EstimateField& row, QWidget* parent)
{
    QWidget* field = makeWidget(row, parent);
    QString description = fromUtf8(layout::descriptionOf(row));
    if (row.kind == layout::FieldKind::Date) {
        description += QStringLiteral(", %1; Alt+abajo abre el calendario")
                           .arg(fromUtf8(sky::patternOf(sky::DateStyle::DayMonthYear)));
    }
    field->setObjectName(fromUtf8(row.name));
    if (row.kind != layout::FieldKind::Check)
        field->setAccessibleName(fromUtf8(row.name));
    field->setAccessibleDescription(description);
    return field;
}

}  // namespace

EstimateDialog::EstimateDialog(char decimalSeparator, QWidget* parent)
    : QDialog(parent)
    , decimalSeparator_(decimalSeparator)
{
    setWindowTitle(fromUtf8(day::kEstimateTitle));
    // The calendar's months and weekdays in Spanish, as every other text.
    setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    build();
    recall();
    refresh();
    f_.latitude->setFocus();
    f_.latitude->selectAll();
}

// The fields are made in reading order, which Tab follows.
void EstimateDialog::build()
{
    const Made made = makeFields();
    makeResult();
    QDialogButtonBox* buttons = makeButtons();
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(f_.warning, 0, Qt::AlignTop);
    resultRow->addWidget(f_.result, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formOf(made));
    layout->addLayout(resultRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the result's longest line, so that it stays one line.
    const QString longest = QStringLiteral("Mediodía solar a las 14:16; ozono 327 DU; el sol a 17,0° del cénit.");
    f_.result->setFixedWidth(fontMetrics().horizontalAdvance(longest) * 11 / 10);
    connectFields();
}

EstimateDialog::Made EstimateDialog::makeFields()
{
    Made made{};
    for (const layout::EstimateField& row : layout::kEstimateFields) {
        made[static_cast<std::size_t>(row.field)] = makeField(row, this);
        // Where the place came from, under the place it speaks of.
        if (row.field == layout::SkyField::Longitud) {
            f_.placeOrigin = new QLabel(this);
            f_.placeOrigin->setWordWrap(true);
        }
        if (row.field == layout::SkyField::Zona) {
            f_.zoneHint = new QLabel(this);
            f_.zoneHint->setWordWrap(true);
            f_.zoneHint->hide();  // until a place lies far from the zone
        }
    }
    const auto madeAs = [&]<typename Widget>(layout::SkyField field, Widget*& into) {
        into = static_cast<Widget*>(made[static_cast<std::size_t>(field)]);
    };
    madeAs(layout::SkyField::Latitud, f_.latitude);
    madeAs(layout::SkyField::Longitud, f_.longitude);
    madeAs(layout::SkyField::Fecha, f_.date);
    madeAs(layout::SkyField::Altitud, f_.altitude);
    madeAs(layout::SkyField::Ozono, f_.ozone);
    madeAs(layout::SkyField::Nieve, f_.snow);
    madeAs(layout::SkyField::Cielo, f_.cover);
    madeAs(layout::SkyField::Aire, f_.air);
    madeAs(layout::SkyField::Zona, f_.zone);
    madeAs(layout::SkyField::Forma, f_.shape);
    f_.date->setDate(qDate(zones::localToday()));
    return made;
}

// The result, and the warning sign beside it while a field is bad.
void EstimateDialog::makeResult()
{
    f_.warning = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    f_.warning->setFixedSize(iconSize, iconSize);
    f_.warning->setAccessibleName(QStringLiteral("Aviso"));
    f_.result = new QLabel(this);
    f_.result->setObjectName(QStringLiteral("Resultado"));
    f_.result->setTextFormat(Qt::PlainText);
    f_.result->setWordWrap(true);
    f_.result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Six lines always (the caveat and the protection take two each), so that
    // the dialog keeps its size as the text changes.
    f_.result->setMinimumHeight(6 * fontMetrics().lineSpacing());
    f_.result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QFormLayout* EstimateDialog::formOf(const Made& made)
{
    auto* form = new QFormLayout;
    const auto row = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    for (const layout::EstimateField& field : layout::kEstimateFields) {
        QWidget* widget = made[static_cast<std::size_t>(field.field)];
        if (field.kind == layout::FieldKind::Check)
            form->addRow(widget);
        else
            row(fromUtf8(field.caption) + QLatin1Char(':'), widget);
        if (field.field == layout::SkyField::Longitud)
            form->addRow(f_.placeOrigin);
        if (field.field == layout::SkyField::Zona)
            form->addRow(f_.zoneHint);
    }
    return form;
}

// "Usar" and "Cancelar".
QDialogButtonBox* EstimateDialog::makeButtons()
{
    f_.use = new CommandButton(QStringLiteral("Usar"), this);
    f_.use->setObjectName(QStringLiteral("Usar"));
    f_.use->setAccessibleDescription(fromUtf8(day::kUseDescription));
    f_.cancel = new CommandButton(QStringLiteral("Cancelar"), this);
    f_.cancel->setObjectName(QStringLiteral("Cancelar"));
    f_.cancel->setAccessibleDescription(QStringLiteral("Cierra sin cambiar nada"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(f_.use, QDialogButtonBox::AcceptRole);
    buttons->addButton(f_.cancel, QDialogButtonBox::RejectRole);
    f_.use->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &EstimateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EstimateDialog::reject);

    return buttons;
}

void EstimateDialog::connectFields()
{
    for (QLineEdit* field : {f_.latitude, f_.longitude, f_.altitude, f_.ozone})
        connect(field, &QLineEdit::textChanged, this, &EstimateDialog::refresh);
    auto* date = static_cast<DateField*>(f_.date);
    connect(date->editor(), &QLineEdit::textChanged, this, &EstimateDialog::refresh);
    date->picked = [this] { refresh(); };
    // After the editor has taken the day from its calendar.
    connect(date->calendarWidget(), &QCalendarWidget::clicked, this, &EstimateDialog::refresh, Qt::QueuedConnection);
    connect(date->calendarWidget(), &QCalendarWidget::activated, this, &EstimateDialog::refresh, Qt::QueuedConnection);
    connect(f_.snow, &QCheckBox::toggled, this, &EstimateDialog::refresh);
    connect(f_.cover, &QComboBox::currentIndexChanged, this, &EstimateDialog::refresh);
    connect(f_.air, &QComboBox::currentIndexChanged, this, &EstimateDialog::refresh);
    connect(f_.zone, &QComboBox::currentTextChanged, this, &EstimateDialog::refresh);
    connect(f_.shape, &QComboBox::currentIndexChanged, this, &EstimateDialog::refresh);
}

// The last place used, else the one of the time zone, else nothing: the user
// types it. The zone is the last one used, else the system's.
void EstimateDialog::recall()
{
    const std::optional<std::string> zone = zones::systemZone();
    QString origin = fromUtf8(zones::defaultPlaceText(zone));
    if (const auto place = rememberedPlace(decimalSeparator_)) {
        f_.latitude->setText(place->latitude);
        f_.longitude->setText(place->longitude);
        f_.altitude->setText(place->altitude);
        origin = QStringLiteral("Último lugar usado. ") + origin;
    } else if (const auto place = zone ? zones::placeOfZone(*zone) : std::nullopt) {
        f_.latitude->setText(fromUtf8(sky::degreesText(place->latitude, decimalSeparator_)));
        f_.longitude->setText(fromUtf8(sky::degreesText(place->longitude, decimalSeparator_)));
    }
    f_.placeOrigin->setText(origin);
    const QString rememberedZone = rememberedZoneName();
    f_.zone->setCurrentText(!rememberedZone.isEmpty() ? rememberedZone : fromUtf8(zone.value_or(std::string(zones::kFallbackZone))));
}

// A field's refusal in the result, with the warning sign; "Usar" waits for a mend.
void EstimateDialog::refuse(const QString& message)
{
    inputs_.reset();
    sunShape_.reset();
    shownIndex_.clear();
    f_.result->setText(message);
    f_.zoneHint->clear();
    f_.zoneHint->hide();
    f_.warning->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                              .pixmap(f_.warning->size(), devicePixelRatioF()));
    f_.use->setEnabled(false);
}

day::Request EstimateDialog::request() const
{
    using layout::SkyField;
    day::Request request;
    const auto set = [&](SkyField field, const QString& text) { request.field(field) = text.toStdString(); };
    set(SkyField::Latitud, f_.latitude->text());
    set(SkyField::Longitud, f_.longitude->text());
    set(SkyField::Fecha, f_.date->text());
    set(SkyField::Altitud, f_.altitude->text());
    set(SkyField::Ozono, f_.ozone->text());
    if (f_.snow->isChecked())
        request.field(SkyField::Nieve) = std::string();
    request.field(SkyField::Cielo) =
        std::string(sky::kSkyCovers[static_cast<std::size_t>(f_.cover->currentIndex())].token);
    request.field(SkyField::Aire) = std::string(sky::kAirs[static_cast<std::size_t>(f_.air->currentIndex())].token);
    set(SkyField::Zona, f_.zone->currentText());
    request.field(SkyField::Forma) =
        std::string(layout::kDayShapes[static_cast<std::size_t>(f_.shape->currentIndex())].token);
    request.dateStyle = sky::DateStyle::DayMonthYear;
    request.estimate = true;
    request.decimalSeparator = decimalSeparator_;
    return request;
}

void EstimateDialog::refresh()
{
    const day::Answer answer = day::answer(request());
    f_.ozone->setPlaceholderText(fromUtf8(answer.ozonePlaceholder));
    if (answer.refusal) {
        refuse(fromUtf8(answer.refusal->message));
        return;
    }
    const day::EstimateAnswer& estimate = *answer.estimate;
    inputs_ = estimate.inputs;
    sunShape_.reset();
    if (answer.sunDay)
        sunShape_ = answer.sunDay->shape;
    shownIndex_ = fromUtf8(estimate.shown);
    std::string text = estimate.text;
    if (answer.protection)
        text += "\n" + answer.protection->line;
    f_.result->setText(fromUtf8(text));
    f_.warning->clear();
    const QString hint = fromUtf8(estimate.zoneHint);
    f_.zoneHint->setText(hint);
    f_.zoneHint->setVisible(!hint.isEmpty());
    f_.use->setEnabled(true);
}

void EstimateDialog::accept()
{
    // Enter with a bad field reaches here only if "Usar" were enabled; it never writes.
    if (!inputs_)
        return;
    rememberPlace(*inputs_);
    rememberZoneName(f_.zone->currentText().trimmed());
    QDialog::accept();
}

}  // namespace ui

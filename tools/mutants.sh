#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plants small faults in the code, one at a time, and checks that the fast
# tests catch each one: a habit before changing a layer, to see that its tests
# still guard it, and after, to see that they still do. Each fault is a row of
# data below: the file, the text as it stands there, and what it becomes (\n
# stands for a line break). The file is put back after each fault, also when
# the script is interrupted, and the build is brought back to the sources at
# the end.
#
#   bash tools/mutants.sh [BUILD_DIR [PATH...]]   # default build/, configured and built;
#                                                 # each PATH keeps the faults in files under it (src/chart)
#
# One line per fault: CAUGHT (with the first test that failed), MISSED, STALE
# (the text is no longer in the file: update the row), BROKEN (the fault does
# not build: update the row) or SKIPPED (the processor cannot run it). Exits 1
# unless every fault that ran was caught.
# It rebuilds incrementally and takes minutes; the test command does not run it.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build}
only=("${@:2}")
# What a one-line fault does not need: the soak, the kill loop over datos.dat,
# the program under an X server, the fuzz corpora and the package.
slow='soak|DatosCrash|end_to_end|fuzz|package|install|startup'

faults=(
  # The curve's fourth power squared twice: the last bits of 182 samples move.
  src/model/curve.cpp 'std::pow(d / kOuterWidth, 4)' '((d / kOuterWidth) * (d / kOuterWidth)) * ((d / kOuterWidth) * (d / kOuterWidth))'
  # The computation built with fused multiply-add, as some targets do by default.
  src/model/CMakeLists.txt 'target_link_libraries(model PUBLIC runtime)' 'target_link_libraries(model PUBLIC runtime)\ntarget_compile_options(model PRIVATE -ffp-contract=fast -mfma)'
  # The altitude term taken on the maximum before the latitude correction.
  src/model/curve.cpp '((maximum * diferenciaAltitud)' '((indiceMaximo * diferenciaAltitud)'
  # The strips starting at sample 1, or ending one strip early at 998.
  src/model/dose.cpp 'for (int i = 2; i <= last - 1; ++i)' 'for (int i = 1; i <= last - 1; ++i)'
  src/model/dose.cpp 'for (int i = 2; i <= last - 1; ++i)' 'for (int i = 2; i < last - 1; ++i)'
  # The end of the exposure window left out.
  src/model/form_state.h '&& t <= static_cast<double>(exposureWindowEnd(state))' '&& t < static_cast<double>(exposureWindowEnd(state))'
  # A conversion factor rounded.
  src/model/dose.cpp 'kFirstFactor = 2.778;' 'kFirstFactor = 2.78;'
  # The boxes read in another order: the first two, the next two, the third and fourth.
  src/model/inputs.cpp 'InputBox::Text1, InputBox::Text6, InputBox::Text5,' 'InputBox::Text6, InputBox::Text1, InputBox::Text5,'
  src/model/inputs.cpp 'InputBox::Text1, InputBox::Text6, InputBox::Text5,' 'InputBox::Text1, InputBox::Text5, InputBox::Text6,'
  src/model/inputs.cpp 'InputBox::Text5,\n    InputBox::Text2,' 'InputBox::Text2,\n    InputBox::Text5,'
  # Time to one dose only once the dose is past 1.
  src/model/time_to_dose.cpp 'exposureInDoses(state).value_or(0) >= doses' 'exposureInDoses(state).value_or(0) > doses'
  # The sunscreen's protection taken as linear in the amount, not exponential.
  src/model/sunscreen.cpp 'std::pow(static_cast<double>(sunscreen.fps), amountRow(sunscreen.amount).mgPerCm2 / kTestedMgPerCm2)' 'static_cast<double>(sunscreen.fps) * (amountRow(sunscreen.amount).mgPerCm2 / kTestedMgPerCm2)'
  # The window handing the chart's own height as the base of the tick length.
  src/ui/form1_handlers.cpp 'chart::GraficaIndice(state_, *surface_, chart::kFormScaleHeight, separator);' 'chart::GraficaIndice(state_, *surface_, surface_->ScaleHeight(), separator);'
  # A bar's ends set the wrong way round by the window.
  src/ui/form1_handlers.cpp 'bar->setMax(row.spinner.max);\n    bar->setMin(row.spinner.min);' 'bar->setMax(row.spinner.min);\n    bar->setMin(row.spinner.max);'
  # The skin-type bar stopping short of the lightest skin type.
  src/layout/layout.h '.spinner = {.box = "Text4", .min = 6, .max = 1},' '.spinner = {.box = "Text4", .min = 6, .max = 2},'
  # The top of the maximum's bar raised to 20.
  src/layout/layout.h '.spinner = {.box = "Text1", .min = 18, .max = 0},' '.spinner = {.box = "Text1", .min = 20, .max = 0},'
  # The bars' start values read from their boxes' texts as single digits.
  src/layout/layout.h 'value = 10 * value' 'value = value'
  # The page told one number too many after each text it prints.
  src/web/canvas_surface.h 'case kText: return 6;' 'case kText: return 7;'
  # The canvas's pixels rounded up, a pixel more than the screen shows at a zoom of 125 %.
  src/web/canvas_surface.cpp 'static_cast<float>(std::lround(device(width_)))' 'static_cast<float>(std::ceil(device(width_)))'
  # The screen's gamma taken as a plain power of 2.2: contrasts off by a few hundredths.
  src/web/page_colours.cpp 'std::pow((c + 0.055) / 1.055, 2.4)' 'std::pow(c, 2.2)'
  # Every caption darkened a step, even one that already reads well.
  src/web/page_colours.cpp 'for (int numerator = 255; numerator > 0; --numerator)' 'for (int numerator = 254; numerator > 0; --numerator)'
  # A 2-pixel line's extra pixel after it, and the page's wide layout a pixel
  # wider than its narrow one ends.
  src/layout/layout.h 'const int before = width / 2;' 'const int before = (width - 1) / 2;'
  src/web/page_parts.cpp '"(min-width: " + std::to_string(kWideScreenFrom)' '"(min-width: " + std::to_string(kWideScreenFrom + 1)'
  # Text handed to Qt read up to a terminating zero instead of the view's own end.
  src/qt/utf8.h 'QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))' 'QString::fromUtf8(text.data())'
  # The chart saved through the system's own calls, not the ones the window was given.
  src/ui/chart_actions.cpp '? qt::savePng(s_.surface->image(), file, calls)' '? qt::savePng(s_.surface->image(), file, callsOf(nullptr))'
  # The companion's PNG reported as saved when it was not.
  src/cli/companion.cpp 'options.scale, calls); !saved.saved)' 'options.scale, calls); saved.saved)'
  # A value on a category bound shaded in the upper category.
  src/chart/uv_categories.cpp 'if (v <= category.upperBound)\n            return category.colour;' 'if (v < category.upperBound)\n            return category.colour;'
  # The axis top for a maximum of exactly 10.
  src/chart/escala_grafica.cpp 'if (vmax <= 10)' 'if (vmax < 10)'
  # A bar's step from a typed fraction rounded up first (7.5 up to 9), or the top end not taken from the box.
  src/model/bar_step.cpp 'next = raises ? std::floor(*number) + size : std::ceil(*number) - size;' 'next = raises ? std::ceil(*number) + size : std::floor(*number) - size;'
  src/model/bar_step.cpp '*number <= static_cast<float>(high)' '*number < static_cast<float>(high)'
  # The window's bar left at its value with the box still showing the typed fraction.
  src/ui/spin_bar.cpp 'if (result.fromBox && result.value == before' 'if (false && result.value == before'
  # The readout's box never flipped above a low point, or let out of the plot.
  src/chart/readout.cpp '    if (start + size > high)\n        start = at - gap - size;' ''
  src/ui/chart_readout.cpp 'std::floor((scale_->y0 + scale_->H) / kTwips) - top}' 'height() - top}'
  # The pictures' focus mark without its halo.
  src/ui/form1.cpp '        box->setFocusHalo(true);' ''
  # The 1x pictures at every pixel ratio.
  src/ui/screen_picture.cpp 'qt_findAtNxFile(path, ratio, &drawnFor)' 'path'
  # The plot's width rounded instead of floored.
  src/chart/escala_grafica.cpp 'e.W = std::floor(static_cast<double>(sw) * 0.85);' 'e.W = std::round(static_cast<double>(sw) * 0.85);'
  # The chart's drawing: the shading from sample 1, in the colour of the sample
  # before, down to the frame instead of index 0.
  src/chart/grafica_indice.cpp 'for (int i = 2; i <= samples; ++i) {\n        if (!model::insideExposureWindow' 'for (int i = 1; i <= samples; ++i) {\n        if (!model::insideExposureWindow'
  src/chart/grafica_indice.cpp 'categoryColour(state.IndiceUV[i])' 'categoryColour(state.IndiceUV[i - 1])'
  src/chart/grafica_indice.cpp 'const double zeroLevel = e.y(0);' 'const double zeroLevel = e.y0 + e.H;'
  # A point placed at the time of one sample and the index of the one before.
  src/chart/grafica_indice.cpp 'return {e.x(state.Tiempo[i]), e.y(state.IndiceUV[i])};' 'return {e.x(state.Tiempo[i]), e.y(state.IndiceUV[i - 1])};'
  # The curve from the second sample, one pixel wide, the frame blue.
  src/chart/grafica_indice.cpp 'Point previous = samplePoint(state, e, 1);' 'Point previous = samplePoint(state, e, 2);'
  src/chart/grafica_indice.cpp 'surface.setDrawWidth(2);' 'surface.setDrawWidth(1);'
  src/chart/grafica_indice.cpp 'surface.setForeColor(kBlack);' 'surface.setForeColor(kBlue);'
  # Ticks and labels: another tick length, label offsets, the right-hand ticks
  # pointing out, the hours of the labels shifted, one grid column fewer.
  src/chart/grafica_indice.cpp 'static_cast<double>(formScaleHeight) / 90' 'static_cast<double>(formScaleHeight) / 100'
  src/chart/grafica_indice.cpp 'bottom + 0.9 * tick' 'bottom + tick'
  src/chart/grafica_indice.cpp 'e.x0 - 6 * static_cast<double>(tick)' 'e.x0 - 5 * static_cast<double>(tick)'
  src/chart/grafica_indice.cpp 'tickFromCurrentPosition(surface, -static_cast<double>(tick), 0);' 'tickFromCurrentPosition(surface, static_cast<double>(tick), 0);'
  src/chart/grafica_indice.cpp '(e.Tmax - e.Tmin) * i / kTimeTicks' '(e.Tmax - e.Tmin) * (i + 1) / kTimeTicks'
  src/chart/grafica_indice.cpp 'constexpr int kGridColumns = 30;' 'constexpr int kGridColumns = 29;'
  # The titles moved.
  src/chart/grafica_indice.cpp 'static_cast<double>(surface.ScaleWidth()) * 0.35' 'static_cast<double>(surface.ScaleWidth()) * 0.3'
  src/chart/grafica_indice.cpp 'static_cast<double>(surface.ScaleHeight()) * 0.94' 'static_cast<double>(surface.ScaleHeight()) * 0.95'
  # datos.dat replaced without its set-ID bits, and an immutable one refused
  # with the system's own words instead of the program's.
  src/runtime/text_file.cpp 'return ::fchmod(fd, existing.st_mode & 07777) != 0 ? errno : 0;' 'return ::fchmod(fd, existing.st_mode & 0777) != 0 ? errno : 0;'
  src/runtime/text_file.cpp 'case EACCES:\n    case EPERM:\n' 'case EACCES:\n'
  # A folder that answers EPERM to the temporary file taken for a failure, so a
  # writable datos.dat in it is not written in place.
  src/runtime/text_file.cpp 'return error == EACCES || error == EPERM;' 'return error == EACCES;'
  # The companion's options: --help without its short name, --datos taking the
  # option after it as its file, the descriptions a column further right.
  src/cli/options.cpp 'SetsFlag{&Options::help}, "-h"}' 'SetsFlag{&Options::help}}'
  src/cli/options.cpp 'if (!value && more && !arguments[i + 1].starts_with("-"))' 'if (!value && more)'
  src/cli/options.cpp 'constexpr std::size_t kHelpColumn = 27;' 'constexpr std::size_t kHelpColumn = 28;'
  # The window's fonts: the narrow face drawn wide, the caption face misspelt
  # (the desktop then substitutes another), the sans face not narrowed.
  src/ui/form1.cpp 'return QStringLiteral("Liberation Sans Narrow");' 'return QStringLiteral("Liberation Sans");'
  src/ui/form1.cpp 'return QStringLiteral("URW Bookman");' 'return QStringLiteral("URW Bookmann");'
  src/ui/form1.cpp 'constexpr int kSansStretch = 92;' 'constexpr int kSansStretch = 100;'
  # Each layer of the window stacked upside down.
  src/ui/form1.cpp 'layout::kDecorStacking.rbegin(); name != layout::kDecorStacking.rend();' 'layout::kDecorStacking.begin(); name != layout::kDecorStacking.end();'
  src/ui/form1.cpp 'layout::kWindowedStacking.rbegin(); name != layout::kWindowedStacking.rend();' 'layout::kWindowedStacking.begin(); name != layout::kWindowedStacking.end();'
  # The clear-sky estimate: the snow factor rounded, the months' means at their
  # starts instead of their middles, the top of a field's range refused.
  src/sky/clear_sky.cpp 'kSnowFactor = 1.22' 'kSnowFactor = 1.2'
  src/sky/ozone_climatology.cpp '/ kDaysPerMonth - 0.5;' '/ kDaysPerMonth;'
  src/day/sky_inputs.cpp 'value <= limits.highest' 'value < limits.highest'
  # A cloud cover's share rounded.
  src/sky/sky_cover.h '20, 70, 0.89}' '20, 70, 0.9}'
  # The day's shape: a weight of the cubic through the hours with its sign
  # turned, the equation of time taken at the hour before instead of interpolated.
  src/sky/day_shape.cpp 'const double w2 = -(s + 1) * s * (s - 2) / 2;' 'const double w2 = (s + 1) * s * (s - 2) / 2;'
  src/sky/day_shape.cpp 'w0 * a.equationOfTime + w1 * b.equationOfTime + w2 * c.equationOfTime + w3 * d.equationOfTime' 'b.equationOfTime'
  # The zones' closing rules: the south's summer, which spans the new year,
  # lost; its end read on the standard clock; a change past 24 h refused
  # (Gaza's and Hebron's 50 h).
  src/zones/posix_rule.cpp ': unixSeconds >= start || unixSeconds < end;' ': unixSeconds >= start && unixSeconds < end;'
  src/zones/posix_rule.cpp 'changeInstant(rule.summerEnd, year, *rule.summerOffset)' 'changeInstant(rule.summerEnd, year, rule.standardOffset)'
  src/zones/posix_rule.cpp 'const auto seconds = time(167);' 'const auto seconds = time(24);'
  # The day's offset taken at midnight, an hour off on the days the clocks change.
  src/zones/time_zone.cpp 'zone.offsetAtClock(date, 12 * 3600)' 'zone.offsetAtClock(date, 0)'
  # The system's zone: TZ read once, so a zone set later is not seen.
  src/zones/system_zone.cpp '    if (const char* tz = std::getenv("TZ")) {' '    static const char* const first = std::getenv("TZ");\n    static const std::string kept = first ? first : "";\n    if (const char* tz = first ? kept.c_str() : nullptr) {'
  # The nearer zone suggested however near the zone's own place, or from 500 km
  # (Barcelona lies 504 km from Madrid).
  src/zones/nearest_zone.cpp '    constexpr double kFarKilometres = 800;\n    const ZonePlace& nearest = nearestZone(place);\n    const auto own = placeOfZone(zone);\n    if (nearest.zone == zone || (own && distanceKilometres(place, *own) <= kFarKilometres))' '    const ZonePlace& nearest = nearestZone(place);\n    if (nearest.zone == zone)'
  src/zones/nearest_zone.cpp 'constexpr double kFarKilometres = 800;' 'constexpr double kFarKilometres = 500;'
  # The page's JSON: the reverse solidus and the controls from U+0010 left
  # unescaped, UTF-8's bytes taken as signed (escaped), an infinity written as
  # such, two digits short of reading back as the same double.
  src/web/json_object.cpp "c >= 0x20 && c != '\"' && c != '\\\\'" "c >= 0x20 && c != '\"'"
  src/web/json_object.cpp 'c >= 0x20' 'c >= 0x10'
  src/web/json_object.cpp 'const auto c = static_cast<unsigned char>(text[i]);' 'const auto c = text[i];'
  src/web/json_object.cpp 'if (!std::isfinite(value))' 'if (std::isnan(value))'
  src/web/json_object.cpp '"%.17g"' '"%.15g"'
  # The window's DD/MM/AAAA read with the day and the month swapped.
  src/sky/civil_date.cpp 'CivilDate{number(6, 4), number(3, 2), number(0, 2)}' 'CivilDate{number(6, 4), number(0, 2), number(3, 2)}'
  # The day's answer: a bad field after a place or date the zone could not
  # give refused first, solar noon's minute rounded instead of dropped or left
  # past midnight (UT+14), the stay's maximum typed replaced though the
  # estimate was not asked to give it, or replaced by the unrounded estimate,
  # a refused sunscreen dropping the stay, the estimate's fields not read
  # for the maximum it gives, the zone not read for the sun's day, the
  # browser's today ignored, the ozone typed shown as the climatology's.
  src/day/place_answer.cpp 'failure && (!missing || failure->field < missing->field)' 'failure && (!missing || failure->field > missing->field)'
  src/day/place_answer.cpp 'static_cast<int>(std::floor(seconds / 60))' 'static_cast<int>(std::round(seconds / 60))'
  src/day/place_answer.cpp 'return ((minutes % 1440) + 1440) % 1440;' 'return minutes;'
  src/day/stay_answer.cpp 'if (stay.maximumFromEstimate && answer.estimate)' 'if (answer.estimate)'
  src/day/stay_answer.cpp '= answer.estimate->shown;' '= std::to_string(answer.estimate->estimate.uvIndex);'
  src/day/stay_answer.cpp '        refused = std::move(*refusal);' '        return std::move(*refusal);'
  src/day/request.cpp 'return request.estimate || (request.stay && request.stay->maximumFromEstimate);' 'return request.estimate;'
  src/day/request.cpp '(row.placesTheSun || field == layout::SkyField::Zona)' 'row.placesTheSun'
  src/day/request_zone.cpp 'return today.value_or(todayWithoutZone());' 'return todayWithoutZone();'
  src/day/place_answer.cpp 'ozonePlaceholder(sky::climatologicalOzone(in.latitude, sky::dayOfYear(in.date)))' 'ozonePlaceholder(in.ozone)'
  # The estimate's dialog: the place not remembered, "Usar" left enabled on a
  # bad field, its entry last in the box's menu.
  src/ui/estimate_dialog.cpp '    rememberPlace(*inputs_);' '    if (false) rememberPlace(*inputs_);'
  src/ui/estimate_dialog.cpp '    f_.use->setEnabled(false);' ''
  src/ui/estimate_entry.cpp 'menu->insertAction(first, action_);' 'menu->addAction(action_);'
  # The day's answer, for every front end: solar noon told in UT, snow ignored.
  src/day/place_answer.cpp 'clockMinutes(estimate.solarNoonUt, read.zone->offsetAtNoon(in.date))' 'clockMinutes(estimate.solarNoonUt, 0)'
  src/day/place_answer.cpp '    texts.snow = given(SkyField::Nieve).has_value();' ''
  # The companion: the estimate replacing a maximum given, its fields taken
  # without --estimar.
  src/cli/day_request.cpp '!options.given[static_cast<std::size_t>(model::InputBox::Text1)] && (options.estimate || options.sunShape())' '(options.estimate || options.sunShape())'
  src/cli/options.cpp 'if (row->onlyWith && !row->onlyWith->met(options))' 'if (false && row->onlyWith && !row->onlyWith->met(options))'
)

mutated=""
backup=$(mktemp)
restore() {
    if [[ -n $mutated ]]; then
        # A fresh modification time, so the next build compiles the original again.
        cat "$backup" >"$mutated"
        mutated=""
    fi
}
finish() {
    restore
    rm -f "$backup" "$backup.log"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Replaces the one occurrence of ORIG by REPL in the file; fails, changing
# nothing, when ORIG is not there exactly once.
plant() {
    ORIG=$2 REPL=$3 perl -e '
        my ($file) = @ARGV;
        my ($orig, $repl) = ($ENV{ORIG}, $ENV{REPL});
        s/\\n/\n/g for $orig, $repl;
        open(my $in, "<", $file) or die; local $/; my $text = <$in>; close $in;
        my $count = () = $text =~ /\Q$orig\E/g;
        exit 3 unless $count == 1;
        $text =~ s/\Q$orig\E/$repl/;
        open(my $out, ">", $file) or die; print $out $text; close $out or die;
    ' "$1"
}

build_quietly() { cmake --build "$build" --parallel 2 >"$backup.log" 2>&1; }
fast_tests() { (cd "$build" && ctest -E "$slow" --timeout 120 --stop-on-failure) >"$backup.log" 2>&1; }

if ! build_quietly || ! fast_tests; then
    echo "The fast tests fail without any fault; see $build/Testing/Temporary/LastTest.log." >&2
    exit 2
fi

total=0
caught=0
for ((i = 0; i < ${#faults[@]}; i += 3)); do
    file=${faults[i]} orig=${faults[i + 1]} repl=${faults[i + 2]}
    if ((${#only[@]} > 0)); then
        wanted=false
        for path in "${only[@]}"; do
            [[ $file == "$path"* ]] && wanted=true
        done
        $wanted || continue
    fi
    total=$((total + 1))
    label="$file: ${orig//\\n/ } -> ${repl//\\n/ }"
    if [[ $repl == *-mfma* ]] && ! grep -qw fma /proc/cpuinfo; then
        echo "SKIPPED $label (this processor has no fused multiply-add)"
        total=$((total - 1))
        continue
    fi
    cp "$file" "$backup"
    mutated=$file
    if ! plant "$file" "$orig" "$repl"; then
        mutated=""
        echo "STALE   $label"
        continue
    fi
    if ! build_quietly; then
        echo "BROKEN  $label"
    elif fast_tests; then
        echo "MISSED  $label"
    else
        caught=$((caught + 1))
        first=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*(\(Failed\|Timeout\).*/\1/p' "$backup.log" | head -1)
        echo "CAUGHT  $label  [${first:-?}]"
    fi
    restore
done

build_quietly || echo "The build does not come back to the sources: see cmake --build $build" >&2
echo "$caught of $total faults caught"
[[ $caught -eq $total ]]

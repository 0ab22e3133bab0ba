// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's behaviour on the page: the four bars and their steppers, the
// three commands, Enter for "Calcular", the messages, datos.dat as a
// download, the chart replayed from what the WebAssembly calculator recorded
// at the size it shows, its readout under a pointer or a finger, the
// clear-sky estimate of the day's maximum and the day's shape by the sun,
// the sunscreen, when to protect and the stay's reminders (their calendar
// file here, their notifications in avisos.js, loaded when first asked for),
// and the service worker that keeps the page for use without a connection.
'use strict';

(() => {
  // An id between @ signs is one the page generator makes up: it writes it
  // here at build time as it writes it into the page.
  const byId = (id) => document.getElementById(id);
  const form = byId('Form1');

  // The browser's language decides the decimal separator; ?punto forces the point.
  function decimalSeparator() {
    if (new URLSearchParams(location.search).has('punto')) return '.';
    try {
      const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
      if (part && (part.value === '.' || part.value === ',')) return part.value;
    } catch (error) {
      // An unknown language tag: the point, as in the window.
    }
    return '.';
  }
  // Looked up at its first use: the browser's number formats take tens of
  // milliseconds to load on a phone, which the page's load need not wait for.
  let separator = null;
  function separatorText() {
    separator = separator || decimalSeparator();
    return separator;
  }
  const separatorCode = () => separatorText().charCodeAt(0);

  // The chart's operations, which the page generator writes from the
  // calculator's own definitions.
  const { op, operands } = JSON.parse(byId('@CODES_ID@').textContent);

  // Each bar names the box it steps; its ends and start come from the layout
  // table, Min (data-min) at its top end and Max (data-max) at its bottom end.
  const bars = [...document.querySelectorAll('.scroll')].map((element) => ({
    element,
    box: byId(element.getAttribute('aria-controls')),
    min: Number(element.dataset.min),
    max: Number(element.dataset.max),
    start: Number(element.dataset.start),
    value: null,  // until Form_Load
  }));

  // Moves a bar one step toward its top end (steps > 0) or its bottom end,
  // by the calculator's rule: from the number typed in the box when it lies
  // within the bar's ends, else from the bar's own value; never past an end.
  // A change writes the value into the box, as does a step from the box's number.
  function move(bar, steps) {
    if (!api) return;
    const step = api.barStep(bar.box.value, separatorCode(), bar.min, bar.max, bar.value, steps > 0 ? 1 : 0);
    setBarValue(bar, step.value, step.fromBox);
  }
  function setBarValue(bar, value, fromBox = false) {
    const low = Math.min(bar.min, bar.max);
    const high = Math.max(bar.min, bar.max);
    const clamped = Math.min(high, Math.max(low, value));
    if (clamped === bar.value && bar.element.hasAttribute('aria-valuenow') && !fromBox) return;
    bar.value = clamped;
    bar.element.setAttribute('aria-valuenow', String(clamped));
    bar.box.value = String(clamped);
  }

  function Form_Load() {
    for (const bar of bars) {
      const low = Math.min(bar.min, bar.max);
      const high = Math.max(bar.min, bar.max);
      bar.element.setAttribute('aria-valuemin', String(low));
      bar.element.setAttribute('aria-valuemax', String(high));
      bar.element.removeAttribute('aria-valuenow');
      setBarValue(bar, bar.start);
    }
  }

  for (const bar of bars) {
    bar.element.addEventListener('keydown', (event) => {
      const steps = { ArrowUp: 1, ArrowRight: 1, PageUp: 1, ArrowDown: -1, ArrowLeft: -1, PageDown: -1 }[event.key];
      if (steps) move(bar, steps);
      else if (event.key === 'Home') setBarValue(bar, bar.min);
      else if (event.key === 'End') setBarValue(bar, bar.max);
      else return;
      event.preventDefault();
    });
    // The arrows (a phone's "−" and "+") step on the press, as the window's
    // do; a click with no press before it comes from a screen reader.
    for (const arrow of bar.element.querySelectorAll('button')) {
      const steps = Number(arrow.dataset.step);
      arrow.addEventListener('pointerdown', (event) => {
        event.preventDefault();
        bar.element.focus();
        arrow.classList.add('pressed');
        move(bar, steps);
      });
      arrow.addEventListener('click', (event) => {
        if (event.detail === 0) move(bar, steps);
      });
      arrow.addEventListener('pointerup', () => arrow.classList.remove('pressed'));
      arrow.addEventListener('pointerleave', () => arrow.classList.remove('pressed'));
    }
  }

  // The modal messages: the window's texts, one "Aceptar" button; `after`
  // puts the focus back where the window puts it.
  const dialog = byId('mensaje');
  let afterMessage = null;
  function showMessage(text, after) {
    byId('mensaje-texto').textContent = text;
    afterMessage = after;
    dialog.showModal();
    byId('mensaje-aceptar').focus();
  }
  // Closed and the focus placed at once: the dialog's own close event comes
  // later, after the browser has put the focus back where it was.
  function closeMessage() {
    dialog.close();
    const after = afterMessage;
    afterMessage = null;
    if (after) after();
  }
  byId('mensaje-aceptar').addEventListener('click', closeMessage);
  dialog.addEventListener('cancel', (event) => {
    event.preventDefault();
    closeMessage();
  });

  // The chart: the calculator recorded it as operations in device pixels.
  // Its size in the window, in CSS pixels, is the canvas's starting size.
  const canvas = byId('Indice');
  const chartSize = { width: canvas.width, height: canvas.height };
  const context = canvas.getContext('2d', { alpha: false });
  const chartFont = getComputedStyle(document.documentElement).getPropertyValue('--sans').trim();
  let api = null;
  let heap = null;  // the calculator's memory, bytes
  let decodeText = null;

  // `chart` says where the calculator recorded it (its "chart" in a reply).
  function replayChart(chart) {
    const { count, texts } = chart;
    const ops = new Float32Array(heap().buffer, chart.commands, count);
    let path = false;
    const finishPath = () => {
      if (path) context.stroke();
      path = false;
    };
    for (let i = 0; i < count && ops[i] in operands; i += 1 + operands[ops[i]]) {
      switch (ops[i]) {
        case op.clear: // to white
          finishPath();
          if (canvas.width !== ops[i + 1] || canvas.height !== ops[i + 2]) {
            canvas.width = ops[i + 1];
            canvas.height = ops[i + 2];
          }
          context.fillStyle = '#ffffff';
          context.fillRect(0, 0, canvas.width, canvas.height);
          context.lineCap = 'square';
          context.lineJoin = 'round';
          break;
        case op.pen:
          finishPath();
          context.strokeStyle = context.fillStyle = `rgb(${ops[i + 1]},${ops[i + 2]},${ops[i + 3]})`;
          context.lineWidth = ops[i + 4];
          break;
        case op.line: // slanted: the lines of one pen share one stroke
          if (!path) context.beginPath();
          path = true;
          context.moveTo(ops[i + 1], ops[i + 2]);
          context.lineTo(ops[i + 3], ops[i + 4]);
          break;
        case op.rect: // whole pixels: a line along an axis, or a point
          context.fillRect(ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4]);
          break;
        case op.text: { // its top-left corner at the position
          finishPath();
          context.font = `${ops[i + 4] ? 'bold ' : ''}${ops[i + 3]}px ${chartFont}`;
          const text = decodeText(texts + ops[i + 5], ops[i + 6]);
          const ascent = context.measureText(text).fontBoundingBoxAscent;
          context.fillText(text, ops[i + 1], ops[i + 2] + ascent);
          break;
        }
      }
    }
    finishPath();
  }

  // datos.dat of the latest "Calcular", offered as a download.
  const link = byId('datos');
  function offerDatos(datos) {
    if (link.href) URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([datos], { type: 'text/plain' }));
    link.hidden = false;
  }

  const boxes = ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6'].map(byId);
  const [oneDose, whenToProtect] = ['@ONE_DOSE_ID@', '@WHEN_TO_PROTECT_ID@'].map(byId);

  // A question about the day goes to the calculator whole, as one request:
  // the fields by their ids (URLSearchParams), and the answer comes back
  // whole. The page keeps two requests as values: the place, date, zone and
  // shape of the day the last "Usar" put in force, which every "Calcular"
  // carries (before one, the browser's zone), and the last "Calcular", whose
  // answer the chart drawn again, its readout, the sunscreen's line and the
  // calendar file are.
  let accepted = null;
  let pressed = null;
  const [fps, amount, protectedLine] = ['@FACTOR_ID@', '@AMOUNT_ID@', '@PROTECTED_LINE_ID@'].map(byId);
  function pressRequest() {
    const request = new URLSearchParams(accepted || browserPlace());
    for (const field of [...boxes, fps, amount]) request.set(field.id, field.value);
    const today = isoDay(new Date());
    request.set('@TODAY_KEY@', today);
    // The stay's reminders on the bell are today's, on today's clock.
    request.set('@TODAY_OFFSET_KEY@', String(offsetAtNoon(request.get(zone.id) || '', today)));
    request.set('@SEPARATOR_KEY@', separatorText());
    return request;
  }

  // The sunscreen on the last result, as the factor and the amount are typed
  // or chosen; nothing with the field empty, or before a result.
  function showAmountNote(answer) {
    const note = byId('@AMOUNT_NOTE_ID@');
    if (note.textContent !== answer.amountNote) note.textContent = answer.amountNote;
  }
  function showProtection(answer) {
    const refused = answer.refusal && [fps, amount].find((field) => field.id === answer.refusal.field);
    protectedLine.textContent = refused ? answer.refusal.message : (answer.stay && answer.stay.protectedLine) || '';
    protectedLine.classList.toggle('aviso', Boolean(refused));
    for (const field of [fps, amount]) {
      if (field === refused) field.setAttribute('aria-invalid', 'true');
      else field.removeAttribute('aria-invalid');
    }
    showAmountNote(answer);
  }
  function refreshProtection() {
    if (!pressed) return;
    const request = new URLSearchParams(pressed);
    for (const field of [fps, amount]) request.set(field.id, field.value);
    showProtection(api.day(request, 0));
  }
  fps.addEventListener('input', refreshProtection);
  amount.addEventListener('change', refreshProtection);

  function Command1_Click() {
    if (!api) return;
    const returnTo = document.activeElement;
    const request = pressRequest();
    const answer = api.day(request, canvasRatio || 1);
    const press = answer.stay;
    if (!press) {
      // A text that is not a number changes nothing; the user corrects it in place.
      const box = boxes.find((field) => field.id === answer.refusal.field);
      showMessage(answer.refusal.message, () => {
        if (box) {
          box.focus();
          box.select();
        } else if (returnTo) {
          returnTo.focus();
        }
      });
      return;
    }
    pressed = request;
    if (press.text7 !== null) byId('Text7').value = press.text7;
    oneDose.textContent = press.oneDose || '';
    // When to protect goes with the result, which a skin type without a minimal dose has not.
    whenToProtect.textContent = (!press.message && answer.protection && answer.protection.line) || '';
    byId('Label4').title = press.oneDoseDescription || '';
    showReminders(answer.reminders || []);
    showProtection(answer);
    hideReadout();
    replayChart(answer.chart);
    chartDescription = press.description;
    description.textContent = chartDescription;
    offerDatos(press.datos);
    if (press.message) {
      showMessage(press.message, () => returnTo && returnTo.focus());
      return;
    }
    const label4 = byId('Label4');
    label4.textContent = press.label4;
    // The result where it can be read, wherever the press was.
    label4.scrollIntoView({ block: 'nearest' });
  }

  // The stay's reminders: the calendar file of the last press, made by the
  // calculator when asked; and, once asked for, the page's own
  // notifications of them, whose code (avisos.js) loads only then.
  const [remindersPart, remindersStatus, screenOn] = ['@REMINDERS_ID@', '@REMINDERS_STATUS_ID@', '@SCREEN_ON_ID@'].map(byId);
  let reminders = [];
  let ringing = null;  // avisos.js, once notifications are allowed
  function showReminders(list) {
    reminders = list;
    remindersPart.hidden = !list.length;
    if (ringing) ringing.schedule(list);
  }
  let calendarFile = null;
  byId('@CALENDAR_ID@').addEventListener('click', () => {
    const file = api.calendar(pressed, Math.floor(Date.now() / 1000));
    if (!file.text) return;
    if (calendarFile) URL.revokeObjectURL(calendarFile.href);
    calendarFile = document.createElement('a');
    calendarFile.href = URL.createObjectURL(new Blob([file.text], { type: 'text/calendar' }));
    calendarFile.download = file.name;
    calendarFile.click();
  });
  byId('@NOTIFY_ID@').addEventListener('click', () => {
    import('./avisos.js')
      .then(async (avisos) => {
        if (await avisos.start(reminders, remindersStatus, screenOn)) ringing = avisos;
      })
      .catch(() => { remindersStatus.textContent = 'No se pudieron preparar los avisos.'; });
  });

  function Command2_Click() {
    // Only a tab a script opened may close itself; otherwise the page says so.
    window.close();
    setTimeout(() => {
      if (window.closed) return;
      form.hidden = true;
      byId('descarga').hidden = true;
      byId('terminado').hidden = false;
      byId('empezar').focus();
    }, 0);
  }

  function Command3_Click() {
    if (!api) return;
    for (const [name, text] of Object.entries(api.reiniciar())) byId(name).value = text;
  }

  byId('Command1').addEventListener('click', Command1_Click);
  byId('Command2').addEventListener('click', Command2_Click);
  byId('Command3').addEventListener('click', Command3_Click);
  byId('empezar').addEventListener('click', () => location.reload());

  // Enter anywhere in the form means "Calcular", except on a button, which
  // takes its own Enter.
  form.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.target.tagName === 'BUTTON') return;
    event.preventDefault();
    Command1_Click();
  });

  // The chart's size on the page, inside its border, in CSS pixels: the
  // window's on a wide screen, the column's width on a phone.
  function shownChart() {
    const box = canvas.getBoundingClientRect();
    return {
      left: canvas.offsetLeft + canvas.clientLeft,
      top: canvas.offsetTop + canvas.clientTop,
      width: box.width - 2 * canvas.clientLeft,
      height: box.height - 2 * canvas.clientTop,
      scale: (box.width - 2 * canvas.clientLeft) / chartSize.width,
    };
  }

  // The canvas has as many pixels as the screen shows of it: its shown size
  // times the screen's pixel ratio. The calculator draws the chart again for
  // a new ratio (zoom, another screen) or a new size (a phone turned).
  let canvasRatio = 0;
  function fitChart() {
    const ratio = (window.devicePixelRatio || 1) * shownChart().scale;
    if (!api || !(ratio > 0) || ratio === canvasRatio) return;
    canvasRatio = ratio;
    hideReadout();
    const redrawn = pressed ? api.day(pressed, ratio) : {};
    if (redrawn.chart) {
      replayChart(redrawn.chart);
      return;
    }
    canvas.width = Math.round(chartSize.width * ratio);
    canvas.height = Math.round(chartSize.height * ratio);
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, canvas.width, canvas.height);
  }
  function followPixelRatio() {
    fitChart();
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', followPixelRatio, { once: true });
  }

  const description = document.createElement('span');
  description.id = 'Indice-descripcion';
  description.hidden = true;
  form.appendChild(description);
  canvas.setAttribute('aria-describedby', description.id);
  let chartDescription = '';

  // The readout: where a pointer rests on the plot, or a finger touches or
  // drags, the hour of the nearest sample, its index, its category and
  // whether it is in the exposure window, as the window shows them; a screen
  // reader hears the same as the chart's description while it shows.
  const readout = document.createElement('div');
  readout.className = 'lectura';
  readout.hidden = true;
  readout.innerHTML = '<div class="guia"></div><div class="punto"></div><div class="caja"></div>';
  form.appendChild(readout);
  const [guide, point, readoutBox] = readout.children;
  function hideReadout() {
    if (readout.hidden) return;
    readout.hidden = true;
    description.textContent = chartDescription;
  }
  function showReadout(event) {
    const chart = shownChart();
    // Where the event is in the chart as shown, inside its border.
    const box = canvas.getBoundingClientRect();
    const x = event.clientX - box.left - canvas.clientLeft;
    const y = event.clientY - box.top - canvas.clientTop;
    const shown = pressed ? api.readout(pressed, x / chart.scale, y / chart.scale) : {};
    if (!shown.text) {
      hideReadout();
      return;
    }
    readout.hidden = false;
    Object.assign(readout.style, { left: `${chart.left}px`, top: `${chart.top}px`, width: `${chart.width}px`, height: `${chart.height}px` });
    readoutBox.textContent = shown.text;
    description.textContent = shown.sentence;
    const column = shown.column * chart.scale;
    const curve = shown.pointY * chart.scale;
    Object.assign(guide.style, { left: `${column}px`, top: '0', height: `${chart.height}px` });
    Object.assign(point.style, { left: `${column}px`, top: `${curve}px` });
    // The box by the window's rule, inside the chart as shown; above a
    // finger, which would cover it.
    const place = api.readoutBox(chart.width, chart.height, column, y, readoutBox.offsetWidth, readoutBox.offsetHeight,
                                 event.pointerType === 'touch' ? 1 : 0);
    Object.assign(readoutBox.style, { left: `${place.left}px`, top: `${place.top}px` });
  }
  canvas.addEventListener('pointerdown', showReadout);
  canvas.addEventListener('pointermove', showReadout);
  // A finger's readout stays when it lifts, to be read, until the page
  // scrolls under it or the next touch lands elsewhere; a pointer's goes
  // when it leaves the chart.
  canvas.addEventListener('pointerleave', (event) => {
    if (event.pointerType !== 'touch') hideReadout();
  });
  canvas.addEventListener('pointercancel', hideReadout);
  document.addEventListener('pointerdown', (event) => {
    if (event.target !== canvas) hideReadout();
  });
  canvas.addEventListener('blur', hideReadout);

  Form_Load();

  // The clear-sky estimate of the day's maximum: at a glance on the line
  // under "Indice Máximo", in full in its dialog, the window's on the page,
  // through the same C++. The browser gives what the window asks the system
  // for: the time zone, its offset and today. "Usar" writes the shown value
  // into Text1 and puts the chosen shape of the day in force.
  // The fields, which the page generator marks with data-sky-field, in the
  // page's order.
  const estimateFields = [...document.querySelectorAll('[data-sky-field]')];
  const isCheck = (field) => field.type === 'checkbox';
  const [latitude, longitude, date, altitude, ozone, zone, shape] =
    ['@LATITUD_ID@', '@LONGITUD_ID@', '@FECHA_ID@', '@ALTITUD_ID@', '@OZONO_ID@', '@ZONA_ID@', '@FORMA_ID@'].map(byId);
  const estimateDialog = byId('estimar');
  const estimation = byId('estimacion');
  const [glance, useGlance, openEstimate] = ['@GLANCE_ID@', '@USE_GLANCE_ID@', '@OPEN_ESTIMATE_ID@'].map(byId);
  const useInDialog = byId('estimar-usar');
  const twoDigits = (n) => String(n).padStart(2, '0');
  const isoDay = (day) => `${day.getFullYear()}-${twoDigits(day.getMonth() + 1)}-${twoDigits(day.getDate())}`;
  const withoutPlaceText = openEstimate.textContent;
  let offered = null;  // what "Usar" would put in force, from the last estimate that read
  let estimateTouched = false;  // a field typed in, or the device's place taken

  // Hours the zone's clock is ahead of UT at 12:00 of the date on that clock,
  // by the browser's own zones; NaN for a name it has no zone for.
  function offsetAtNoon(name, isoDate) {
    const day = /^(\d{4})-(\d{2})-(\d{2})$/.exec(isoDate);
    if (!day || !name.trim()) return NaN;
    let clock;
    try {
      clock = new Intl.DateTimeFormat('en-US', {
        timeZone: name.trim(), hourCycle: 'h23',
        year: 'numeric', month: 'numeric', day: 'numeric', hour: 'numeric', minute: 'numeric', second: 'numeric',
      });
    } catch (error) {
      return NaN;
    }
    const offsetAt = (instant) => {
      const part = Object.fromEntries(clock.formatToParts(new Date(instant)).map(({ type, value }) => [type, value]));
      const shown = new Date(0);
      shown.setUTCFullYear(Number(part.year), Number(part.month) - 1, Number(part.day));
      shown.setUTCHours(Number(part.hour), Number(part.minute), Number(part.second));
      return (shown.getTime() - instant) / 3600000;
    };
    const noon = new Date(0);
    noon.setUTCFullYear(Number(day[1]), Number(day[2]) - 1, Number(day[3]));
    noon.setUTCHours(12);
    // Noon on the zone's clock: first as if it were noon in UT, then corrected.
    return offsetAt(noon.getTime() - offsetAt(noon.getTime()) * 3600000);
  }

  // The browser's own zone, today, as the place of a press before any "Usar":
  // the zone's place and the sun there say when to protect, its clock when
  // to remind.
  function browserZone() {
    try {
      return Intl.DateTimeFormat().resolvedOptions().timeZone || '';
    } catch (error) {
      return '';  // No zone: no default place, the user types it.
    }
  }
  function browserPlace() {
    const request = new URLSearchParams();
    request.set(zone.id, browserZone());
    request.set('@OFFSET_KEY@', String(offsetAtNoon(browserZone(), isoDay(new Date()))));
    return request;
  }

  // The fields as a request, a check box given only when checked, with what
  // the browser knows of the zone: its offset at noon of the date, and today.
  function estimateRequest() {
    const request = new URLSearchParams();
    for (const field of estimateFields) {
      if (!isCheck(field) || field.checked) request.set(field.id, isCheck(field) ? '' : field.value);
    }
    // A day the date input cannot read (30 February) leaves it empty, but is not nothing.
    if (date.validity.badInput) request.set('@DATE_UNREADABLE_KEY@', '');
    request.set('@OFFSET_KEY@', String(offsetAtNoon(zone.value, date.value)));
    request.set('@TODAY_KEY@', isoDay(new Date()));
    request.set('@SEPARATOR_KEY@', separatorText());
    return request;
  }

  function refreshEstimate() {
    if (!api) return;
    for (const field of estimateFields) field.removeAttribute('aria-invalid');
    const request = estimateRequest();
    const asked = new URLSearchParams(request);
    asked.set('@ESTIMATE_KEY@', '');
    const answer = api.day(asked, 0);
    const { estimate } = answer;
    const ok = !answer.refusal;
    estimation.classList.toggle('aviso', !ok);
    useInDialog.setAttribute('aria-disabled', String(!ok));
    // What "Usar" puts in force: the value, and the place and the day's shape as this request asks them.
    offered = ok ? { shown: estimate.shown, request, inForce: answer.sunDay || {} } : null;
    glance.textContent = ok ? estimate.line : '';
    glance.hidden = !ok;
    useGlance.hidden = !ok;
    openEstimate.textContent = ok ? openEstimate.dataset.conLugar : withoutPlaceText;
    byId('@ZONE_HINT_ID@').textContent = ok ? estimate.zoneHint : '';
    ozone.placeholder = answer.ozonePlaceholder;
    showAmountNote(answer);
    if (ok) {
      estimation.textContent = estimate.text;
      return;
    }
    const bad = estimateFields.find((field) => field.id === answer.refusal.field);
    // An empty place the user has not come to yet (no zone's place) is a
    // question, not a mistake: nothing said until a field is typed in.
    if (!estimateTouched && !bad.value && !bad.validity.badInput) {
      estimation.textContent = '';
      estimation.classList.remove('aviso');
      return;
    }
    estimation.textContent = answer.refusal.message;
    bad.setAttribute('aria-invalid', 'true');
  }

  // While the sun's day is in force, the line by the chart says so.
  const sunDay = byId('@SUN_DAY_ID@');
  function showShapeInForce(inForce) {
    sunDay.hidden = !inForce.line;
    byId('@SUN_DAY_TEXT_ID@').textContent = inForce.line || '';
  }

  // "Usar", on the line or in the dialog: the value into "Indice Máximo",
  // which takes the focus, and the chosen day's shape in force.
  function useTheEstimate() {
    if (!offered) return;
    accepted = offered.request;
    showShapeInForce(offered.inForce);
    boxes[0].value = offered.shown;
    if (estimateDialog.open) estimateDialog.close();
    boxes[0].focus();
  }

  // "Volver a la campana": the window's own curve for the next "Calcular",
  // at the same place, the focus on it.
  function backToTheBell() {
    shape.selectedIndex = 0;
    if (accepted) {
      accepted = new URLSearchParams(accepted);
      accepted.set(shape.id, shape.value);
    }
    showShapeInForce({});
    refreshEstimate();
    byId('Command1').focus();
  }

  // The dialog takes the focus to its first field and gives it back to the
  // button that opened it, unless "Usar" sent it to "Indice Máximo".
  function openTheEstimate() {
    if (!api) return;
    const zones = byId('@ZONE_LIST_ID@');
    if (!zones.children.length) {
      for (const name of api.zoneNames().zones.split('\n').filter(Boolean)) zones.append(new Option('', name));
    }
    estimateDialog.showModal();
    estimateFields[0].focus();
  }
  estimateDialog.addEventListener('close', () => {
    if (document.activeElement === boxes[0]) return;
    openEstimate.focus();
  });

  // Where the user is, from the device, in the fields; a refusal or a
  // failure is said, and the fields stay as they were, to be typed.
  function locate() {
    const status = byId('@LOCATION_STATUS_ID@');
    const failed = (why) => { status.textContent = `No se pudo usar la ubicación: ${why}. Escriba la latitud y la longitud.`; };
    if (!navigator.geolocation) {
      failed('este navegador no la da');
      return;
    }
    status.textContent = 'Buscando la ubicación…';
    navigator.geolocation.getCurrentPosition((position) => {
      const place = api.placeTexts(position.coords.latitude, position.coords.longitude, separatorCode());
      latitude.value = place.latitude;
      longitude.value = place.longitude;
      if (typeof position.coords.altitude === 'number') altitude.value = String(Math.round(position.coords.altitude));
      status.textContent = 'Lugar tomado de la ubicación del dispositivo.';
      estimateTouched = true;
      refreshEstimate();
    }, (error) => {
      failed({ 1: 'no se ha dado permiso', 2: 'la posición no está disponible', 3: 'no llegó a tiempo' }[error.code]
             || 'error desconocido');
    }, { timeout: 15000, maximumAge: 0 });
  }

  // The browser's time zone, its place and today, once the calculator is
  // there; a place, a zone or a date typed meanwhile stays.
  function startEstimate() {
    const place = api.zoneDefault(browserZone(), separatorCode());
    if (place.latitude !== null) {
      if (!latitude.value) latitude.value = place.latitude;
      if (!longitude.value) longitude.value = place.longitude;
    }
    if (!zone.value) zone.value = place.zone;
    byId('@PLACE_LINE_ID@').textContent = place.line;
    if (!date.value && !date.validity.badInput) date.value = isoDay(new Date());
    // In a task of its own: the zone's offset loads more of the browser's
    // time zone data, which the page's other work need not wait for. Its
    // answer also writes the amount's note with the browser's separator.
    setTimeout(refreshEstimate, 0);
  }

  for (const field of estimateFields) {
    const typed = () => {
      estimateTouched = true;
      refreshEstimate();
    };
    field.addEventListener('input', typed);
    field.addEventListener('change', typed);
    // Enter in a field is "Usar", as in the window's dialog.
    field.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      useTheEstimate();
    });
  }
  useGlance.addEventListener('click', useTheEstimate);
  useInDialog.addEventListener('click', useTheEstimate);
  openEstimate.addEventListener('click', openTheEstimate);
  byId('estimar-cancelar').addEventListener('click', () => estimateDialog.close());
  byId('@BACK_TO_BELL_ID@').addEventListener('click', backToTheBell);
  byId('@LOCATE_ID@').addEventListener('click', locate);

  const fonts = ['400 16px "IUV Sans"', '700 16px "IUV Sans"'].map((font) => document.fonts.load(font));
  Promise.all([createIndiceUV(), ...fonts]).then(([module]) => {
    const decoder = new TextDecoder();
    heap = () => module.HEAPU8;
    decodeText = (pointer, length) => decoder.decode(module.HEAPU8.subarray(pointer, pointer + length));
    // Every call answers with one JSON object, in memory the page gives back
    // once it has read it.
    const ask = (name, args) => (...values) => {
      const reply = module.ccall(name, 'number', args, values);
      const answer = JSON.parse(module.UTF8ToString(reply));
      module.ccall('iuv_release', null, ['number'], [reply]);
      return answer;
    };
    // A request goes as its text; the chart is drawn for a ratio above 0.
    const day = ask('iuv_day', ['string', 'number']);
    const readoutAt = ask('iuv_readout', ['string', 'number', 'number']);
    const calendar = ask('iuv_calendar', ['string', 'number']);
    api = {
      day: (request, ratio) => day(request.toString(), ratio),
      calendar: (request, stamp) => calendar(request.toString(), stamp),
      chartDescription: ask('iuv_chart_description', []),
      readout: (request, x, y) => readoutAt(request.toString(), x, y),
      readoutBox: ask('iuv_readout_box', ['number', 'number', 'number', 'number', 'number', 'number', 'number']),
      barStep: ask('iuv_bar_step', ['string', 'number', 'number', 'number', 'number', 'number']),
      reiniciar: ask('iuv_reiniciar', []),
      zoneDefault: ask('iuv_zone_default', ['string', 'number']),
      placeTexts: ask('iuv_place_texts', ['number', 'number', 'number']),
      zoneNames: ask('iuv_zone_names', []),
    };
    followPixelRatio();
    new ResizeObserver(fitChart).observe(canvas);
    chartDescription = api.chartDescription().description;
    description.textContent = chartDescription;
    // Typing goes to "Indice Máximo", as in the window, but the page opens at
    // its top: on a phone the estimate and the banner come before the box.
    boxes[0].focus({ preventScroll: true });
    // The moment the form takes input, for the browser's performance tools
    // (and the browser test, which waits for it); see the README.
    performance.mark('formulario-listo');
    // After the mark: the browser's time zone and date formats take a moment
    // to load on a phone, which the form need not wait for.
    setTimeout(startEstimate, 0);
  });

  // Every file of the site kept by the service worker after the first visit.
  // A new build's worker takes over at once; a page it finds untouched is
  // loaded again from the new build, one in use keeps the old until the next
  // visit.
  if ('serviceWorker' in navigator) {
    const updating = Boolean(navigator.serviceWorker.controller);
    let touched = false;
    for (const kind of ['pointerdown', 'keydown', 'input']) {
      document.addEventListener(kind, () => { touched = true; }, { once: true, capture: true });
    }
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (updating && !touched) location.reload();
    });
    // After the page's own loading, which it would otherwise slow down. This
    // script itself comes after the first paint, often after that loading.
    const register = () => navigator.serviceWorker.register('sw.js').catch(() => {
      // Without a worker the page works as before, online.
    });
    if (document.readyState === 'complete') register();
    else window.addEventListener('load', register);
  }
})();

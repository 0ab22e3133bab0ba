// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stay's reminders rung by the page while it is open: loaded by page.js
// on the first "Avisarme mientras la página esté abierta" (a dynamic
// import), so that a load of the page never carries it. It asks for the
// browser's permission, waits for each reminder still to come and shows it
// through the service worker, which a phone requires, and offers to keep the
// screen on while the reminders wait. The browser test imports this module
// too, to ring a reminder a second away.

// A timer waits at most 2^31 - 1 ms, 24.8 days; a longer wait rings at once.
const kLongestWait = 2 ** 31 - 1;

let timers = [];
let status = null;
let lock = null;

// A reminder ({clock, unix, text}) as a notification; each its own tag, so
// that a second one does not replace the first.
function show(reminder) {
  const options = { body: reminder.text, tag: `indice-uv-${reminder.unix}` };
  const worker = 'serviceWorker' in navigator ? navigator.serviceWorker.getRegistration() : Promise.resolve(null);
  worker.then((registration) => (registration ? registration.showNotification('Indice UV', options)
    : new Notification('Indice UV', options)))
    .catch(() => { status.textContent = 'El navegador no dejó mostrar un aviso.'; });
}

// The reminders still to come, each at its instant, in place of any waiting;
// one whose time has passed is not shown, nor one too far ahead for a page
// to wait for (a day of the sun chosen weeks away): the calendar keeps those.
export function schedule(reminders) {
  for (const timer of timers) clearTimeout(timer);
  const now = Date.now();
  const waitFor = (reminder) => reminder.unix * 1000 - now;
  const coming = reminders.filter((reminder) => waitFor(reminder) > 0 && waitFor(reminder) <= kLongestWait);
  timers = coming.map((reminder) => setTimeout(() => show(reminder), waitFor(reminder)));
  if (coming.length) {
    status.textContent = `${coming.length === 1 ? 'Un aviso' : `${coming.length} avisos`} mientras la página esté abierta; el primero a las ${coming[0].clock}.`;
  } else if (reminders.some((reminder) => waitFor(reminder) > kLongestWait)) {
    status.textContent = 'Los avisos de ese día llegan dentro de más de 24 días: añada la estancia al calendario.';
  } else {
    status.textContent = 'No queda ningún aviso por llegar en esta estancia.';
  }
}

// The screen kept on while the box is checked, where the browser can; the
// browser lets go of it when the page is hidden, so it is asked again when
// the page shows.
function keepScreenOn(box) {
  if (!box.checked) {
    if (lock) lock.release();
    lock = null;
    return;
  }
  navigator.wakeLock.request('screen').then((taken) => { lock = taken; }, () => { box.checked = false; });
}

function offerScreenOn(box) {
  if (!('wakeLock' in navigator) || !box.parentElement.hidden) return;
  box.parentElement.hidden = false;
  box.addEventListener('change', () => keepScreenOn(box));
  document.addEventListener('visibilitychange', () => {
    if (box.checked && document.visibilityState === 'visible') keepScreenOn(box);
  });
}

// "Avisarme": the permission asked for, then the reminders scheduled; says
// what became of it in `statusLine`. True when the browser lets the page
// notify.
export async function start(reminders, statusLine, screenBox) {
  status = statusLine;
  if (!('Notification' in window)) {
    status.textContent = 'Este navegador no muestra avisos: añada la estancia al calendario.';
    return false;
  }
  if (await Notification.requestPermission() !== 'granted') {
    status.textContent = 'No se ha dado permiso para mostrar avisos: añada la estancia al calendario.';
    return false;
  }
  offerScreenOn(screenBox);
  schedule(reminders);
  return true;
}

#!/usr/bin/python3

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition in headless Chromium, used as a person would: typed values,
Enter, the results read back, datos.dat fetched through its link and compared
byte for byte with what the command-line companion writes for the same
inputs, under a point and a comma browser language and on a phone; the two
messages, the Tab order, the scroll bars and their steppers, the other
commands; the chart as the screen shows it at five pixel ratios and its
readout under a finger; the phone's layout (targets, text sizes, order, no
sideways scrolling); axe-core's checks on both layouts; the page installed
for use without a connection, under a sub-path; screenshots for the README;
and the page's speed and weight, printed.

Usage: web_test.py SITE_DIR COMPANION [SCREENSHOT [PHONE_SCREENSHOT [ESTIMATE_SCREENSHOT]]]
Needs Debian's chromium, chromium-driver and python3-selenium, and axe-core
installed by npm beside the site (SITE_DIR/../node_modules).
"""
import ast
import base64
import functools
import http.server
import json
import os
import pathlib
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE = pathlib.Path(sys.argv[1]).resolve()
COMPANION = pathlib.Path(sys.argv[2]).resolve()
SCREENSHOT = pathlib.Path(sys.argv[3]).resolve() if len(sys.argv) > 3 else None
PHONE_SCREENSHOT = pathlib.Path(sys.argv[4]).resolve() if len(sys.argv) > 4 else None
ESTIMATE_SCREENSHOT = pathlib.Path(sys.argv[5]).resolve() if len(sys.argv) > 5 else None
AXE = SITE.parent / "node_modules" / "axe-core" / "axe.min.js"
SOURCES = pathlib.Path(__file__).resolve().parents[2]

failures = []


def timed(step, *args):
    start = time.monotonic()
    result = step(*args)
    print(f"  {step.__name__}: {time.monotonic() - start:.1f} s", flush=True)
    return result


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FALLO:", what, flush=True)
    return condition


# --- the server: the site as scripts/indice-uv.sh web serves it, counting bytes

class CountingHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # as the web command serves it
    sent = {}
    prefix = "/"  # the folder of the server the site is served from

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def translate_path(self, path):
        # Only the site's folder exists; anything outside it is not found.
        if not path.startswith(self.prefix):
            return str(SITE / "no-existe")
        return super().translate_path("/" + path[len(self.prefix):])

    def copyfile(self, source, outputfile):
        data = source.read()
        self.sent[self.path] = len(data)
        outputfile.write(data)


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A page that reloads itself, or a browser that stops a download it
        # no longer needs, closes its connection early: not a fault.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def serve(site=SITE, prefix="/", port=0):
    """The site at http://127.0.0.1:PORT/PREFIX, with its own count of bytes sent."""
    handler_class = type("Handler", (CountingHandler,), {"sent": {}, "prefix": prefix})
    handler = functools.partial(handler_class, directory=str(site))
    server = QuietServer(("127.0.0.1", port), handler)
    server.counted = handler_class.sent
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}{prefix}"


def stop(server):
    """The server gone, its port closed: the page is offline."""
    server.shutdown()
    server.server_close()


# --- the browser

def browser(language, downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run",
                     "--disable-dev-shm-usage", f"--user-data-dir={tempfile.mkdtemp(prefix='iuv-chromium-')}",
                     f"--lang={language}", "--window-size=800,800", "--force-device-scale-factor=1"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {
        "intl.accept_languages": language,
        "download.default_directory": str(downloads),
        "download.prompt_for_download": False,
    })
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})
    driver.set_script_timeout(60)
    return driver


def emulate(driver, width=800, height=800, ratio=1, phone=False):
    """A screen of this size in CSS pixels and this pixel ratio; a phone's is
    a mobile viewport with touch."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": ratio, "mobile": phone})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 5})


def as_phone(driver, width=360):
    """Chromium's mobile emulation: 360 x 740 CSS pixels, ratio 3, touch."""
    emulate(driver, width, 740, 3, True)


def no_emulation(driver):
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


def touch(driver, kind, x=0, y=0):
    """A finger at viewport point (x, y): touchStart, touchMove, touchEnd.
    The browser hands a move to the page with the next frame: wait for two."""
    points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
    driver.execute_async_script("const done = arguments[arguments.length - 1]; "
                                "requestAnimationFrame(() => requestAnimationFrame(() => done()))")


def tap(driver, element):
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
    x, y = driver.execute_script("const r = arguments[0].getBoundingClientRect(); "
                                 "return [r.left + r.width / 2, r.top + r.height / 2]", element)
    touch(driver, "touchStart", x, y)
    touch(driver, "touchEnd")


# The page marks the moment its form takes input (README, the web edition).
READY = "return performance.getEntriesByName('formulario-listo', 'mark').map((m) => m.startTime)[0]"


def wait_until_ready(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(READY) is not None)


def open_page(driver, url):
    driver.get(url)
    wait_until_ready(driver)


def wait_for_fonts(driver):
    """Every face the page uses loaded: shown text no longer in a stand-in font."""
    driver.execute_async_script("document.fonts.ready.then(() => arguments[arguments.length - 1]())")


def by_id(driver, name):
    return driver.find_element(By.ID, name)


def type_into(driver, name, text):
    """Into the box, all of its text selected, then replaced by what is typed."""
    by_id(driver, name).send_keys(Keys.CONTROL, "a", Keys.NULL, Keys.DELETE, text)


def fetch_datos(driver):
    """The bytes behind the link, fetched as the browser downloads them."""
    encoded = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        fetch(document.getElementById('datos').href).then((r) => r.arrayBuffer()).then((buffer) => {
          let text = '';
          for (const byte of new Uint8Array(buffer)) text += String.fromCharCode(byte);
          done(btoa(text));
        });""")
    return base64.b64decode(encoded)


def message_shown(driver):
    return driver.execute_script("return document.getElementById('mensaje').open")


# --- the companion: what the desktop writes for the same inputs

OPTIONS = ["--indice-maximo", "--hora-exposicion", "--duracion", "--tipo-piel", "--diferencia-altitud",
           "--diferencia-latitud"]


def companion(values, comma, scratch):
    target = scratch / "datos.dat"
    if target.exists():
        target.unlink()
    command = [str(COMPANION), "--json", "--datos", str(target)]
    for option, value in zip(OPTIONS, values):
        command += [f"{option}={value}"]
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8")
    result = subprocess.run(command, env=environment, capture_output=True, text=True)
    return result, target.read_bytes() if target.exists() else None


def input_sets():
    """Examples of the window's behaviour, then random ones (fixed seed)."""
    sets = [
        ("10", "11", "2", "3", "0", "0"),
        ("10", "12.5", "1", "1", "0", "0"),
        ("10", "11", "2", "3", "1000", "10"),
        ("10", "11", "2", "3", "0", "-4"),
        ("0", "11", "2", "3", "0", "0"),
        ("12.5", "6", "14", "6", "0", "0"),
        ("18", "12.7", "0.3", "2", "0", "0"),
        ("7.5", "21", "2", "4", "0", "0"),
        ("-3", "11", "2", "5", "0", "0"),
        ("5", "9", "3", "2", "-500", "3.5"),
    ]
    rng = random.Random(20240611)
    while len(sets) < 24:
        sets.append((f"{rng.uniform(0, 18):.2f}", f"{rng.uniform(0, 22):.1f}", f"{rng.uniform(0, 10):.2f}",
                     str(rng.randint(1, 6)), str(rng.choice([0, rng.randint(-2000, 4000)])),
                     f"{rng.choice([0, rng.uniform(-30, 30)]):.1f}"))
    return sets


def compare_sets(driver, comma, scratch, sets=None):
    import json
    sets = sets or input_sets()
    for values in sets:
        typed = [v.replace(".", ",") if comma else v for v in values]
        for name, text in zip(["Text1", "Text2", "Text3", "Text4", "Text5", "Text6"], typed):
            type_into(driver, name, text)
        by_id(driver, "Text6").send_keys(Keys.ENTER)
        label = f"{'coma' if comma else 'punto'} {' '.join(typed)}"
        if not check(not message_shown(driver), f"{label}: un mensaje inesperado"):
            by_id(driver, "mensaje-aceptar").click()
            continue
        result, expected = companion(typed, comma, scratch)
        if not check(result.returncode == 0 and expected is not None, f"{label}: el compañero falló: {result.stderr}"):
            continue
        outcome = json.loads(result.stdout)
        check(fetch_datos(driver) == expected, f"{label}: datos.dat difiere del compañero")
        check(by_id(driver, "Label4").text == outcome["exposicionTexto"],
              f"{label}: Label4 {by_id(driver, 'Label4').text!r}, compañero {outcome['exposicionTexto']!r}")
        text7 = by_id(driver, "Text7").get_attribute("value")
        if float(values[4]) != 0 or float(values[5]) != 0:
            corrected = f"{outcome['indiceMaximoCorregido']:.1f}"
            check(text7.replace(",", ".") == corrected, f"{label}: Text7 {text7!r}, se esperaba {corrected}")
            check(("," in text7) == comma, f"{label}: Text7 {text7!r} con otro separador")
    print(f"{len(sets)} juegos de datos comparados ({'coma' if comma else 'punto'})", flush=True)


# --- behaviour

def check_messages(driver):
    open_page(driver, driver.current_url)
    type_into(driver, "Text4", "9")
    by_id(driver, "Text4").send_keys(Keys.ENTER)
    check(message_shown(driver), "tipo de piel 9: no hay mensaje")
    shown = driver.execute_script("return document.getElementById('mensaje-texto').textContent")
    check(shown == " Por favor ingrese nuevamente el tipo de piel", f"tipo de piel 9: {shown!r}")
    check(by_id(driver, "mensaje-aceptar").text == "Aceptar", "el botón del mensaje no dice «Aceptar»")
    check(by_id(driver, "Label4").text == "", "tipo de piel 9: Label4 cambió")
    check(driver.execute_script("return document.getElementById('datos').hidden") is False,
          "tipo de piel 9: no hay datos.dat")
    driver.switch_to.active_element.send_keys(Keys.ENTER)
    check(not message_shown(driver), "el mensaje no se cierra con Intro")
    check(driver.switch_to.active_element.get_attribute("id") == "Text4", "el foco no vuelve a Text4")

    type_into(driver, "Text4", "3")
    type_into(driver, "Text2", "abc")
    by_id(driver, "Command1").click()
    check(message_shown(driver), "«abc»: no hay aviso")
    check(by_id(driver, "mensaje-texto").text == "«Hora Exposición»: «abc» no es un número válido.",
          f"«abc»: {by_id(driver, 'mensaje-texto').text!r}")
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    check(not message_shown(driver), "el aviso no se cierra con Escape")
    active = driver.switch_to.active_element
    check(active.get_attribute("id") == "Text2", "el foco no va a la casilla mal escrita")
    selected = driver.execute_script("const e = document.activeElement; return e.value.substring(e.selectionStart, e.selectionEnd)")
    check(selected == "abc", f"la casilla mal escrita no queda seleccionada: {selected!r}")


# The page's order, top to bottom: the header band, the four inputs each
# with its bar, the estimate's line under the first, "Calcular" and the
# sunscreen, the chart, the other locality, "Terminar" (then the datos.dat
# link, once there is a calculation). One order in both layouts; in a zone
# without a place the estimate's line offers only its dialog.
TAB_ORDER = ["Picture2", "Picture1", "Text1", "VScroll4", "abrir-estimar", "Text2", "VScroll3", "Text3", "VScroll2",
             "Text4", "VScroll1", "Command1", "fps", "cantidad", "Indice", "Text5", "Text6", "Text7", "Command3",
             "Command2"]


def focused(driver):
    """The focused element's id; empty when the focus has left the page."""
    return driver.execute_script("const e = document.activeElement; return e && e !== document.body ? e.id : ''")


def check_tab_order(driver, layout="ancha"):
    """Tab follows the page's order, which is the reading order, and leaves
    the page after the last control, as on any page: no trap."""
    open_page(driver, driver.current_url)
    order = TAB_ORDER
    seen = []
    by_id(driver, "titulo").click()  # Tab then starts from the top of the page
    for _ in range(len(order)):
        driver.switch_to.active_element.send_keys(Keys.TAB)
        if not seen or focused(driver) != seen[-1]:
            seen.append(focused(driver))
        if len(seen) == len(order):
            break
    check(seen == order, f"{layout}: orden de tabulación {seen}")
    dom = driver.execute_script("""return [...document.querySelectorAll('input, button, select, a[href], [tabindex]')]
        .filter((e) => e.tabIndex >= 0 && e.getClientRects().length).map((e) => e.id)""")
    check(dom == order, f"{layout}: el orden de la página no es el de Tab: {dom}")
    # The download link, once there is a calculation, comes after "Terminar",
    # and Tab after the last control leaves the page.
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    driver.execute_script("document.getElementById('Command2').focus()")
    driver.switch_to.active_element.send_keys(Keys.TAB)
    check(focused(driver) == "datos", f"{layout}: Tab desde «Terminar» no llega al enlace")
    driver.switch_to.active_element.send_keys(Keys.TAB)
    check(focused(driver) == "", f"{layout}: Tab desde el enlace, el último control, no sale de la página: "
          f"{focused(driver)!r}")
    last = "datos"
    # Nor does the page hold Tab back at either end, whatever the browser then does.
    held = driver.execute_script("""return [[arguments[0], false], [arguments[1], true]].map(([id, shiftKey]) => {
        const key = new KeyboardEvent('keydown', {key: 'Tab', shiftKey, bubbles: true, cancelable: true});
        document.getElementById(id).dispatchEvent(key);
        return key.defaultPrevented; });""", last, order[0])
    check(held == [False, False], f"{layout}: la página retiene Tab en un extremo: {held}")


def check_scroll_bars(driver):
    open_page(driver, driver.current_url)
    start = {name: by_id(driver, name).get_attribute("value") for name in ("Text1", "Text2", "Text3", "Text4")}
    check(start == {"Text1": "10", "Text2": "11", "Text3": "2", "Text4": "3"}, f"valores iniciales {start}")
    bar = by_id(driver, "VScroll1")
    check([bar.get_attribute(a) for a in ("role", "aria-valuemin", "aria-valuemax", "aria-valuenow")] ==
          ["spinbutton", "1", "6", "3"], "VScroll1: papel, extremos o valor")
    bar.click()
    for _ in range(5):
        driver.switch_to.active_element.send_keys(Keys.ARROW_UP)
    check(by_id(driver, "Text4").get_attribute("value") == "6", "VScroll1 no se para en 6")
    driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
    check(by_id(driver, "Text4").get_attribute("value") == "5", "la flecha abajo no baja a 5")
    for _ in range(12):
        by_id(driver, "VScroll2").find_element(By.CLASS_NAME, "down").click()
    check(by_id(driver, "Text3").get_attribute("value") == "0", "VScroll2 baja de 0")
    by_id(driver, "VScroll3").click()
    driver.switch_to.active_element.send_keys(Keys.HOME)
    check(by_id(driver, "Text2").get_attribute("value") == "22", "Inicio no lleva VScroll3 a 22")


# A step from a number typed within the bar's ends (else from the bar's own
# value, where each bar starts): bar, box, typed, how, what the box then shows.
TYPED_STEPS = [
    ("VScroll4", "Text1", "3", "up", "4"),
    ("VScroll4", "Text1", "7.5", "up", "8"),
    ("VScroll4", "Text1", "7.5", "down", "7"),
    ("VScroll4", "Text1", "12", Keys.ARROW_UP, "13"),
    ("VScroll4", "Text1", "25", Keys.ARROW_UP, "11"),
    ("VScroll4", "Text1", "abc", "down", "9"),
    ("VScroll1", "Text4", "5", Keys.ARROW_DOWN, "4"),
    ("VScroll1", "Text4", "9", "up", "4"),
    ("VScroll1", "Text4", "6", "up", "6"),
    ("VScroll2", "Text3", "0.5", Keys.PAGE_UP, "1"),
    ("VScroll2", "Text3", "2.5", Keys.ARROW_DOWN, "2"),
    ("VScroll3", "Text2", "21.5", "up", "22"),
    ("VScroll3", "Text2", "", Keys.PAGE_DOWN, "10"),
    ("VScroll3", "Text2", "7.5", Keys.HOME, "22"),
]


def step_typed(driver, bar, box, typed, how):
    type_into(driver, box, typed)
    if how in ("up", "down"):
        by_id(driver, bar).find_element(By.CLASS_NAME, how).click()
    else:
        # Focused without a click: a click lands on one of the bar's arrows.
        driver.execute_script("arguments[0].focus()", by_id(driver, bar))
        driver.switch_to.active_element.send_keys(how)
    return by_id(driver, box).get_attribute("value"), by_id(driver, bar).get_attribute("aria-valuenow")


def check_typed_steps(driver, rows, url=None):
    for bar, box, typed, how, expected in rows:
        open_page(driver, url or driver.current_url)
        shown, value = step_typed(driver, bar, box, typed, how)
        check((shown, value) == (expected, expected),
              f"{bar}: «{typed}» y {how!r} dan {shown!r} (barra {value}), se esperaba {expected}")


def check_commands(driver):
    open_page(driver, driver.current_url)
    type_into(driver, "Text6", "5")
    by_id(driver, "Command1").click()
    label4 = by_id(driver, "Label4").text
    check(by_id(driver, "Text7").get_attribute("value") != "", "Text7 vacío con una diferencia de latitud")
    by_id(driver, "Command3").click()
    check([by_id(driver, n).get_attribute("value") for n in ("Text5", "Text6", "Text7")] == ["0", "0", ""],
          "«Reiniciar» no deja 0, 0 y vacío")
    check(by_id(driver, "Label4").text == label4, "«Reiniciar» cambió Label4")
    by_id(driver, "Command2").click()
    WebDriverWait(driver, 5).until(lambda d: d.find_element(By.ID, "terminado").is_displayed())
    check("El cálculo ha terminado." in by_id(driver, "terminado").text, "«Terminar» no dice que ha terminado")
    by_id(driver, "empezar").click()
    wait_until_ready(driver)
    check(by_id(driver, "Form1").is_displayed() and by_id(driver, "Label4").text == "", "«Empezar de nuevo»")


# --- the clear-sky estimate of the day's maximum

# Place, date, altitude, ozone and snow, as the README's table and the
# reference days have them.
ESTIMATES = [
    ("40.45", "-3.70", "2026-06-21", "690", "", False),
    ("-15.84", "-70.02", "2026-01-22", "3830", "", False),
    ("-34.60", "-58.38", "2026-01-12", "25", "", False),
    ("69.65", "18.96", "2026-12-21", "", "", False),
    ("0", "0", "2026-03-20", "", "300", True),
]


def estimate_companion(values, comma, air=None):
    """The companion's --estimar --json for the same fields, in Madrid's zone."""
    latitude, longitude, day, altitude, ozone, snow = (v.replace(".", ",") if comma and isinstance(v, str) else v
                                                       for v in values)
    command = [str(COMPANION), "--estimar", "--json", f"--latitud={latitude}", f"--longitud={longitude}",
               f"--fecha={day}"]
    command += [f"--altitud={altitude}"] if altitude else []
    command += [f"--ozono={ozone}"] if ozone else []
    command += ["--nieve"] if snow else []
    command += [f"--aire={air}"] if air else []
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8", TZ="Europe/Madrid")
    result = subprocess.run(command, env=environment, capture_output=True, text=True)
    return json.loads(result.stdout) if result.returncode == 0 else None


def focus_date(driver):
    """The date input's first part, tabbed into from the control before it."""
    driver.execute_script("document.getElementById('ubicacion').focus()")
    driver.switch_to.active_element.send_keys(Keys.TAB)
    return driver.switch_to.active_element


def date_order(driver):
    """The order of the date input's parts, which follows the browser's own
    language rather than the page's: found by typing 01, 02, 2003."""
    focus_date(driver).send_keys("01022003")
    value = by_id(driver, "fecha").get_attribute("value")
    return {"2003-01-02": ("month", "day", "year"), "2003-02-01": ("day", "month", "year")}.get(value)


def type_date(driver, day):
    """AAAA-MM-DD typed into the date input as a person would, part by part."""
    year, month, dayOfMonth = day.split("-")
    if not hasattr(driver, "date_order"):
        driver.date_order = date_order(driver)
    check(driver.date_order is not None, "la fecha no se deja escribir por partes")
    parts = {"year": year, "month": month, "day": dayOfMonth}
    focus_date(driver).send_keys("".join(parts[kind] for kind in driver.date_order or ()))


def open_estimate(driver):
    """The estimate's dialog, opened from the line under "Indice Máximo" if
    it is not open yet."""
    if not driver.execute_script("return document.getElementById('estimar').open"):
        button = by_id(driver, "abrir-estimar")
        driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", button)
        button.click()
    WebDriverWait(driver, 5).until(lambda d: d.execute_script("return document.getElementById('estimar').open"))


def fill_estimate(driver, values, comma):
    open_estimate(driver)
    latitude, longitude, day, altitude, ozone, snow = values
    for name, text in (("latitud", latitude), ("longitud", longitude), ("altitud", altitude), ("ozono", ozone)):
        type_into(driver, name, text.replace(".", ",") if comma else text)
    type_date(driver, day)
    if by_id(driver, "nieve").is_selected() != snow:
        by_id(driver, "nieve").click()


def estimate_text(driver):
    return driver.execute_script("return document.getElementById('estimacion').textContent")


def check_estimate(driver, comma):
    """The section filled as a person would: the number and solar noon are the
    companion's for the same fields; "Usar" and then "Calcular" give the
    companion's exposure; the time zone's place and today come first."""
    driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": "Europe/Madrid"})
    try:
        open_page(driver, driver.current_url)
        open_estimate(driver)
        WebDriverWait(driver, 5).until(lambda d: by_id(d, "lugar-por-defecto").text != "")
        sep = "," if comma else "."
        start = [by_id(driver, n).get_attribute("value") for n in ("latitud", "longitud", "fecha")]
        today = driver.execute_script("const d = new Date(); return [d.getFullYear(), d.getMonth() + 1, d.getDate()]"
                                      ".map((n) => String(n).padStart(2, '0')).join('-')")
        check(start == [f"40{sep}40", f"-3{sep}68", today], f"estimación: lugar y fecha de partida {start}")
        check(by_id(driver, "lugar-por-defecto").text == "Lugar por defecto: zona horaria Europe/Madrid",
              f"estimación: {by_id(driver, 'lugar-por-defecto').text!r}")
        for values in ESTIMATES[:2] if comma else ESTIMATES:
            fill_estimate(driver, values, comma)
            expected = estimate_companion(values, comma)
            if not check(expected is not None, f"estimación {values}: el compañero falló"):
                continue
            lines = estimate_text(driver).split("\n")
            shown = expected["estimacion"]["indiceMaximoTexto"]
            check(len(lines) == 3 and lines[0] == f"Índice UV máximo con cielo despejado: {shown}",
                  f"estimación {values}: {lines}, el compañero da {shown}")
            ozone = round(expected["estimacion"]["ozono"])
            if expected["estimacion"]["anguloCenital"] < 90:
                check(f"a las {expected['estimacion']['mediodiaSolar']}; ozono {ozone} DU" in lines[1],
                      f"estimación {values}: {lines[1]!r}")
            else:
                check(lines[1].startswith("Ese día el sol no sale"), f"estimación {values}: {lines[1]!r}")
            check(lines[2] == "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.", f"estimación: {lines[2]!r}")
        # Each air, chosen as a person would, gives the companion's --aire and names itself when not clean.
        fill_estimate(driver, ESTIMATES[0], comma)
        for air in ("normal", "turbio", "limpio"):
            Select(by_id(driver, "aire")).select_by_value(air)
            expected = estimate_companion(ESTIMATES[0], comma, air)
            shown = expected["estimacion"]["indiceMaximoTexto"] if expected else None
            named = "" if air == "limpio" else f" y aire {air}"
            wanted = f"Índice UV máximo con cielo despejado{named}: {shown}"
            try:
                WebDriverWait(driver, 5).until(lambda d: estimate_text(d).split("\n")[0] == wanted)
            except TimeoutException:
                pass
            first = estimate_text(driver).split("\n")[0]
            check(first == wanted,
                  f"estimación con aire {air}: {first!r}, el compañero da {shown}")
        # "Usar" by Enter in a field writes Text1 only; "Calcular" then agrees with the companion's --estimar.
        fill_estimate(driver, ESTIMATES[0], comma)
        by_id(driver, "altitud").send_keys(Keys.ENTER)
        expected = estimate_companion(ESTIMATES[0], comma)
        check(by_id(driver, "Text1").get_attribute("value") == expected["estimacion"]["indiceMaximoTexto"]
              and focused(driver) == "Text1", f"«Usar»: Text1 {by_id(driver, 'Text1').get_attribute('value')!r}")
        check(by_id(driver, "Label4").text == "", "«Usar» calculó")
        by_id(driver, "Text1").send_keys(Keys.ENTER)
        check(by_id(driver, "Label4").text == expected["exposicionTexto"],
              f"«Usar» y «Calcular»: {by_id(driver, 'Label4').text!r}, el compañero {expected['exposicionTexto']!r}")
    finally:
        driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": ""})


def check_estimate_refusals(driver):
    """A bad field is named, marked, and "Usar" writes nothing until it is
    mended; an empty place in a zone with none is not called a mistake
    before the user types."""
    driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": "UTC"})
    try:
        open_page(driver, driver.current_url)
        open_estimate(driver)
        WebDriverWait(driver, 5).until(lambda d: by_id(d, "lugar-por-defecto").text != "")
        state = driver.execute_script("""return [document.getElementById('estimacion').textContent,
            document.getElementById('latitud').getAttribute('aria-invalid'),
            document.getElementById('estimar-usar').getAttribute('aria-disabled')]""")
        check(state == ["", None, "true"], f"estimación sin lugar por defecto, antes de escribir: {state}")
        type_into(driver, "longitud", "-3.70")
        check(estimate_text(driver) == "La casilla «Latitud» está vacía.", f"sin latitud: {estimate_text(driver)!r}")
    finally:
        driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": ""})
    open_page(driver, driver.current_url)
    fill_estimate(driver, ESTIMATES[0], False)
    rows = [("latitud", "95", "«Latitud»: «95» no está entre -90 y 90 grados."),
            ("longitud", "oeste", "«Longitud»: «oeste» no es un número válido."),
            ("ozono", "3,5", "«Ozono»: «3,5» no es un número válido; use el punto decimal (3.5)."),
            ("fecha", "2026-02-30", "«Fecha»: no es un día del calendario.")]
    for name, text, message in rows:
        type_date(driver, text) if name == "fecha" else type_into(driver, name, text)
        state = driver.execute_script("""return [document.getElementById('estimacion').textContent,
            document.getElementById(arguments[0]).getAttribute('aria-invalid'),
            document.getElementById('estimar-usar').getAttribute('aria-disabled')]""", name)
        check(state == [message, "true", "true"], f"estimación con {name} «{text}»: {state}")
        by_id(driver, "estimar-usar").click()
        check(by_id(driver, "Text1").get_attribute("value") == "10", f"«Usar» con {name} «{text}» escribió Text1")
        fill_estimate(driver, ESTIMATES[0], False)
    check(by_id(driver, "estimar-usar").get_attribute("aria-disabled") == "false", "«Usar» no vuelve a valer")


def check_geolocation(driver, url):
    """"Usar mi ubicación": the device's place in the fields; a refusal or a
    failure said in Spanish, the fields left usable."""
    origin = url.rstrip("/")
    try:
        driver.execute_cdp_cmd("Browser.grantPermissions", {"origin": origin, "permissions": ["geolocation"]})
        driver.execute_cdp_cmd("Emulation.setGeolocationOverride",
                               {"latitude": -34.6037, "longitude": -58.3816, "accuracy": 10})
        open_page(driver, url)
        open_estimate(driver)
        by_id(driver, "ubicacion").click()
        WebDriverWait(driver, 10).until(lambda d: by_id(d, "latitud").get_attribute("value") == "-34.60")
        check(by_id(driver, "longitud").get_attribute("value") == "-58.38", "ubicación: la longitud no se escribe")
        check(estimate_text(driver).startswith("Índice UV máximo con cielo despejado:"), "ubicación: sin estimación")

        # The device without a position.
        driver.execute_cdp_cmd("Emulation.setGeolocationOverride", {})
        by_id(driver, "ubicacion").click()
        status = lambda: by_id(driver, "ubicacion-estado").text  # noqa: E731
        WebDriverWait(driver, 20).until(lambda d: status().startswith("No se pudo"))
        check(status() == "No se pudo usar la ubicación: la posición no está disponible. Escriba la latitud y la longitud.",
              f"ubicación no disponible: {status()!r}")

        # Refused.
        driver.execute_cdp_cmd("Browser.setPermission", {"origin": origin, "permission": {"name": "geolocation"},
                                                         "setting": "denied"})
        open_page(driver, url)
        open_estimate(driver)
        by_id(driver, "ubicacion").click()
        WebDriverWait(driver, 10).until(lambda d: status() != "" and not status().startswith("Buscando"))
        check(status() == "No se pudo usar la ubicación: no se ha dado permiso. Escriba la latitud y la longitud.",
              f"ubicación rechazada: {status()!r}")
        type_into(driver, "latitud", "40.45")
        check(by_id(driver, "latitud").get_attribute("value") == "40.45" and "«Latitud»" not in estimate_text(driver),
              "tras el rechazo la latitud no se puede escribir")
    finally:
        driver.execute_cdp_cmd("Emulation.clearGeolocationOverride", {})
        driver.execute_cdp_cmd("Browser.resetPermissions", {})


def check_page(driver):
    open_page(driver, driver.current_url)
    check(driver.title == "Indice UV", f"título {driver.title!r}")
    names = [f"Text{i}" for i in range(1, 8)] + [f"VScroll{i}" for i in range(1, 5)] + \
            [f"Command{i}" for i in range(1, 4)] + [f"Label{i}" for i in range(1, 14)] + \
            [f"Line{i}" for i in range(1, 9)] + ["Picture1", "Picture2", "Indice"]
    present = driver.execute_script("return arguments[0].filter((n) => document.getElementById(n))", names)
    check(len(present) == 38, f"faltan controles: {set(names) - set(present)}")
    geometry = driver.execute_script("""
        const r = (n) => { const e = document.getElementById(n); return [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]; };
        return {Text1: r('Text1'), Indice: r('Indice'), VScroll4: r('VScroll4'), Line5: r('Line5'), Form1: r('Form1')};""")
    check(geometry["Text1"] == [56, 168, 49, 28], f"Text1 {geometry['Text1']}")
    check(geometry["Indice"] == [176, 128, 545, 385], f"Indice {geometry['Indice']}")
    check(geometry["VScroll4"] == [104, 168, 17, 33], f"VScroll4 {geometry['VScroll4']}")
    # 2 pixels wide, centred on the line and reaching over both ends, as in the window.
    check(geometry["Line5"] == [70, 527, 651, 2], f"Line5 {geometry['Line5']}")
    check(geometry["Form1"][2] == 751, f"Form1 {geometry['Form1']}")
    # The window's box is 751 x 641; the page's own lines follow under it.
    window = driver.execute_script("""const f = document.getElementById('Form1');
        const box = getComputedStyle(f, '::before');
        return [box.width, box.height, [...f.querySelectorAll(':scope > .extra')]
          .filter((e) => e.getClientRects().length && e.offsetTop < 641).map((e) => e.id)];""")
    check(window == ["751px", "641px", []], f"la ventana y lo que sigue debajo: {window}")
    # Each box is named by its caption, a <label for>, and by nothing else.
    captions = driver.execute_script("""return ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Text7'].map((n) => {
        const box = document.getElementById(n);
        return [n, [...box.labels].map((l) => l.id).join(), box.getAttribute('aria-label'), box.inputMode]; });""")
    check(captions == [[box, label, None, "decimal"] for box, label in CAPTIONS.items()], f"etiquetas {captions}")
    text1 = by_id(driver, "Text1")
    description = driver.execute_script("return document.getElementById(arguments[0].getAttribute('aria-describedby')).textContent", text1)
    check(description.startswith("El índice UV máximo del día"), f"descripción de Text1 {description!r}")
    check(by_id(driver, "Label10").text == "Diferencia de latitud (\u00ba)", "Label10")
    link = by_id(driver, "datos")
    check(link.get_attribute("download") == "datos.dat", "el enlace no descarga datos.dat")
    below = driver.execute_script("""const f = document.getElementById('Form1').getBoundingClientRect();
        const l = document.getElementById('datos').parentElement.getBoundingClientRect(); return l.top >= f.bottom;""")
    check(below, "el enlace no está bajo el formulario")
    check_document(driver)


# Each box and the caption that names it.
CAPTIONS = {"Text1": "Label1", "Text2": "Label2", "Text3": "Label3", "Text4": "Label7", "Text5": "Label9",
            "Text6": "Label10", "Text7": "Label11"}


def check_document(driver, layout="ancha"):
    """What every page needs: its language, one visible <h1> that is the
    title, a main landmark, a description for search engines, the manifest."""
    page = driver.execute_script("""const h1 = [...document.querySelectorAll('h1')];
        const meta = document.querySelector('meta[name="description"]');
        return [document.documentElement.lang, h1.map((h) => h.textContent), h1.every((h) => h.getClientRects().length > 0),
                document.querySelectorAll('main').length, meta ? meta.content.length : 0,
                (document.querySelector('link[rel="manifest"]') || {}).href || ''];""")
    lang, headings, shown, mains, description, manifest = page
    check(lang == "es" and headings == ["Indice UV"] and shown and mains == 1,
          f"{layout}: idioma {lang!r}, títulos {headings} ({'visibles' if shown else 'ocultos'}), {mains} main")
    check(50 <= description <= 160, f"{layout}: meta description de {description} caracteres")
    check(manifest.endswith("manifest.webmanifest"), f"{layout}: manifiesto {manifest!r}")


def check_download(driver, downloads):
    open_page(driver, driver.current_url)
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    expected = fetch_datos(driver)
    by_id(driver, "datos").click()
    target = downloads / "datos.dat"
    deadline = time.time() + 10
    while time.time() < deadline and not target.exists():
        time.sleep(0.1)
    check(target.exists() and target.read_bytes() == expected, "la descarga no es datos.dat con los mismos bytes")


# --- at the beach: the estimate at a glance, the sun's day, the sunscreen

def in_zone(driver, zone):
    """The browser's clock in this zone, for the page loaded next."""
    driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": zone})


def glance_companion(comma):
    """The companion's estimate for today at the zone's place, Europe/Madrid."""
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8", TZ="Europe/Madrid")
    result = subprocess.run([str(COMPANION), "--estimar", "--json", "--zona=Europe/Madrid"], env=environment,
                            capture_output=True, text=True)
    return json.loads(result.stdout)["estimacion"]["indiceMaximoTexto"] if result.returncode == 0 else None


def below_first_screen(driver, names):
    """Of these elements, those not wholly within the first 740 CSS pixels of
    the page."""
    return driver.execute_script("""return arguments[0].filter((id) => {
        const r = document.getElementById(id).getBoundingClientRect();
        return !(r.height > 0 && r.bottom + scrollY <= 740); });""", names)


def check_first_screen(driver, comma):
    """On a phone the answer comes first: the result, the four inputs and
    "Calcular" within the first 740 px, before and after a press; the
    estimate at a glance under "Indice Máximo", its "Usar" writing the
    companion's value there; the dialog opens from the line, takes the
    focus, and gives it back."""
    as_phone(driver)
    in_zone(driver, "Europe/Madrid")
    try:
        open_page(driver, driver.current_url)
        answer = ["Label4", "Text1", "Text2", "Text3", "Text4", "Command1"]
        WebDriverWait(driver, 5).until(lambda d: by_id(d, "estimacion-breve").text != "")
        check(below_first_screen(driver, answer) == [], f"teléfono: fuera de los primeros 740 px al cargar: "
              f"{below_first_screen(driver, answer)}")
        shown = glance_companion(comma)
        line = by_id(driver, "estimacion-breve").text
        check(line == f"Hoy en Europe/Madrid, con cielo despejado: {shown}", f"estimación de un vistazo: {line!r}")
        check(by_id(driver, "abrir-estimar").text == "Otro lugar o fecha…", "el botón del diálogo en la línea")
        tap(driver, by_id(driver, "usar-estimacion"))
        check(by_id(driver, "Text1").get_attribute("value") == shown and focused(driver) == "Text1",
              f"«Usar» de la línea: Text1 {by_id(driver, 'Text1').get_attribute('value')!r}, foco en {focused(driver)!r}")
        tap(driver, by_id(driver, "Command1"))
        pressed = answer + ["hasta-dem", "cuando-proteger"]
        check(below_first_screen(driver, pressed) == [],
              f"teléfono: fuera de los primeros 740 px tras «Calcular»: {below_first_screen(driver, pressed)}")

        # The dialog from the line: the focus in, filled, "Usar", the focus on "Indice Máximo".
        tap(driver, by_id(driver, "abrir-estimar"))
        check(driver.execute_script("return document.getElementById('estimar').open") and focused(driver) == "latitud",
              f"el diálogo no se abre con el foco dentro: {focused(driver)!r}")
        problems = phone_problems(driver)
        check(problems == {"small": [], "tiny": [], "sideways": 0}, f"teléfono, el diálogo abierto: {problems}")
        zones = driver.execute_script("return [...document.querySelectorAll('#zonas option')].map((o) => o.value)")
        check(len(zones) > 300 and zones == sorted(zones) and "Pacific/Kiritimati" in zones,
              f"la zona horaria ofrece {len(zones)} zonas")
        fill_estimate(driver, ESTIMATES[0], comma)
        expected = estimate_companion(ESTIMATES[0], comma)["estimacion"]["indiceMaximoTexto"]
        tap(driver, by_id(driver, "estimar-usar"))
        state = [driver.execute_script("return document.getElementById('estimar').open"), focused(driver),
                 by_id(driver, "Text1").get_attribute("value")]
        check(state == [False, "Text1", expected], f"«Usar» del diálogo: {state}, el compañero da {expected}")
        # Another place and date at a glance; Escape gives the focus back to the line.
        day = "/".join(reversed(ESTIMATES[0][2].split("-")))
        check(by_id(driver, "estimacion-breve").text.startswith(f"El {day} en "), "la línea no dice el lugar y la fecha")
        tap(driver, by_id(driver, "abrir-estimar"))
        driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        check(focused(driver) == "abrir-estimar", f"Escape deja el foco en {focused(driver)!r}")

        # A zone without a place: only the way to the dialog.
        in_zone(driver, "UTC")
        open_page(driver, driver.current_url)
        line = driver.execute_script("""return ['estimacion-breve', 'usar-estimacion', 'abrir-estimar'].map((id) => {
            const e = document.getElementById(id); return e.getClientRects().length ? e.textContent : null; })""")
        check(line == [None, None, "Estimar desde el lugar y la fecha…"], f"zona sin lugar: la línea {line}")
    finally:
        in_zone(driver, "")
        no_emulation(driver)


def sun_companion(row, comma):
    place, day, zone, inputs = row[1:5]
    command = [str(COMPANION), "--json", "--curva", "sol", f"--latitud={place[0]}", f"--longitud={place[1]}",
               f"--fecha={day}", f"--zona={zone}"]
    command += [f"{option}={value}" for option, value in zip(OPTIONS, inputs)]
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8")
    result = subprocess.run([c.replace(".", ",") if comma and c.startswith("--l") else c for c in command],
                            env=environment, capture_output=True, text=True)
    return json.loads(result.stdout)["exposicionTexto"] if result.returncode == 0 else None


def reference_days():
    """The day's shape by the sun: place, date, zone, (maximum, start hour,
    duration, skin type), the caption with the sun's shape and with the bell,
    from an independent reckoning, as tests/support/reference_days.h has them
    for the native tests; the companion must agree."""
    header = (SOURCES / "tests" / "support" / "reference_days.h").read_text(encoding="utf-8")
    table = header[header.index("kReferenceDays"):]
    rows = [ast.literal_eval(f"({row})") for row in re.findall(r'^\s*\{("[^{}]*)\},$', table, re.MULTILINE)]
    size = int(re.search(r"std::array<ReferenceDay, (\d+)>", header)[1])
    check(len(rows) == size, f"reference_days.h: {len(rows)} de {size} días de referencia leídos")
    return [(name, (latitude, longitude), day, zone, inputs, sun, bell)
            for name, latitude, longitude, day, zone, *inputs, _offset, sun, bell in rows]


SUN_DAYS = reference_days()


def choose_sun_day(driver, place, day, zone, comma):
    open_estimate(driver)
    for name, text in (("latitud", place[0]), ("longitud", place[1]), ("zona", zone)):
        type_into(driver, name, text.replace(".", ",") if comma else text)
    type_date(driver, day)
    Select(by_id(driver, "forma")).select_by_value("sol")


def check_sun_days(driver, comma, rows=SUN_DAYS):
    """"Según el sol" chosen in the dialog: "Calcular" gives the reference
    captions, the companion's too, and the line by the chart says so until
    "Volver a la campana" brings back the bell's."""
    fix = (lambda text: text.replace(".", ",")) if comma else (lambda text: text)
    for name, place, day, zone, inputs, sun, bell in rows:
        open_page(driver, driver.current_url)
        choose_sun_day(driver, place, day, zone, comma)
        by_id(driver, "estimar-usar").click()
        for box, text in zip(("Text1", "Text2", "Text3", "Text4"), inputs):
            type_into(driver, box, text)
        by_id(driver, "Command1").click()
        shown = [by_id(driver, "Label4").text, sun_companion((name, place, day, zone, inputs), comma)]
        check(shown == [fix(sun), fix(sun)], f"{name}: según el sol {shown}, se esperaba {fix(sun)}")
        line = by_id(driver, "dia-sol-texto").text
        check(line.startswith("La curva sigue el día según el sol: ") and line.endswith(
              "/".join(reversed(day.split("-"))) + "."), f"{name}: la línea junto al gráfico {line!r}")
        by_id(driver, "volver-campana").click()
        check(by_id(driver, "dia-sol").is_displayed() is False and focused(driver) == "Command1",
              f"{name}: «Volver a la campana» deja la línea o el foco en {focused(driver)!r}")
        by_id(driver, "Command1").click()
        check(by_id(driver, "Label4").text == fix(bell), f"{name}: con la campana {by_id(driver, 'Label4').text!r}")


def check_sun_refusals(driver):
    """A zone the browser does not know, and the polar night, refused in the
    dialog by name; "Usar" waits."""
    open_page(driver, driver.current_url)
    rows = [(("40.42", "-3.70"), "2026-06-21", "Marte/Olimpo", "«Zona horaria»: «Marte/Olimpo» no es una zona horaria."),
            (("69.65", "18.96"), "2026-12-21", "Europe/Oslo",
             "El sol no sale el 21/12/2026 en 69.65° N, 18.96° E: no hay forma del día según el sol.")]
    for place, day, zone, message in rows:
        choose_sun_day(driver, place, day, zone, False)
        state = [estimate_text(driver), by_id(driver, "estimar-usar").get_attribute("aria-disabled")]
        check(state == [message, "true"],
              f"forma del día rechazada: {state}")


def clock_after_eleven(minutes):
    """The clock time a stay that starts at 11:00 reaches after `minutes`."""
    return f"{11 + minutes // 60}:{minutes % 60:02d}"


def check_sunscreen(driver, comma):
    """The time to 1 DEM and the protected stay equal the companion's --json,
    as the field and the amount change; a factor out of range is named."""
    open_page(driver, driver.current_url)
    by_id(driver, "Command1").click()
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8")
    sep = "," if comma else "."
    for token, index in (("habitual", 1), ("etiqueta", 0)):
        result = subprocess.run([str(COMPANION), "--json", "--hasta-dem", "--fps=30", f"--cantidad={token}"],
                                env=environment, capture_output=True, text=True)
        report = json.loads(result.stdout)
        type_into(driver, "fps", "30")
        Select(by_id(driver, "cantidad")).select_by_index(index)
        minutes = report["minutosHastaUnDEMProtegido"]
        clock = f"1 DEM a las {clock_after_eleven(minutes)}" if minutes is not None else \
            "1 DEM no se alcanza en el resto del día"
        spread = (f"cantidad habitual, como FPS {report['fpsEfectivo']:.1f}".replace(".", sep) if token == "habitual"
                  else "como en la etiqueta")
        dose = f"{report['exposicionProtegidaDEM']:.2f}".replace(".", sep)
        expected = f"Con FPS 30 ({spread}): {dose} DEM; {clock}"
        check(by_id(driver, "protegida").text == expected, f"protector {token}: {by_id(driver, 'protegida').text!r}, "
              f"del compañero {expected!r}")
        unprotected = report["minutosHastaUnDEM"]
        check(by_id(driver, "hasta-dem").text == f"1 DEM a las {clock_after_eleven(unprotected)} ({unprotected} min)",
              f"tiempo hasta 1 DEM {by_id(driver, 'hasta-dem').text!r}, el compañero {unprotected} min")
    # A skin type with no minimal dose leaves no protected line behind.
    type_into(driver, "Text4", "9")
    by_id(driver, "Command1").click()
    by_id(driver, "mensaje-aceptar").click()
    check([by_id(driver, "protegida").text, by_id(driver, "hasta-dem").text] == ["", ""],
          f"tipo de piel 9: quedan {by_id(driver, 'protegida').text!r} y {by_id(driver, 'hasta-dem').text!r}")
    type_into(driver, "Text4", "3")
    by_id(driver, "Command1").click()
    type_into(driver, "fps", "1")
    check([by_id(driver, "protegida").text, by_id(driver, "fps").get_attribute("aria-invalid")]
          == ["«FPS»: «1» no es un FPS válido (un entero de 2 a 100).", "true"], f"FPS 1: {by_id(driver, 'protegida').text!r}")
    type_into(driver, "fps", "")
    check(by_id(driver, "protegida").text == "", "sin protector queda una línea")
    note = by_id(driver, "cantidad-nota").text
    check(note.endswith(f"un FPS 30 protege como un FPS 5{sep}5."), f"la nota de la cantidad {note!r}")


# --- when to protect and the stay's reminders

# Madrid on the summer solstice and today, from 11:00 for two hours, skin
# type 3, maximum 10: the day's shape chosen in the dialog, its date (None:
# today on Madrid's clock). The bell's reminders, and so its calendar, are
# today's, on today's clock: the page tells the calculator the offset of today
# besides the date's (on the solstice it is summer time, today perhaps not).
PROTECTION_ROWS = [
    ("sol", "2026-06-21"),
    ("campana", "2026-06-21"),
    ("campana", None),
]
MADRID = ("40.42", "-3.70")
STAY = ("10", "11", "2", "3")


def madrid_today(driver):
    """Today on the browser's clock, which the test sets to Madrid's."""
    return driver.execute_script("const d = new Date(); return [d.getFullYear(), d.getMonth() + 1, d.getDate()]"
                                 ".map((n) => String(n).padStart(2, '0')).join('-')")


def protection_companion(shape, day, comma, calendar):
    """The companion's --json for the same day and stay, its --calendario written to `calendar`."""
    place = [v.replace(".", ",") if comma else v for v in MADRID]
    command = [str(COMPANION), "--json", f"--curva={shape}", f"--latitud={place[0]}", f"--longitud={place[1]}",
               f"--fecha={day}", "--zona=Europe/Madrid", "--calendario", str(calendar)]
    command += ["--estimar"] if shape == "campana" else []  # the bell reads the place only for the estimate
    command += [f"{option}={value}" for option, value in zip(OPTIONS, STAY)]
    environment = dict(os.environ, LC_ALL="es_ES.UTF-8" if comma else "C.UTF-8", TZ="Europe/Madrid")
    result = subprocess.run(command, env=environment, capture_output=True, text=True)
    return json.loads(result.stdout) if result.returncode == 0 else None


def downloaded(target, seconds=10):
    """The file's bytes once the browser has finished writing it, or None."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if target.exists() and not target.with_name(target.name + ".crdownload").exists():
            return target.read_bytes()
        time.sleep(0.1)
    return None


def without_stamp(calendar):
    """The calendar's lines but DTSTAMP, the moment it was made, and that moment (UT seconds)."""
    lines = calendar.split(b"\r\n")
    stamps = [line for line in lines if line.startswith(b"DTSTAMP:")]
    moment = None
    if len(stamps) == 1:
        moment = calendar_moment(stamps[0][len(b"DTSTAMP:"):].decode())
    return [line for line in lines if not line.startswith(b"DTSTAMP:")], moment


def calendar_moment(text):
    """A UTC DATE-TIME ("20260621T090000Z") as seconds since 1970."""
    import datetime
    return datetime.datetime.strptime(text, "%Y%m%dT%H%M%SZ").replace(tzinfo=datetime.timezone.utc).timestamp()


def check_protection(driver, comma, downloads):
    """On a phone: the line under the result is the companion's for the same
    day, within the first screen with "Calcular"; "Añadir al calendario"
    downloads the companion's --calendario file, made at that moment."""
    as_phone(driver)
    in_zone(driver, "Europe/Madrid")
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="iuv-calendario-"))
    try:
        for shape, day in PROTECTION_ROWS:
            day = day or madrid_today(driver)
            label = f"{'coma' if comma else 'punto'} {shape} {day}"
            open_page(driver, driver.current_url)
            choose_sun_day(driver, MADRID, day, "Europe/Madrid", comma)
            Select(by_id(driver, "forma")).select_by_value(shape)
            tap(driver, by_id(driver, "estimar-usar"))
            for box, text in zip(("Text1", "Text2", "Text3", "Text4"), STAY):
                type_into(driver, box, text)
            tap(driver, by_id(driver, "Command1"))
            expected = protection_companion(shape, day, comma, scratch / "companion.ics")
            if not check(expected is not None and expected["proteccion"], f"{label}: el compañero falló"):
                continue
            line = by_id(driver, "cuando-proteger").text
            check(line == expected["proteccion"]["texto"], f"{label}: la línea {line!r}, el compañero "
                  f"{expected['proteccion']['texto']!r}")
            first = ["Label4", "hasta-dem", "cuando-proteger", "Text1", "Text2", "Text3", "Text4", "Command1"]
            check(below_first_screen(driver, first) == [],
                  f"{label}: fuera de los primeros 740 px: {below_first_screen(driver, first)}")
            stay_day = day if shape == "sol" else madrid_today(driver)
            target = downloads / f"indice-uv-{stay_day}.ics"  # the day of the stay's clock
            target.unlink(missing_ok=True)
            asked = time.time()
            tap(driver, by_id(driver, "calendario"))
            page = downloaded(target)
            if not check(page is not None, f"{label}: «Añadir al calendario» no descarga {target.name}"):
                continue
            lines, moment = without_stamp(page)
            wanted, _ = without_stamp((scratch / "companion.ics").read_bytes())
            check(lines == wanted, f"{label}: el calendario difiere del compañero: "
                  f"{[l for l in lines if l not in wanted]} / {[l for l in wanted if l not in lines]}")
            check(moment is not None and asked - 2 <= moment <= time.time() + 1,
                  f"{label}: DTSTAMP {moment} no es el momento de la descarga ({asked:.0f})")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
        in_zone(driver, "")
        no_emulation(driver)


SCHEDULE = """const [rows, done] = [arguments[0], arguments[arguments.length - 1]];
    import('./avisos.js').then((avisos) => {
      const now = Math.ceil(Date.now() / 1000);
      const reminders = rows.map(([offset, clock, text]) => ({ clock, unix: now + offset, text }));
      avisos.schedule(reminders);
      done([reminders.map((r) => r.unix), document.getElementById('avisos-estado').textContent]);
    });"""

SHOWN = """const done = arguments[arguments.length - 1];
    navigator.serviceWorker.ready.then((registration) => registration.getNotifications()).then((shown) => {
      done(shown.map((n) => [n.title, n.body, n.tag]));
      shown.forEach((n) => n.close());
    });"""

# Reminders handed to the notifications' module (seconds from now, clock,
# text): those it shows, by text, and what its status line then says. One
# whose time has passed is not shown.
NOTIFICATION_ROWS = [
    ("uno por llegar", [(2, "12:01", "Aviso por llegar")], ["Aviso por llegar"],
     "Un aviso mientras la página esté abierta; el primero a las 12:01."),
    ("uno pasado", [(-60, "11:59", "Aviso pasado")], [], "No queda ningún aviso por llegar en esta estancia."),
    ("pasado y dos por llegar", [(-60, "11:59", "Pasado"), (2, "12:01", "Por llegar"), (3, "12:02", "Después")],
     ["Por llegar", "Después"], "2 avisos mientras la página esté abierta; el primero a las 12:01."),
    # Beyond the longest wait of a timer (2^31 - 1 ms), which would ring at once.
    ("dentro de un mes", [(30 * 86400, "12:00", "Dentro de un mes")], [],
     "Los avisos de ese día llegan dentro de más de 24 días: añada la estancia al calendario."),
]
# Long enough for a due reminder to have come.
LONGEST_TEST_WAIT = 5

GRANTED = re.compile(r"(Un aviso|\d+ avisos) mientras la página esté abierta; el primero a las \d\d:\d\d\."
                     r"|No queda ningún aviso por llegar en esta estancia\."
                     r"|Los avisos de ese día llegan dentro de más de 24 días: añada la estancia al calendario\.")


def ask_for_notifications(driver, url):
    """A press, then "Avisarme…": the status line it leaves."""
    open_page(driver, url)
    driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1]())")
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    check(by_id(driver, "avisos").is_displayed(), "tras «Calcular» no se ofrecen los avisos")
    check(by_id(driver, "avisarme").text == "Avisarme mientras la página esté abierta", "el botón de los avisos")
    by_id(driver, "avisarme").click()
    WebDriverWait(driver, 10).until(lambda d: by_id(d, "avisos-estado").text != "")
    return by_id(driver, "avisos-estado").text


def check_notifications(driver, url):
    """Allowed, "Avisarme" schedules the press's reminders, offers to keep the
    screen on where the browser can, and a reminder due shows through the
    service worker; refused, it says so and sends to the calendar."""
    origin = url.rstrip("/")
    try:
        driver.execute_cdp_cmd("Browser.grantPermissions", {"origin": origin, "permissions": ["notifications"]})
        status = ask_for_notifications(driver, url)
        check(GRANTED.fullmatch(status), f"avisos permitidos: {status!r}")
        offered = driver.execute_script("return ['wakeLock' in navigator, "
                                        "document.getElementById('pantalla').getClientRects().length > 0]")
        check(offered[0] == offered[1], f"«Mantener la pantalla encendida» (wakeLock, visible): {offered}")
        driver.execute_async_script(SHOWN)  # none left from before
        for name, rows, texts, said in NOTIFICATION_ROWS:
            instants, status = driver.execute_async_script(SCHEDULE, rows)
            check(status == said, f"avisos, {name}: {status!r}")
            wanted = sorted(["Indice UV", text, f"indice-uv-{instant}"] for (_, _, text), instant in zip(rows, instants)
                            if text in texts)
            time.sleep(min(LONGEST_TEST_WAIT, max(0, *(offset for offset, _, _ in rows))) + 1)
            shown = []
            deadline = time.time() + 10
            while time.time() < deadline and len(shown) < len(wanted):
                shown += driver.execute_async_script(SHOWN)
                time.sleep(0.2)
            time.sleep(0.5)
            shown += driver.execute_async_script(SHOWN)
            check(sorted(shown) == wanted, f"avisos, {name}: se mostraron {shown}, se esperaban {wanted}")

        driver.execute_cdp_cmd("Browser.setPermission", {"origin": origin, "permission": {"name": "notifications"},
                                                         "setting": "denied"})
        status = ask_for_notifications(driver, url)
        check(status == "No se ha dado permiso para mostrar avisos: añada la estancia al calendario.",
              f"avisos rechazados: {status!r}")
    finally:
        driver.execute_cdp_cmd("Browser.resetPermissions", {})


# --- the phone

def phone_problems(driver):
    """What a finger or an eye would trip on: targets under 44 x 44 CSS
    pixels, text under 12 CSS pixels as shown, a page wider than the screen."""
    return driver.execute_script("""
        const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
        const small = [...document.querySelectorAll('input, button, a[href], select, textarea, [tabindex], label')]
          .filter((e) => shown(e) && e.tagName !== 'LABEL')
          .map((e) => [e.id || e.className || e.tagName, e.getBoundingClientRect()])
          .filter(([, r]) => r.width < 44 || r.height < 44)
          .map(([name, r]) => `${name} ${Math.round(r.width)}x${Math.round(r.height)}`);
        const tiny = [];
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
          const parent = node.parentElement;
          if (!node.textContent.trim() || !shown(parent)) continue;
          const size = parseFloat(getComputedStyle(parent).fontSize);
          if (size < 12) tiny.push(`${parent.id || parent.tagName} ${size}px`);
        }
        const root = document.documentElement;
        return {small, tiny, sideways: root.scrollWidth > root.clientWidth ? root.scrollWidth - root.clientWidth : 0};""")


def reading_order_breaks(driver):
    """Pairs of neighbours in the page whose second is shown above the first,
    or to its left on the same line: the eye would read them the other way."""
    return driver.execute_script("""
        const items = [document.querySelector('h1'), ...document.getElementById('Form1').children, document.getElementById('datos')]
          .filter((e) => e.getClientRects().length && getComputedStyle(e).position !== 'absolute');
        const breaks = [];
        for (let i = 1; i < items.length; ++i) {
          const a = items[i - 1].getBoundingClientRect();
          const b = items[i].getBoundingClientRect();
          const below = b.top >= a.bottom - 1;
          const besideAfter = b.top < a.bottom && b.left >= a.right - 1;
          if (!below && !besideAfter) breaks.push(`${items[i - 1].id} → ${items[i].id}`);
        }
        return breaks;""")


def on_screen(driver, name):
    """Wholly in the viewport, give or take the fraction of a pixel that a
    scroll to a whole pixel leaves."""
    return driver.execute_script("""const r = document.getElementById(arguments[0]).getBoundingClientRect();
        return r.top > -1 && r.bottom < innerHeight + 1 && r.height > 0;""", name)


def check_phone_layout(driver):
    as_phone(driver)
    try:
        open_page(driver, driver.current_url)
        # The page opens at its top, the banner first, though typing goes to
        # "Indice Máximo".
        check(driver.execute_script("return scrollY") == 0 and focused(driver) == "Text1",
              f"teléfono: la página abre bajada {driver.execute_script('return scrollY')} px")
        by_id(driver, "Text1").send_keys(Keys.ENTER)
        check_document(driver, "teléfono")
        for width in (360, 320):
            as_phone(driver, width)
            problems = phone_problems(driver)
            check(problems == {"small": [], "tiny": [], "sideways": 0}, f"teléfono de {width} px: {problems}")
        as_phone(driver)
        breaks = reading_order_breaks(driver)
        check(breaks == [], f"teléfono: el orden de la página no se lee de arriba abajo: {breaks}")
        check(driver.execute_script("return getComputedStyle(document.getElementById('Text1')).fontSize") == "16px",
              "teléfono: las casillas no tienen texto de 16 px")
        # The chart at the column's width, its pixels those of the screen.
        size = driver.execute_script("""const c = document.getElementById('Indice'); const r = c.getBoundingClientRect();
            return [c.width, c.height, Math.round((r.width - 4) * devicePixelRatio), Math.round((r.height - 4) * devicePixelRatio),
                    Math.round(r.width), document.getElementById('Form1').clientWidth];""")
        check(size[:2] == size[2:4] and size[4] > 0.85 * size[5], f"teléfono: lienzo {size[:2]}, mostrado {size[2:]}")
    finally:
        no_emulation(driver)


def check_steppers(driver):
    """A phone's − and + do what the bar's arrows do, limits included, by
    touch and by a screen reader's click; the bar is a spin button."""
    as_phone(driver)
    try:
        open_page(driver, driver.current_url)
        bar = by_id(driver, "VScroll1")
        minus, plus = bar.find_elements(By.TAG_NAME, "button")
        names = [minus.get_attribute("aria-label"), plus.get_attribute("aria-label")]
        check(names == ["Bajar «Tipo de piel»", "Subir «Tipo de piel»"], f"nombres de − y +: {names}")
        for _ in range(4):
            tap(driver, plus)
        check(by_id(driver, "Text4").get_attribute("value") == "6", "el + de VScroll1 no se para en 6")
        tap(driver, minus)
        check([by_id(driver, "Text4").get_attribute("value"), bar.get_attribute("aria-valuenow")] == ["5", "5"],
              "el − de VScroll1 no baja a 5")
        for _ in range(6):
            driver.execute_script("arguments[0].click()", minus)  # as a screen reader activates it
        check(by_id(driver, "Text4").get_attribute("value") == "1", "el − de VScroll1, pulsado por un lector, no se para en 1")
        for _ in range(25):
            tap(driver, by_id(driver, "VScroll3").find_elements(By.TAG_NAME, "button")[1])
        check(by_id(driver, "Text2").get_attribute("value") == "22", "el + de VScroll3 no se para en 22")
    finally:
        no_emulation(driver)


def check_phone_press(driver):
    """After "Calcular" the result is on screen, even when the press was
    made with the result scrolled away."""
    as_phone(driver)
    try:
        open_page(driver, driver.current_url)
        driver.execute_script("document.getElementById('Indice').scrollIntoView({block: 'start'})")
        check(not on_screen(driver, "Label4"), "teléfono: el resultado ya se veía antes de la prueba")
        driver.execute_script("document.getElementById('Command1').scrollIntoView({block: 'end'})")
        tap(driver, by_id(driver, "Command1"))
        check(by_id(driver, "Label4").text == "4.45" and on_screen(driver, "Label4"),
              f"teléfono: tras «Calcular» el resultado {by_id(driver, 'Label4').text!r} no se ve")
    finally:
        no_emulation(driver)


def datos_curve(driver):
    """The curve of the latest calculation, from its datos.dat: (hours, index) pairs."""
    return [tuple(float(v.replace(",", ".")) for v in line.split()) for line in fetch_datos(driver).decode().splitlines()]


def readout_problems(text, hour, curve, window):
    """What is wrong with a readout shown for `hour`: its three lines must be
    the nearest sample's hour, its index as the curve has it, one of the
    categories, and whether the hour is in the exposure window."""
    lines = text.split("\n")
    if len(lines) != 3:
        return f"no son tres líneas: {text!r}"
    shown = re.fullmatch(r"(\d+):(\d\d)", lines[0])
    index = re.fullmatch(r"Índice UV (\d+[.,]\d): (Bajo|Moderado|Alto|Muy alto|Extremo)", lines[1])
    if not shown or not index:
        return f"texto inesperado: {text!r}"
    at = int(shown[1]) + int(shown[2]) / 60
    nearest = min(curve, key=lambda sample: abs(sample[0] - at))
    inside = window[0] <= at <= window[1]
    problems = []
    if abs(at - hour) > 0.05:
        problems.append(f"hora {lines[0]} lejos de {hour:.3f}")
    if abs(float(index[1].replace(",", ".")) - nearest[1]) > 0.1:
        problems.append(f"índice {index[1]}, la curva da {nearest[1]}")
    if lines[2] != ("Dentro de la exposición" if inside else "Fuera de la exposición"):
        problems.append(f"«{lines[2]}» a las {lines[0]}")
    return "; ".join(problems)


def readout(driver):
    return driver.execute_script("""const r = document.querySelector('.lectura');
        return r.hidden ? null : r.querySelector('.caja').textContent;""")


def plot_point(driver, fraction_x, fraction_y=0.5):
    """A viewport point at these fractions of the plot, the frame as drawn."""
    return driver.execute_script("""const c = document.getElementById('Indice').getBoundingClientRect();
        const w = c.width - 4, h = c.height - 4;
        const frame = arguments[2];
        return [c.left + 2 + w * (frame.left + arguments[0] * (frame.right - frame.left)),
                c.top + 2 + h * (frame.top + arguments[1] * (frame.bottom - frame.top))];""", fraction_x, fraction_y, FRAME)


def check_readout(driver):
    """The readout follows a finger on a phone and the pointer on a wide
    screen, with the same text at the same place of the curve."""
    window = (11, 13)  # the starting inputs: from 11:00 for 2 hours
    as_phone(driver)
    try:
        open_page(driver, driver.current_url)
        tap(driver, by_id(driver, "Command1"))
        curve = datos_curve(driver)
        first, last = curve[0][0], curve[-1][0]
        driver.execute_script("document.getElementById('Indice').scrollIntoView({block: 'center'})")
        texts = {}
        for fraction, kind in ((0.3, "touchStart"), (0.45, "touchMove"), (0.75, "touchMove")):
            x, y = plot_point(driver, fraction)
            touch(driver, kind, x, y)
            text = readout(driver)
            texts[fraction] = text
            problem = readout_problems(text, first + fraction * (last - first), curve, window) if text else "no se ve"
            check(not problem, f"teléfono: lectura al {fraction:.0%} del gráfico: {problem}")
        touch(driver, "touchEnd")
        check(readout(driver) == texts[0.75], "teléfono: la lectura se va al levantar el dedo")
        description = driver.execute_script("return document.getElementById('Indice-descripcion').textContent")
        check(description.startswith(texts[0.75].split("\n")[0] + ", índice UV"), f"teléfono: descripción {description!r}")
        tap(driver, by_id(driver, "Label5"))
        check(readout(driver) is None, "teléfono: la lectura sigue tras tocar fuera del gráfico")
    finally:
        no_emulation(driver)
    open_page(driver, driver.current_url)
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    for fraction in (0.45, 0.75):
        x, y = plot_point(driver, fraction)
        driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
        # The same hour as under the finger, within a pixel of the narrower phone chart.
        text = readout(driver)
        problem = readout_problems(text, first + fraction * (last - first), curve, window) if text else "no se ve"
        check(not problem, f"puntero: lectura al {fraction:.0%} del gráfico: {problem}")
        check(text and text.split("\n")[2] == (texts[fraction] or "\n\n").split("\n")[2],
              f"puntero y dedo difieren: {text!r}, {texts[fraction]!r}")
    driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": 5, "y": 5})
    check(readout(driver) is None, "puntero: la lectura sigue al salir del gráfico")


# --- the chart as the screen shows it

# The frame and the shaded exposure window as fractions of the chart's inner
# box, measured at ratio 1 (check_chart_on_screen); the readout checks aim by it.
FRAME = {"left": 0.1, "right": 0.95, "top": 0.08, "bottom": 0.86}

ANALYSE_SCREENSHOT = """
    const [png, done] = [arguments[0], arguments[arguments.length - 1]];
    const canvas = document.getElementById('Indice');
    const box = canvas.getBoundingClientRect();
    const ratio = devicePixelRatio;
    const image = new Image();
    image.onload = () => {
      // The chart's inner box, cut out of the screenshot in device pixels.
      const left = Math.round((box.left + canvas.clientLeft) * ratio);
      const top = Math.round((box.top + canvas.clientTop) * ratio);
      const width = Math.round((box.width - 2 * canvas.clientLeft) * ratio);
      const height = Math.round((box.height - 2 * canvas.clientTop) * ratio);
      const cut = document.createElement('canvas');
      cut.width = width;
      cut.height = height;
      const context = cut.getContext('2d');
      context.drawImage(image, left, top, width, height, 0, 0, width, height);
      const data = context.getImageData(0, 0, width, height).data;
      const dark = (i) => data[i] < 90 && data[i + 1] < 90 && data[i + 2] < 90;
      // The shading's colours: strong, and not the blue of the curve.
      const shade = (i) => Math.max(data[i], data[i + 1], data[i + 2]) - Math.min(data[i], data[i + 1], data[i + 2]) > 120
          && !(data[i + 2] > 150 && data[i] < 100 && data[i + 1] < 100);
      const columns = new Array(width).fill(0);
      const rows = new Array(height).fill(0);
      for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
          if (dark(4 * (y * width + x))) { ++columns[x]; ++rows[y]; }
        }
      }
      const first = (counts, least) => counts.findIndex((n) => n >= least);
      const last = (counts, least) => counts.length - 1 - [...counts].reverse().findIndex((n) => n >= least);
      const frame = { left: first(columns, height / 2), right: last(columns, height / 2),
                      top: first(rows, width / 2), bottom: last(rows, width / 2) };
      const shaded = new Array(width).fill(0);
      for (let y = frame.top + 1; y < frame.bottom; ++y) {
        for (let x = frame.left + 1; x < frame.right; ++x) {
          if (shade(4 * (y * width + x))) ++shaded[x];
        }
      }
      const tall = (frame.bottom - frame.top) / 20;
      done({ left: frame.left / width, right: (frame.right + 1) / width, top: frame.top / height,
             bottom: (frame.bottom + 1) / height, shadeLeft: first(shaded, tall) / width,
             shadeRight: (last(shaded, tall) + 1) / width });
    };
    image.src = 'data:image/png;base64,' + png;"""


def chart_on_screen(driver):
    """Where the frame and the shading are in the chart as a screenshot shows
    it, in fractions of the chart's inner box."""
    driver.execute_script("window.scrollTo(0, 0)")
    png = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
    return driver.execute_async_script(ANALYSE_SCREENSHOT, png)


def check_chart_on_screen(driver):
    """At every pixel ratio the chart fills its box as at ratio 1, its canvas
    having the box's size times the ratio in pixels; and a new ratio (zoom,
    another screen) redraws it without a new press."""
    reference = None
    try:
        for ratio in (1, 1.25, 2, 2.625, 3):
            emulate(driver, ratio=ratio)
            open_page(driver, driver.current_url)
            by_id(driver, "Text1").send_keys(Keys.ENTER)
            size = driver.execute_script("""const c = document.getElementById('Indice'); const r = c.getBoundingClientRect();
                return [c.width, c.height, Math.round((r.width - 4) * devicePixelRatio), Math.round((r.height - 4) * devicePixelRatio)];""")
            check(size[:2] == size[2:], f"ratio {ratio}: lienzo de {size[:2]} píxeles para {size[2:]} en pantalla")
            shown = chart_on_screen(driver)
            if reference is None:
                reference = shown
                FRAME.update({k: shown[k] for k in FRAME})
                check(0.05 < shown["left"] < shown["shadeLeft"] < shown["shadeRight"] < shown["right"] <= 1,
                      f"ratio 1: marco y sombreado {shown}")
                continue
            off = {k: round(shown[k] - reference[k], 4) for k in shown if abs(shown[k] - reference[k]) > 0.01}
            check(not off, f"ratio {ratio}: el gráfico en pantalla se aparta del de ratio 1: {off}")
        # From ratio 3 to 1.5 on the same page, as when the window moves to another screen.
        emulate(driver, ratio=1.5)
        driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})  # a frame at the new ratio
        WebDriverWait(driver, 5).until(lambda d: d.execute_script("return document.getElementById('Indice').width") == 812)
        shown = chart_on_screen(driver)
        off = {k: round(shown[k] - reference[k], 4) for k in shown if abs(shown[k] - reference[k]) > 0.01}
        check(not off, f"de ratio 3 a 1,5: el gráfico no se redibuja como debe: {off}")
    except TimeoutException:
        check(False, "de ratio 3 a 1,5: el lienzo no cambia de tamaño")
    finally:
        no_emulation(driver)


# --- axe-core

def axe_violations(driver):
    driver.execute_script(AXE.read_text())
    return driver.execute_async_script("""const done = arguments[arguments.length - 1];
        axe.run(document, { resultTypes: ['violations'] })
          .then((r) => done(r.violations.map((v) => [v.id, v.nodes.map((n) => n.target.join(' '))])))
          .catch((e) => done([['error', [String(e)]]]));""")


# The window's own caption colours, which the wide layout keeps, and the
# parts of its 17-pixel bars.
RED_CAPTIONS = {"#Label1", "#Label2", "#Label3", "#Label7"}


def check_axe(driver):
    """No violation on a phone; on the wide layout, which keeps the window's
    geometry and colours, none but its captions' contrast and its bars'
    target size; asked for more contrast, none but that target size."""
    try:
        for phone in (False, True):
            for contrast in ("no-preference", "more"):
                as_phone(driver) if phone else emulate(driver)
                driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                       {"features": [{"name": "prefers-contrast", "value": contrast}]})
                open_page(driver, driver.current_url)
                by_id(driver, "Text1").send_keys(Keys.ENTER)
                found = dict((rule, nodes) for rule, nodes in axe_violations(driver))
                allowed = set()
                if not phone:
                    allowed.add("target-size")
                    check(all(node.startswith("#VScroll") for node in found.get("target-size", [])),
                          f"axe, ancha: tamaño de objetivo fuera de las barras: {found.get('target-size')}")
                if not phone and contrast == "no-preference":
                    allowed.add("color-contrast")
                    check(set(found.get("color-contrast", [])) <= RED_CAPTIONS,
                          f"axe, ancha: contraste fuera de los rótulos de la ventana: {found.get('color-contrast')}")
                unexpected = {rule: nodes for rule, nodes in found.items() if rule not in allowed}
                check(not unexpected, f"axe, {'teléfono' if phone else 'ancha'}, contraste {contrast}: {unexpected}")
    finally:
        no_emulation(driver)


# --- installed, offline

def cache_contents(driver):
    """The service worker's stores and the addresses in each, relative to the page."""
    return driver.execute_async_script("""const done = arguments[arguments.length - 1];
        caches.keys().then((names) => Promise.all(names.map((name) => caches.open(name)
          .then((store) => store.keys()).then((requests) => [name, requests.map((r) => r.url.slice(location.href.replace(/[^/]*$/, '').length)).sort()]))))
          .then(done);""")


def check_offline(scratch):
    """One visit keeps the site: with the server stopped it opens and
    calculates; a new build is taken at the next visit; all of it under a
    sub-path. Returns the bytes the first visit cost, store included."""
    site = scratch / "sitio"
    shutil.copytree(SITE, site)
    server, url = serve(site, "/sub/path/")
    port = server.server_address[1]
    driver = browser("en-US", scratch)
    try:
        open_page(driver, url)
        WebDriverWait(driver, 20).until(lambda d: d.execute_script("return !!navigator.serviceWorker.controller"))
        scope = driver.execute_script("return navigator.serviceWorker.controller.scriptURL")
        check(scope == url + "sw.js", f"sin conexión: el service worker es {scope}")
        files = sorted(str(f.relative_to(site)) for f in site.rglob("*") if f.is_file() and f.name != "sw.js")
        stores = cache_contents(driver)
        check(len(stores) == 1 and stores[0][1] == files, f"sin conexión: lo guardado no es el sitio: {stores}")
        first_visit = sum(server.counted.values())
        stop(server)

        driver.refresh()
        wait_until_ready(driver)
        values = ("10", "11", "2", "2", "0", "0")
        type_into(driver, "Text4", values[3])
        by_id(driver, "Text4").send_keys(Keys.ENTER)
        result, expected = companion(values, False, scratch)
        check(by_id(driver, "Label4").text == json.loads(result.stdout)["exposicionTexto"] and fetch_datos(driver) == expected,
              f"sin conexión: «Calcular» da {by_id(driver, 'Label4').text!r}")
        # The reminders' module, which no load brings, is in the store too.
        loaded = driver.execute_async_script("const done = arguments[arguments.length - 1]; "
                                             "import('./avisos.js').then((m) => done(typeof m.schedule), () => done(null))")
        check(loaded == "function", f"sin conexión: avisos.js no se carga ({loaded})")
        open_page(driver, url + "?punto")
        check(by_id(driver, "Text1").get_attribute("value") == "10", "sin conexión: ?punto no abre la página")

        # A new build: another page, the service worker written again by the build's own script.
        index = site / "index.html"
        index.write_text(index.read_text().replace("<head>", '<head>\n<meta name="build" content="nueva">'))
        old = (site / "sw.js").read_text()
        subprocess.run(["cmake", f"-DSITE={site}", f"-DTEMPLATE={SOURCES / 'src/web/service_worker.js.in'}",
                        "-P", str(SOURCES / "src/web/service_worker.cmake")], check=True)
        version = re.search(r"VERSION = '(\w+)'", (site / "sw.js").read_text())[1]
        check(version != re.search(r"VERSION = '(\w+)'", old)[1], "una página nueva no cambia la versión")
        server, url = serve(site, "/sub/path/", port)
        driver.get(url)
        try:
            WebDriverWait(driver, 20).until(
                lambda d: d.execute_script("return !!document.querySelector('meta[name=build]')"))
            wait_until_ready(driver)
            stores = cache_contents(driver)
            check(len(stores) == 1 and stores[0][0].endswith(version), f"nueva versión: almacenes {[s[0] for s in stores]}")
        except TimeoutException:
            check(False, "la nueva versión no llega en la visita siguiente")
        stop(server)
    finally:
        driver.quit()
    return first_visit


def frame_rows(driver, x, rows):
    """The canvas's pixels down one column: 'k' black, 'w' white, '?' anything else."""
    return driver.execute_script("""
        const data = document.getElementById('Indice').getContext('2d').getImageData(arguments[0], 0, 1, 200).data;
        return arguments[1].map((y) => {
          const [r, g, b] = data.slice(4 * y, 4 * y + 3);
          return r + g + b === 0 ? 'k' : r + g + b === 765 ? 'w' : '?';
        }).join('');""", x, rows)


def pictures_shown(driver):
    """The files the two pictures show, as the browser chose them."""
    return driver.execute_script("return ['Picture2', 'Picture1'].map((n) => "
                                 "document.getElementById(n).currentSrc.split('/').pop())")


def check_pixel_ratio(driver):
    """The frame's top edge (457 twips down) lands on whole device pixels, sharp,
    at ratio 1 and 2, as in the window."""
    open_page(driver, driver.current_url)
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    check(frame_rows(driver, 440, [29, 30, 31]) == "wkw", f"ratio 1: {frame_rows(driver, 440, [29, 30, 31])}")
    check(pictures_shown(driver) == ["banner.jpg", "crest.jpg"], f"ratio 1: imágenes {pictures_shown(driver)}")
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 800, "height": 800, "deviceScaleFactor": 2, "mobile": False})
    try:
        open_page(driver, driver.current_url)
        by_id(driver, "Text1").send_keys(Keys.ENTER)
        size = driver.execute_script("const c = document.getElementById('Indice'); return [c.width, c.height, c.clientWidth]")
        check(size == [1082, 762, 541], f"ratio 2: lienzo {size}")
        # Pixel 60 holds the edge; a 2-pixel pen puts its extra pixel above it.
        check(frame_rows(driver, 880, [58, 59, 60, 61]) == "wkkw", f"ratio 2: {frame_rows(driver, 880, [58, 59, 60, 61])}")
        # The pictures drawn for ratio 2, in the same place and size.
        check(pictures_shown(driver) == ["banner@2x.jpg", "crest@2x.jpg"], f"ratio 2: imágenes {pictures_shown(driver)}")
        sizes = driver.execute_script("return ['Picture2', 'Picture1'].map((n) => { const e = document.getElementById(n); "
                                      "return [e.offsetWidth, e.offsetHeight, e.naturalWidth, e.naturalHeight]; })")
        check(sizes == [[177, 105, 178, 100], [76, 98, 72, 94]], f"ratio 2: tamaños {sizes}")
    finally:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def check_point_forced(driver, url):
    open_page(driver, url + "?punto")
    type_into(driver, "Text2", "12.5")
    by_id(driver, "Text2").send_keys(Keys.ENTER)
    check(not message_shown(driver) and by_id(driver, "Label4").text == "4.74", "?punto no fuerza el punto")


# --- speed and weight

PRESSES = """
    const button = document.getElementById('Command1');
    const context = document.getElementById('Indice').getContext('2d');
    const times = [];
    for (let i = 0; i < 200; ++i) {
      const start = performance.now();
      button.click();
      context.getImageData(0, 0, 1, 1);  // waits for the canvas to be drawn
      times.push(performance.now() - start);
    }
    return times;"""


def measure(driver, server, url):
    """Loads from the network, as a first visit makes them (the service worker
    bypassed): the median time to the usable form and the bytes of one load;
    then the median press of "Calcular" to the redrawn chart."""
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    server.counted.clear()
    loads = []
    try:
        for _ in range(15):
            open_page(driver, url)
            loads.append(driver.execute_script(READY))
        weight = sum(server.counted.values())  # each file once: what one load transfers
        presses = driver.execute_script(PRESSES)
    finally:
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": False})
    return statistics.median(presses), statistics.median(loads), weight, dict(server.counted)


def measure_phone(driver, url):
    as_phone(driver)
    try:
        loads = []
        for _ in range(5):
            open_page(driver, url)
            loads.append(driver.execute_script(READY))
        return statistics.median(driver.execute_script(PRESSES)), statistics.median(loads)
    finally:
        no_emulation(driver)


def screenshot_phone(driver, target, estimate_target=None):
    """A phone's first screen at ratio 3 after "Calcular", in Madrid's zone;
    then the estimate's dialog over it."""
    as_phone(driver)
    in_zone(driver, "Europe/Madrid")
    try:
        open_page(driver, driver.current_url)
        WebDriverWait(driver, 5).until(lambda d: by_id(d, "estimacion-breve").text != "")
        by_id(driver, "Text1").send_keys(Keys.ENTER)
        driver.execute_script("document.activeElement.style.caretColor = 'transparent'; window.scrollTo(0, 0)")
        wait_for_fonts(driver)
        target.write_bytes(driver.get_screenshot_as_png())
        if estimate_target:
            open_estimate(driver)
            driver.execute_script("document.activeElement.style.caretColor = 'transparent'")
            estimate_target.write_bytes(driver.get_screenshot_as_png())
    finally:
        in_zone(driver, "")
        no_emulation(driver)


def main():
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="iuv-web-"))
    server, url = serve()
    drivers = []
    try:
        for language, comma in (("en-US", False), ("es-ES", True)):
            downloads = scratch / language
            downloads.mkdir()
            driver = browser(language, downloads)
            drivers.append(driver)
            open_page(driver, url)
            separator = driver.execute_script(
                "return new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal').value")
            check(separator == ("," if comma else "."), f"{language}: el navegador da el separador {separator!r}")
            timed(compare_sets, driver, comma, scratch)
            if comma:
                timed(check_estimate, driver, True)
                timed(check_first_screen, driver, True)
                timed(check_sun_days, driver, True, SUN_DAYS[:1])
                timed(check_sunscreen, driver, True)
                timed(check_protection, driver, True, downloads)
                timed(check_point_forced, driver, url)
                # The typed number is read with the browser's separator.
                timed(check_typed_steps, driver, [("VScroll4", "Text1", "7,5", "down", "7"),
                                                  ("VScroll4", "Text1", "7.5", "up", "11")], url)
                continue
            timed(check_page, driver)
            timed(check_messages, driver)
            timed(check_tab_order, driver)
            timed(check_scroll_bars, driver)
            timed(check_typed_steps, driver, TYPED_STEPS)
            timed(check_commands, driver)
            timed(check_download, driver, downloads)
            timed(check_pixel_ratio, driver)
            timed(check_chart_on_screen, driver)
            timed(check_axe, driver)
            timed(check_estimate, driver, False)
            timed(check_estimate_refusals, driver)
            timed(check_geolocation, driver, url)
            timed(check_sun_days, driver, False)
            timed(check_sun_refusals, driver)
            timed(check_sunscreen, driver, False)
            timed(check_protection, driver, False, downloads)
            timed(check_notifications, driver, url)
            if SCREENSHOT:
                # In Madrid's zone, whose place says when to protect, as on the phone's.
                in_zone(driver, "Europe/Madrid")
                open_page(driver, url)
                by_id(driver, "Text1").send_keys(Keys.ENTER)
                driver.set_window_size(800, 900)
                # The blinking caret would make every screenshot a little different.
                driver.execute_script("document.activeElement.style.caretColor = 'transparent'")
                wait_for_fonts(driver)
                SCREENSHOT.write_bytes(driver.find_element(By.TAG_NAME, "main").screenshot_as_png)
                driver.set_window_size(800, 800)
                in_zone(driver, "")

            # The same page on a phone.
            timed(check_phone_layout, driver)
            timed(check_first_screen, driver, False)
            as_phone(driver)
            timed(check_tab_order, driver, "teléfono")
            # The same C++ on either layout: the window's ten examples suffice here.
            timed(compare_sets, driver, comma, scratch, input_sets()[:10])
            no_emulation(driver)
            timed(check_steppers, driver)
            timed(check_phone_press, driver)
            timed(check_readout, driver)
            if PHONE_SCREENSHOT:
                screenshot_phone(driver, PHONE_SCREENSHOT, ESTIMATE_SCREENSHOT)

            press, load, weight, files = timed(measure, driver, server, url)
            phone_press, phone_load = timed(measure_phone, driver, url)
            print(f"Calcular hasta el gráfico redibujado, mediana de 200: {press:.2f} ms (teléfono: {phone_press:.2f} ms)")
            print(f"Carga hasta el formulario listo, mediana de 15: {load:.1f} ms (teléfono, de 5: {phone_load:.1f} ms)")
            print(f"Bytes transferidos por carga: {weight} ({', '.join(sorted(files))})")
            check(weight <= 300 * 1000, f"la página pesa {weight} bytes, más de 300 KB")
            check("/avisos.js" not in files, "una carga trae avisos.js, que solo se carga al pedir los avisos")
        first_visit = timed(check_offline, scratch)
        print(f"Bytes de la primera visita, con todo el sitio guardado para usarlo sin conexión: {first_visit}")
    finally:
        for driver in drivers:
            driver.quit()
        stop(server)
        shutil.rmtree(scratch, ignore_errors=True)
    if failures:
        print(f"{len(failures)} fallos en la edición web", file=sys.stderr)
        return 1
    print("edición web: todo bien")
    return 0


if __name__ == "__main__":
    sys.exit(main())

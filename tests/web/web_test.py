#!/usr/bin/python3

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition in headless Chromium, used as a person would: typed values,
Enter, the results read back, datos.dat fetched through its link and compared
byte for byte with what the command-line companion writes for the same
inputs, under a point and a comma browser language; the two messages, the
Tab cycle, the scroll bars, the other commands; a screenshot for the README;
and the page's speed and weight, printed.

Usage: web_test.py SITE_DIR COMPANION [SCREENSHOT]
Needs Debian's chromium, chromium-driver and python3-selenium.
"""
import base64
import functools
import http.server
import os
import pathlib
import random
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
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(sys.argv[1]).resolve()
COMPANION = pathlib.Path(sys.argv[2]).resolve()
SCREENSHOT = pathlib.Path(sys.argv[3]).resolve() if len(sys.argv) > 3 else None

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

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def copyfile(self, source, outputfile):
        data = source.read()
        CountingHandler.sent[self.path] = len(data)
        outputfile.write(data)


def serve():
    handler = functools.partial(CountingHandler, directory=str(SITE))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


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
    return driver


# The page marks the moment its form takes input (README, the web edition).
READY = "return performance.getEntriesByName('formulario-listo', 'mark').map((m) => m.startTime)[0]"


def wait_until_ready(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(READY) is not None)


def open_page(driver, url):
    driver.get(url)
    wait_until_ready(driver)


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


def compare_sets(driver, comma, scratch):
    import json
    for values in input_sets():
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
    print(f"{len(input_sets())} juegos de datos comparados ({'coma' if comma else 'punto'})", flush=True)


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


TAB_ORDER = ["Text1", "Command1", "Command2", "Indice", "Text2", "Text3", "Picture1", "Text4", "VScroll1", "VScroll2",
             "VScroll3", "VScroll4", "Text5", "Text6", "Text7", "Command3", "Picture2"]


def check_tab_order(driver):
    open_page(driver, driver.current_url)
    by_id(driver, "Text1").click()
    seen = ["Text1"]
    for _ in range(len(TAB_ORDER)):
        driver.switch_to.active_element.send_keys(Keys.TAB)
        seen.append(driver.switch_to.active_element.get_attribute("id"))
    check(seen == TAB_ORDER + ["Text1"], f"orden de tabulación: {seen}")
    driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
    check(driver.switch_to.active_element.get_attribute("id") == "Picture2", "Mayús+Tab desde Text1")
    # After a calculation the download link joins the cycle, after Picture2.
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    by_id(driver, "Picture2").click()
    driver.switch_to.active_element.send_keys(Keys.TAB)
    check(driver.switch_to.active_element.get_attribute("id") == "datos", "Tab desde Picture2 no llega al enlace")
    driver.switch_to.active_element.send_keys(Keys.TAB)
    check(driver.switch_to.active_element.get_attribute("id") == "Text1", "Tab desde el enlace no vuelve a Text1")


def check_scroll_bars(driver):
    open_page(driver, driver.current_url)
    start = {name: by_id(driver, name).get_attribute("value") for name in ("Text1", "Text2", "Text3", "Text4")}
    check(start == {"Text1": "10", "Text2": "11", "Text3": "2", "Text4": "3"}, f"valores iniciales {start}")
    bar = by_id(driver, "VScroll1")
    check([bar.get_attribute(a) for a in ("aria-valuemin", "aria-valuemax", "aria-valuenow")] == ["1", "6", "3"],
          "VScroll1: extremos o valor")
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
    check(geometry["Form1"][2:] == [751, 641], f"Form1 {geometry['Form1']}")
    text1 = by_id(driver, "Text1")
    check(text1.get_attribute("aria-label") == "Indice Máximo", "nombre accesible de Text1")
    description = driver.execute_script("return document.getElementById(arguments[0].getAttribute('aria-describedby')).textContent", text1)
    check(description.startswith("El índice UV máximo del día"), f"descripción de Text1 {description!r}")
    check(by_id(driver, "Label10").text == "Diferencia de latitud (\u00ba)", "Label10")
    link = by_id(driver, "datos")
    check(link.get_attribute("download") == "datos.dat", "el enlace no descarga datos.dat")
    below = driver.execute_script("""const f = document.getElementById('Form1').getBoundingClientRect();
        const l = document.getElementById('datos').parentElement.getBoundingClientRect(); return l.top >= f.bottom;""")
    check(below, "el enlace no está bajo el formulario")


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


def check_narrow(driver):
    driver.set_window_size(390, 800)
    open_page(driver, driver.current_url)
    fit = driver.execute_script("""const f = document.getElementById('Form1');
        return [f.getBoundingClientRect().right <= document.documentElement.clientWidth, f.offsetWidth,
                document.getElementById('Text1').offsetLeft, document.documentElement.scrollWidth <= document.documentElement.clientWidth];""")
    check(fit == [True, 751, 56, True], f"pantalla estrecha: {fit}")
    by_id(driver, "Text1").send_keys(Keys.ENTER)
    check(by_id(driver, "Label4").text == "4.45", "pantalla estrecha: «Calcular»")
    driver.set_window_size(800, 800)


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

def measure(driver, url):
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    CountingHandler.sent.clear()
    loads = []
    for _ in range(15):
        open_page(driver, url)
        loads.append(driver.execute_script(READY))
    weight = sum(CountingHandler.sent.values())  # each file once: what one load transfers
    presses = driver.execute_script("""
        const button = document.getElementById('Command1');
        const context = document.getElementById('Indice').getContext('2d');
        const times = [];
        for (let i = 0; i < 200; ++i) {
          const start = performance.now();
          button.click();
          context.getImageData(0, 0, 1, 1);  // waits for the canvas to be drawn
          times.push(performance.now() - start);
        }
        return times;""")
    return statistics.median(presses), statistics.median(loads), weight, dict(CountingHandler.sent)


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
            timed(check_narrow, driver)
            timed(check_pixel_ratio, driver)
            if SCREENSHOT:
                open_page(driver, url)
                by_id(driver, "Text1").send_keys(Keys.ENTER)
                driver.set_window_size(800, 900)
                # The blinking caret would make every screenshot a little different.
                driver.execute_script("document.activeElement.style.caretColor = 'transparent'")
                SCREENSHOT.write_bytes(driver.find_element(By.TAG_NAME, "main").screenshot_as_png)
            press, load, weight, files = timed(measure, driver, url)
            print(f"Calcular hasta el gráfico redibujado, mediana de 200: {press:.2f} ms")
            print(f"Carga hasta el formulario listo, mediana de 15: {load:.1f} ms")
            print(f"Bytes transferidos por carga: {weight} ({', '.join(sorted(files))})")
            check(weight <= 700 * 1000, f"la página pesa {weight} bytes, más de 700 KB")
    finally:
        for driver in drivers:
            driver.quit()
        server.shutdown()
        shutil.rmtree(scratch, ignore_errors=True)
    if failures:
        print(f"{len(failures)} fallos en la edición web", file=sys.stderr)
        return 1
    print("edición web: todo bien")
    return 0


if __name__ == "__main__":
    sys.exit(main())

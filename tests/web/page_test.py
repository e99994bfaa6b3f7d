#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The browser page in headless Chromium: it loads from file:// and from a
local web server without a request beyond its own file, shows a link's state, redraws on input, draws the native tool's
picture, and takes hostile fragments and bad files as plain text.

page_test.py PAGE NATIVE_TOOL WORK_DIR [SCREENSHOT]: SCREENSHOT, if given, is
written after every test passed (the README's picture)."""
import base64
import functools
import http.server
import json
import os
import re
import subprocess
import sys
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.chrome.service import Service

PAGE, NATIVE, WORK = sys.argv[1:4]
SCREENSHOT = sys.argv[4] if len(sys.argv) > 4 else None
URL = 'file://' + os.path.abspath(PAGE)
SIZE = 400
# The share of pixels that may differ from the native picture: the two
# rasterisers differ along edges; a turn by 2°, a missing grid or plain
# colours change at least twice as many.
TOLERANCE = 0.006


# The browser decodes pictures (the canvas, or a PNG as a data: address):
# its RGBA bytes, base64-encoded, with the width and height.
RGBA_OF = """
const [source, done] = arguments;
const bytes = (image, width, height) => {
  const c = document.createElement('canvas');
  [c.width, c.height] = [width, height];
  const g = c.getContext('2d');
  g.drawImage(image, 0, 0);
  const d = g.getImageData(0, 0, width, height).data;
  let s = '';
  for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
  done([width, height, btoa(s)]);
};
if (source === '') {
  const picture = document.getElementById('picture');
  bytes(picture, picture.width, picture.height);
} else {
  const image = new Image();
  image.onload = () => bytes(image, image.naturalWidth, image.naturalHeight);
  image.src = source;
}"""


def differing_share(a, b):
    """The share of pixels whose colours differ by more than 48 in a channel."""
    bad = sum(1 for ra, rb in zip(a, b) for pa, pb in zip(ra, rb)
              if max(abs(x - y) for x, y in zip(pa, pb)) > 48)
    return bad / (len(a) * len(a[0]))


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        options = webdriver.ChromeOptions()
        for argument in ('--headless=new', '--no-sandbox', '--enable-unsafe-swiftshader',
                         '--use-angle=swiftshader', '--force-device-scale-factor=1',
                         '--window-size=1300,800', '--disable-gpu-rasterization'):
            options.add_argument(argument)
        cls.downloads = os.path.join(os.path.abspath(WORK), 'downloads')
        options.add_experimental_option('prefs', {'download.default_directory': cls.downloads,
                                                  'download.prompt_for_download': False})
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
        cls.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        result = self._outcome.result
        self.faults_before = len(result.failures) + len(result.errors)

    def tearDown(self):
        result = self._outcome.result
        if len(result.failures) + len(result.errors) > self.faults_before:
            self.driver.save_screenshot(os.path.join(WORK, self._testMethodName + '.png'))

    def open(self, fragment='', size=SIZE, forget=True, url=URL):
        self.driver.get('about:blank')
        if forget:  # what an earlier test left kept
            self.driver.get(url)
            self.js('localStorage.clear()')
            self.driver.get('about:blank')
        self.driver.get(url + fragment)
        deadline = time.time() + 20
        while self.js('return document.body.dataset.ready') != '1':
            self.assertLess(time.time(), deadline, 'the page did not start')
            time.sleep(0.05)
        if size:
            self.js(f"document.getElementById('area').style.flex = '0 0 {size}px';"
                    f"document.getElementById('area').style.height = '{size}px';")
        self.settle()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def settle(self):
        """Waits until no frame was drawn for a while."""
        last, still = None, 0
        while still < 3:
            time.sleep(0.1)
            now = self.js('return document.body.dataset.frames')
            still = still + 1 if now == last else 0
            last = now

    def rgb_rows(self, source=''):
        """RGB rows of the picture, or of the PNG `source` (bytes)."""
        if source:
            source = 'data:image/png;base64,' + base64.b64encode(source).decode()
        width, height, data = self.driver.execute_async_script(RGBA_OF, source)
        raw = base64.b64decode(data)
        return [[tuple(raw[i:i + 3]) for i in range(y * width * 4, (y + 1) * width * 4, 4)]
                for y in range(height)]

    def pixels(self):
        return self.rgb_rows()

    def native(self, *arguments):
        out = os.path.join(WORK, 'native.png')
        subprocess.run([NATIVE, 'render', *arguments, '--size', f'{SIZE}x{SIZE}', '--output', out],
                       check=True)
        with open(out, 'rb') as f:
            return self.rgb_rows(f.read())

    def test_page_loads_offline(self):
        quiet = type('Quiet', (http.server.SimpleHTTPRequestHandler,),
                     {'log_message': lambda *_: None})
        server = http.server.ThreadingHTTPServer(
            ('127.0.0.1', 0),
            functools.partial(quiet, directory=os.path.dirname(os.path.abspath(PAGE))))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        served = f'http://127.0.0.1:{server.server_port}/{os.path.basename(PAGE)}'
        try:
            for url in (URL, served):
                with self.subTest(url=url):
                    self.driver.get_log('performance')
                    self.driver.get_log('browser')
                    self.open('#h=030EA10', forget=False, url=url)
                    self.assertIn('030EA10', self.js(
                        "return document.getElementById('info-legend').textContent"))
                    requests = [json.loads(e['message'])['message']
                                for e in self.driver.get_log('performance')]
                    urls = {m['params']['request']['url'] for m in requests
                            if m['method'] == 'Network.requestWillBeSent'}
                    self.assertEqual({u.split('#')[0] for u in urls}, {url}, urls)
                    self.assertEqual([e for e in self.driver.get_log('browser')
                                      if e['level'] == 'SEVERE'], [])
                    self.assertIn("default-src 'none'", self.js(
                        "return document.querySelector("
                        "'meta[http-equiv=Content-Security-Policy]').content"))
        finally:
            server.shutdown()

    def test_link_state_is_shown(self):
        self.open('#h=130VA20&v=205WA31&rule=v6&log=25')
        legend = self.driver.find_element(By.ID, 'info-legend').text
        self.assertIn('130VA20', legend)
        self.assertIn('205WA31', legend)
        self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, 'input[data-button="0"]').is_selected())
        self.assertEqual(self.js("return document.getElementById('db-range').value"), '25')
        # The display mode is kept for the next opening without a link.
        self.open(forget=False)
        self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, 'input[data-button="3"]').is_selected())
        self.assertIn('-25 .. 0 dB', self.driver.find_element(By.ID, 'info-legend').text)

    def test_input_changes_the_picture(self):
        def type_code(page):
            field = page.driver.find_elements(By.CSS_SELECTOR, 'input.code')[0]
            field.clear()
            field.send_keys('130VA20')

        def slider(page):
            page.js("const s = document.querySelectorAll('#panels input[type=range]')[1];"
                    "s.value = Number(s.value) + 20; s.dispatchEvent(new Event('input'));")

        def key(page):
            page.driver.find_element(By.TAG_NAME, 'body').click()
            ActionChains(page.driver).send_keys('\ue012').perform()  # arrow left

        def drag(page):
            canvas = page.driver.find_element(By.ID, 'picture')
            ActionChains(page.driver).move_to_element_with_offset(canvas, -50, -50).click_and_hold() \
                .move_by_offset(60, 20).move_by_offset(60, 20).release().perform()

        def touch(page):
            box = page.js("return document.getElementById('picture').getBoundingClientRect().toJSON()")
            x, y = box['left'] + 150, box['top'] + 150
            for kind, dx in (('touchStart', 0), ('touchMove', 40), ('touchMove', 80), ('touchEnd', 80)):
                points = [] if kind == 'touchEnd' else [{'x': x + dx, 'y': y + dx / 4}]
                page.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})

        for name, action in [('code', type_code), ('slider', slider), ('key', key), ('drag', drag),
                             ('touch', touch)]:
            with self.subTest(name):
                self.open('#h=030EA10&v=020EA05')
                before = self.pixels()
                action(self)
                self.settle()
                self.assertGreater(differing_share(before, self.pixels()), 0.002, name)

    def test_frame_matches_the_native_render(self):
        states = [
            ('#h=030EA10&v=020EA05', ['--horizontal', '030EA10', '--vertical', '020EA05']),
            ('#h=130VA20&v=205WA31&rule=v6&log=25&az=30&el=10&step=3',
             ['--horizontal', '130VA20', '--vertical', '205WA31', '--rule', 'v6', '--log', '25',
              '--azimuth', '30', '--elevation', '10', '--step', '3']),
        ]
        for fragment, arguments in states:
            with self.subTest(fragment):
                self.open(fragment)
                self.assertLess(differing_share(self.pixels(), self.native(*arguments)), TOLERANCE)
        # What the tolerance must not let pass: a turn, a missing grid, plain colours.
        self.open(states[0][0])
        page = self.pixels()
        for wrong in (['--azimuth', '2'], ['--no-grid'], ['--no-false-colour']):
            with self.subTest(wrong):
                self.assertGreater(differing_share(page, self.native(*states[0][1], *wrong)), TOLERANCE)

    def test_hostile_fragment_injects_nothing(self):
        cases = [
            ('#h=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E', None),
            ('#az=' + '9' * 100000, '„az“'),
            ('#h=030EA10&h=%3Cb%3Ex&h=1', '„h“ mehr als einmal'),
        ]
        for fragment, notice in cases:
            with self.subTest(fragment[:40]):
                self.open(fragment)
                self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, 'img:not(#diagram-page), b:not(#colour-legend b)'), [])
                with self.assertRaises(NoAlertPresentException):
                    self.driver.switch_to.alert.text
                notices = self.driver.find_element(By.ID, 'notices').text
                if notice:
                    self.assertIn(notice, notices)
        # The code is shown as the text it is, with its feedback.
        self.open(cases[0][0])
        field = self.driver.find_elements(By.CSS_SELECTOR, 'input.code')[0]
        self.assertEqual(field.get_attribute('value'), '<img src=x onerror=alert(1)>')
        self.assertIn('unlesbarer Code', field.get_attribute('title'))

    def test_bad_file_gives_its_message(self):
        self.open()
        self.js("const t = new DataTransfer();"
                "t.items.add(new File(['no pattern at all\\n'], 'bad.msi'));"
                "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: t, bubbles: true}));")
        time.sleep(0.5)
        self.assertIn('Das Diagramm kann nicht gelesen werden', self.driver.find_element(By.ID, 'notices').text)

    def test_copy_link_writes_the_view_and_a_new_fragment_shows(self):
        cases = [  # angles as a link gives them, as the written link holds them
            ('az=30.5&el=-12.25&tilt=0.1', 'az=30.5&el=-12.25&tilt=0.1'),
            ('az=400&el=1e-05', 'az=40&el=1e-05'),
            ('az=123.456789', 'az=123.45679'),
        ]
        for given, written in cases:
            with self.subTest(given):
                self.open('#h=030EA10&v=020EA05&' + given)
                self.driver.find_element(By.ID, 'copy-link').click()
                self.assertIn(written + '&', self.js('return location.hash'))
        self.js("location.hash = 'h=130VA20&v=205WA31'")
        self.settle()
        self.assertIn('130VA20', self.driver.find_element(By.ID, 'info-legend').text)

    def test_readout_follows_pins_and_unpins(self):
        self.open('#h=030EA10&v=020EA05')
        canvas = self.driver.find_element(By.ID, 'picture')
        readout = lambda: self.driver.find_element(By.ID, 'readout').text
        ActionChains(self.driver).move_to_element_with_offset(canvas, 20, 10).perform()
        self.settle()
        hovered = readout()
        self.assertIn('Azimut', hovered)
        ActionChains(self.driver).click().move_by_offset(15, 5).perform()
        self.settle()
        self.assertEqual(readout(), hovered)  # pinned where it was clicked
        ActionChains(self.driver).send_keys('\ue00c').perform()  # Esc
        self.settle()
        self.assertNotEqual(readout(), hovered)

    def test_readout_box_stays_inside_the_picture(self):
        self.open('#h=030EA10&v=020EA05')
        canvas = self.driver.find_element(By.ID, 'picture')
        for dx, dy in ((20, 10), (100, 0)):  # from the middle; the box is wider than the rest
            with self.subTest(dx=dx, dy=dy):
                ActionChains(self.driver).move_to_element_with_offset(canvas, dx, dy).perform()
                self.settle()
                box = self.js("const b = document.getElementById('readout');"
                              "return b.hidden ? null : b.getBoundingClientRect().toJSON()")
                self.assertIsNotNone(box)
                picture = canvas.rect
                self.assertGreaterEqual(box['left'], picture['x'])
                self.assertGreaterEqual(box['top'], picture['y'])
                self.assertLessEqual(box['right'], picture['x'] + picture['width'])
                self.assertLessEqual(box['bottom'], picture['y'] + picture['height'])

    def test_language_and_diagram_style_are_kept(self):
        self.open()
        self.js("document.querySelector('[data-command=\"40032\"]').click()")
        self.js("document.querySelector('[data-command=\"40026\"]').click();"
                "const s = document.getElementById('diagram-style'); s.value = '1';"
                "s.dispatchEvent(new Event('change'));")
        self.settle()
        self.open(forget=False)
        self.assertEqual(self.js('return document.documentElement.lang'), 'en')
        self.assertEqual(self.driver.find_element(By.ID, 'copy-link').text, 'Copy link')
        self.assertIn('View', self.driver.find_element(By.ID, 'menubar').text)
        self.js("document.querySelector('[data-command=\"40026\"]').click()")
        self.assertEqual(self.js("return document.getElementById('diagram-style').value"), '1')

    def test_downloads(self):
        msi = subprocess.run([NATIVE, 'export', '--horizontal', '030EA10', '--vertical', '020EA05',
                              '--output', '-'], check=True, capture_output=True).stdout
        cases = [  # what to click, the file it gives, what it must hold
            ('[data-command="40025"]', '030EA10_020EA05.msi', lambda data: data == msi),
            ('#diagram-buttons button:nth-child(2)', '030EA10_020EA05_V7.svg',
             lambda data: b'<svg' in data and b'030EA10' in data),
            ('#diagram-buttons button:nth-child(3)', '030EA10_020EA05_V7_horizontal.csv',
             lambda data: b'030EA10' in data and data.count(b'\n') > 300),
        ]
        for selector, name, holds in cases:
            with self.subTest(name):
                self.open('#h=030EA10&v=020EA05')
                self.js("document.querySelector('[data-command=\"40026\"]').click()")
                self.downloaded(selector, name, holds)

    def downloaded(self, selector, name, holds=lambda data: len(data) > 0):
        """Clicks `selector` and returns the download `name` once it holds what it must."""
        self.js(f"document.querySelector('{selector}').click()")
        path = os.path.join(self.downloads, name)
        # Read again until it holds what it must: Chromium may still be writing it.
        deadline, data = time.time() + 10, b''
        while time.time() < deadline and not holds(data):
            time.sleep(0.1)
            if os.path.exists(path):
                with open(path, 'rb') as f:
                    data = f.read()
        self.assertTrue(holds(data), f'{name}: {len(data)} bytes')
        os.remove(path)
        return data

    def open_diagrams(self):
        """The 2-D window of 030EA10 / 020EA05 and both plots' 0 dB rings (x, y, r) in page units."""
        self.open('#h=030EA10&v=020EA05')
        self.js("document.querySelector('[data-command=\"40026\"]').click()")
        svg = self.downloaded('#diagram-buttons button:nth-child(2)', '030EA10_020EA05_V7.svg',
                              lambda data: data.endswith(b'</svg>\n')).decode()
        rings = [tuple(map(float, c)) for c in re.findall(r'<circle cx="([\d.]+)" cy="([\d.]+)" r="([\d.]+)"', svg)]
        width = float(re.search(r'<svg[^>]* width="([\d.]+)"', svg).group(1))
        # Again, as Chromium refuses a page's second download made without a click.
        self.open('#h=030EA10&v=020EA05')
        self.js("document.querySelector('[data-command=\"40026\"]').click()")
        return [max((r for r in rings if (r[0] < width / 2) == left), key=lambda r: r[2]) for left in (True, False)]

    def test_diagram_reading_follows_the_pointer(self):
        (hx, hy, hr), (vx, vy, vr) = self.open_diagrams()
        # Shown at half its size, so that the page's units and the image's pixels differ.
        self.js("Object.assign(document.getElementById('diagram-page').style, {width: '600px'});"
                "document.getElementById('diagrams').style.maxHeight = 'none';")
        reading = self.driver.find_element(By.ID, 'diagram-reading')
        self.assertEqual(reading.text, '')
        cases = [  # the pointer in the page's units, how the reading starts
            ((hx + 0.8 * hr, hy), 'Azimut 90,0°: hor. '),
            ((hx, hy - 0.8 * hr), 'Azimut 0,0°: hor. 0,00 dB'),
            ((vx + 0.8 * vr, vy), 'Elevation 0,0°: '),
            ((vx, vy - 0.8 * vr), 'Elevation 90,0°: '),
            ((5, 5), 'Elevation 90,0°: '),  # off the plots it stays, as on the desktop
        ]
        for (x, y), start in cases:
            self.js("const i = document.getElementById('diagram-page'), b = i.getBoundingClientRect();"
                    "i.dispatchEvent(new PointerEvent('pointermove', {bubbles: true,"
                    " clientX: b.left + arguments[0] * b.width / i.naturalWidth,"
                    " clientY: b.top + arguments[1] * b.height / i.naturalHeight}));", x, y)
            self.assertTrue(reading.text.startswith(start), (x, y, reading.text))

    def test_diagram_png_is_the_page_at_the_desktop_size(self):
        (hx, hy, hr), (vx, vy, vr) = self.open_diagrams()
        png = self.rgb_rows(self.downloaded('#diagram-buttons button:nth-child(1)', '030EA10_020EA05_V7.png',
                                       lambda data: data.endswith(b'IEND\xaeB`\x82')))
        self.assertEqual((len(png[0]), len(png)), (1200, 640))
        self.assertEqual(png[2][2], (255, 255, 255))
        # Where the page draws them: the green vertical component on the
        # horizontal plot's 0 dB ring, the grey spokes through both centres,
        # white beside them.
        def near(x, y):
            return [png[round(y) + dy][round(x) + dx] for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        self.assertTrue(any(g > 120 and r < 40 and b < 40 for r, g, b in near(hx - hr, hy)), near(hx - hr, hy))
        for x, y in ((hx + hr * 0.625, hy), (vx + vr * 0.625, vy)):
            self.assertTrue(any(max(p) < 0xe8 and max(p) - min(p) < 16 for p in near(x, y)), (x, y, near(x, y)))
            self.assertEqual(set(near(x, y + 8)), {(255, 255, 255)})

    def test_print_shows_only_the_diagram_page(self):
        self.open_diagrams()
        self.js("window.print = () => { document.body.dataset.printed = '1'; };"
                "document.querySelector('#diagram-buttons button:last-child').click()")
        self.assertEqual(self.js('return document.body.dataset.printed'), '1')
        self.assertTrue(self.js('return document.title').startswith('Veltrisko 2D-Diagramme: hor. 030EA10'))
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
        try:
            shown = self.js("return ['bar', 'area', 'config', 'diagram-title', 'diagram-style', 'diagram-buttons',"
                            " 'diagram-reading', 'diagram-page', 'status'].filter((id) =>"
                            " document.getElementById(id).getClientRects().length > 0)")
            self.assertEqual(shown, ['diagram-page'])
            page = self.driver.find_element(By.ID, 'diagram-page').rect
            self.assertLessEqual(page['width'], self.js('return innerWidth'))
            self.assertLessEqual(page['height'], self.js('return innerHeight'))
            self.driver.save_screenshot(os.path.join(WORK, 'print.png'))
        finally:
            self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': ''})
        # Printed, it is one page.
        import base64
        pdf = base64.b64decode(self.driver.execute_cdp_cmd('Page.printToPDF', {})['data'])
        self.assertEqual(len(re.findall(rb'/Type\s*/Page\b', pdf)), 1)

    def test_documentation_opens_the_guide_of_the_language(self):
        for language, code, title in (('40031', 'de', 'Veltrisko-Benutzeranleitung'),
                                      ('40032', 'en', 'Veltrisko user guide')):
            with self.subTest(title):
                self.open()
                self.js(f"document.querySelector('[data-command=\"{language}\"]').click()")
                page = self.driver.current_window_handle
                self.js("document.querySelector('[data-command=\"40020\"]').click()")
                deadline = time.time() + 10
                while len(self.driver.window_handles) < 2:
                    self.assertLess(time.time(), deadline, 'no guide was opened')
                    time.sleep(0.1)
                self.driver.switch_to.window([h for h in self.driver.window_handles if h != page][0])
                try:
                    while self.js('return document.readyState') != 'complete':
                        time.sleep(0.05)
                    self.assertEqual(self.js('return document.title'), title)
                    self.assertEqual(self.js('return document.documentElement.lang'), code)
                    self.assertGreater(len(self.js('return document.body.innerText')), 20000)
                    self.assertEqual(self.js("return performance.getEntriesByType('resource').length"), 0)
                    self.assertEqual(self.js("return document.querySelectorAll('img, script, link').length"), 0)
                    self.driver.save_screenshot(os.path.join(WORK, f'guide-{language}.png'))
                finally:
                    self.driver.close()
                    self.driver.switch_to.window(page)

    def test_dropped_file_is_fitted_like_the_command_line(self):
        path = os.path.join(WORK, 'fit.msi')
        subprocess.run([NATIVE, 'export', '--horizontal', '030EA10', '--vertical', '020EA05',
                        '--output', path], check=True)
        lines = subprocess.run([NATIVE, 'fit', path, '--top', '3', '--csv'], check=True,
                               capture_output=True, text=True).stdout.splitlines()[1:]
        native = {}  # component: the codes of each rank
        for component, rank, code, *_ in (line.split(',') for line in lines):
            native.setdefault(component, {}).setdefault(int(rank), set()).add(code)
        self.open_fit(path, 'fit.msi')
        self.js("document.getElementById('fit-start').click();"
                "document.dispatchEvent(new KeyboardEvent('keydown', {key: 'ArrowLeft'}));"
                "requestAnimationFrame(() => { document.body.dataset.drawnWhileFitting ="
                " document.body.dataset.fits ? 'no' : 'yes'; });")
        self.wait_for('return document.body.dataset.fits', '1')
        self.assertEqual(self.js('return document.body.dataset.drawnWhileFitting'), 'yes')
        self.assert_fit_rows(native)
        self.js("document.querySelector('#fit-list-1 tr[data-code]').click()")
        field = self.driver.find_elements(By.CSS_SELECTOR, 'input.code')[1]
        # The form shows the code with the next frame, later on a busy machine.
        deadline = time.time() + 5
        while time.time() < deadline and field.get_attribute('value') == '030EA00':
            time.sleep(0.05)
        self.assertEqual(field.get_attribute('value'),
                         self.js("return document.querySelector('#fit-list-1 tr[data-code]').dataset.code"))
        self.assertEqual(self.js("return [...document.querySelectorAll('#fit tr.chosen')]"
                                 ".map((r) => r.rowIndex)"), [1])
        self.driver.execute_script("document.getElementById('fit').scrollIntoView()")
        self.driver.save_screenshot(os.path.join(WORK, 'fit.png'))

    def open_fit(self, path, name, count=3):
        """Opens the page, drops the file `path` on it as `name` and opens the fit."""
        self.open()
        with open(path, 'rb') as f:
            data = list(f.read())
        self.js("const t = new DataTransfer();"
                "t.items.add(new File([new Uint8Array(arguments[0])], arguments[1]));"
                "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: t, bubbles: true}));",
                data, name)
        time.sleep(0.3)
        # As on the desktop, the loaded file's curves show in the 2-D diagrams.
        self.assertFalse(self.js("return document.getElementById('diagrams').hidden"))
        self.js("document.querySelector('[data-command=\"40028\"]').click();"
                f"document.getElementById('fit-count').value = '{count}';")

    def wait_for(self, script, value, seconds=60):
        deadline = time.time() + seconds
        while self.js(script) != value:
            self.assertLess(time.time(), deadline, f'{script} did not give {value}')
            time.sleep(0.1)

    def exported(self, name='fit.msi'):
        path = os.path.join(WORK, name)
        subprocess.run([NATIVE, 'export', '--horizontal', '030EA10', '--vertical', '020EA05',
                        '--output', path], check=True)
        return path

    def test_fit_shows_its_progress_to_the_end(self):
        self.open_fit(self.exported(), 'fit.msi')
        self.js("const status = document.getElementById('fit-status');"
                "window.seen = [];"
                "new MutationObserver(() => seen.push([status.textContent,"
                " document.getElementById('fit-start').textContent]))"
                ".observe(status, {childList: true, characterData: true, subtree: true});"
                "document.getElementById('fit-start').click();")
        self.wait_for('return document.body.dataset.fits', '1')
        seen = self.js('return seen')
        running = [(int(m.group(1)), button) for text, button in seen
                   if (m := re.fullmatch(r'Suche läuft … (\d+) %', text))]
        percents = [percent for percent, _ in running]
        self.assertGreater(len(set(percents)), 20)
        self.assertEqual(percents, sorted(percents))
        self.assertEqual((percents[0], percents[-1]), (0, 100))
        self.assertEqual({button for _, button in running}, {'Abbrechen'})
        self.assertRegex(seen[-1][0], r'^[\d.]+ Codes je Komponente durchsucht in ')
        self.assertEqual(self.driver.find_element(By.ID, 'fit-start').text, 'Anpassen')

    def test_a_cancelled_fit_stops_and_the_next_gives_the_rows(self):
        path = self.exported()
        lines = subprocess.run([NATIVE, 'fit', path, '--top', '2', '--csv'], check=True,
                               capture_output=True, text=True).stdout.splitlines()[1:]
        native = {}  # component: the codes of each rank
        for component, rank, code, *_ in (line.split(',') for line in lines):
            native.setdefault(component, {}).setdefault(int(rank), set()).add(code)
        self.open_fit(path, 'fit.msi', count=2)
        # Cancelled as soon as it has got anywhere, well before its end.
        self.js("const status = document.getElementById('fit-status');"
                "new MutationObserver((m, o) => { const t = status.textContent;"
                " if (/ [1-9]\\d? %$/.test(t)) { o.disconnect(); window.cancelledAt = t;"
                " document.getElementById('fit-start').click(); } })"
                ".observe(status, {childList: true, characterData: true, subtree: true});"
                "document.getElementById('fit-start').click();")
        self.wait_for('return document.body.dataset.fitsCancelled', '1')
        time.sleep(3)  # the whole fit takes less: its rows must not come
        self.assertRegex(self.js('return window.cancelledAt'), r'^Suche läuft … \d\d? %$')
        self.assertEqual(self.driver.find_element(By.ID, 'fit-status').text, 'Suche abgebrochen')
        self.assertEqual(self.driver.find_element(By.ID, 'fit-start').text, 'Anpassen')
        self.assertIsNone(self.js('return document.body.dataset.fits'))
        self.assertEqual(self.js("return document.querySelectorAll('#fit tr[data-code]').length"), 0)
        self.js("document.getElementById('fit-start').click()")
        self.wait_for('return document.body.dataset.fits', '1')
        self.assert_fit_rows(native)

    def assert_fit_rows(self, native):
        """The page's fit lists hold the command line's codes, rank by rank."""
        for which, component in enumerate(('horizontal', 'vertical')):
            with self.subTest(component):
                codes = self.js(f"return [...document.querySelectorAll('#fit-list-{which} tr[data-code]')]"
                                ".map((r) => r.dataset.code)")
                self.assertEqual(len(codes), len(native[component]))
                for rank, code in enumerate(codes, 1):
                    self.assertIn(code, native[component][rank])

    def test_apply_orientation_turns_to_the_measured_main_direction(self):
        # The exported cuts turned: the maximum at azimuth 40, 10 degrees down.
        turned, turn = [], None
        with open(self.exported(), encoding='utf-8') as f:
            for line in f.read().splitlines():
                if line.startswith(('HORIZONTAL', 'VERTICAL')):
                    turn = 40 if line.startswith('H') else 10
                elif turn is not None:
                    angle, loss = line.split()
                    line = f'{(int(angle) + turn) % 360} {loss}'
                turned.append(line)
        path = os.path.join(WORK, 'turned.msi')
        with open(path, 'w', encoding='utf-8') as f:
            f.write('\n'.join(turned) + '\n')
        report = json.loads(subprocess.run([NATIVE, 'fit', path, '--top', '1', '--json'], check=True,
                                           capture_output=True, text=True).stdout)
        self.open_fit(path, 'turned.msi', count=1)
        align = self.driver.find_element(By.ID, 'fit-align')
        self.assertEqual(align.text, 'Ausrichtung übernehmen')
        self.assertFalse(align.is_enabled())
        self.js("document.getElementById('fit-start').click()")
        self.wait_for('return document.body.dataset.fits', '1')
        align.click()
        self.driver.find_element(By.ID, 'copy-link').click()
        expected = 'az=%g&el=%g&' % (report['horizontal_main_direction_deg'],
                                     report['vertical_main_elevation_deg'])
        self.assertEqual(expected, 'az=40&el=-10&')
        self.assertIn(expected, self.js('return location.hash'))

    def test_a_long_legend_line_is_shortened_in_the_middle(self):
        name = 'messung-der-antenne-auf-dem-dach-des-funkhauses-am-stadtrand-2026-12-08-a.msi'
        self.open_fit(self.exported(), name)
        lines = self.js("const box = document.getElementById('info-legend');"
                        "return [...box.querySelectorAll('span')].filter((s) => s.style.maxWidth)"
                        ".map((s) => [s.textContent, s.scrollWidth, s.clientWidth,"
                        " box.clientHeight - s.offsetTop - s.offsetHeight])")
        shortened = [line for line in lines if '…' in line[0]]
        self.assertEqual(len(shortened), 1, lines)
        text, scroll_width, width, below = shortened[0]
        self.assertGreaterEqual(below, 0)  # within the legend, which grew for it
        self.assertTrue(text.startswith('Datei: messung-der-'), text)
        self.assertTrue(text.endswith('…08-a.msi'), text)
        self.assertLessEqual(scroll_width, width)  # nothing cut at its end

    def test_about_shows_the_desktop_text(self):
        self.open()
        self.js("document.querySelector('[data-command=\"40033\"]').click()")
        about = self.driver.find_element(By.ID, 'about')
        self.assertTrue(about.is_displayed())
        self.assertRegex(about.text, r'^Über Veltrisko\s+Veltrisko \d+\.\d+\.\d+\nZeigt Antennendiagramme')
        self.assertIn('Lizenz: MIT', about.text)

    def test_zz_screenshot(self):
        if not SCREENSHOT:
            self.skipTest('no screenshot asked for')
        self.open('#h=030EA10&v=020EA05&log=25&az=30&el=10', size=None)
        self.driver.save_screenshot(SCREENSHOT)


if __name__ == '__main__':
    os.makedirs(WORK, exist_ok=True)
    # PAGE_TESTS: the names of the tests to run, blank-separated (all if empty).
    # PAGE_SHARD "K/N": every Nth of them from the Kth, so that N runs share the tests.
    names = os.environ.get('PAGE_TESTS', '').split()
    shard = os.environ.get('PAGE_SHARD', '')
    if shard and not names:
        k, n = (int(x) for x in shard.split('/'))
        names = ['PageTest.' + name for name in
                 unittest.defaultTestLoader.getTestCaseNames(PageTest)][k - 1::n]
    result = unittest.main(argv=[sys.argv[0]] + names, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)
